#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright (c) 2026 The Tidewell developers
# MIT License (see LICENSE in the Tidewell sources)

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
---
module: tidewell_orphans
short_description: Report and remove what removed desktop applications left behind
version_added: 1.0.0
description:
  - Lists, by running C(tidewell-cli orphans), what applications that are no longer
    installed left in the users' folders, grouped by removed app, each item with its size and
    evidence.
  - Finds removed Debian packages (configuration files kept by dpkg, or removed or purged as
    apt's history says) by the names their app went by; deleted app bundles by their
    containers and the C(~/Library) entries named by their bundle identifiers; Flatpaks no
    installation holds (C(~/.var/app), overrides, folders named by the id); snaps no longer
    installed (C(~/snap)); deleted AppImages (their launchers and icons); and launchers and
    autostart entries whose program is gone. Nothing an installed app, package or the system
    claims is listed.
  - Items that Tidewell is less certain of are only offered, not selected - a removed
    package's folder that a scan too would only offer, a folder named like a deleted bundle's
    app or vendor rather than by its identifier, its C(Application Scripts) and C(Cookies)
    entries; they go only with I(leftovers=all).
  - With I(state=absent), removes the leftovers of the removed apps that I(name) gives, each
    into the Trash of the user whose home holds it. That needs a C(tidewell-cli) whose
    C(orphans) command has C(--remove).
  - Folders of the dconf database named by a removed app are listed with the app
    (C(keptDconfFolders)) and never removed.
  - In check mode it only lists, and reports what would go.
options:
  state:
    description:
      - C(present) only reports; C(absent) removes the leftovers of the apps in I(name).
    type: str
    choices: [present, absent]
    default: present
  name:
    description:
      - The removed apps whose leftovers go, by the id C(tidewell-cli orphans) lists them with
        (C(<kind>:<identifier>), kind one of C(deb), C(bundle), C(flatpak), C(snap),
        C(appimage), C(launcher)) or by the identifier alone (the Debian package, bundle
        identifier, Flatpak id, snap name, AppImage's path or the launcher's program).
      - An identifier that two removed apps in one home share is refused; give the id.
      - A name that names no removed app counts as already gone.
      - Required with I(state=absent).
    type: list
    elements: str
  leftovers:
    description:
      - With I(state=absent), C(selected) removes the items Tidewell is certain of; C(all)
        takes the items only offered too, as C(tidewell-cli orphans --remove --offered) does.
    type: str
    choices: [selected, all]
    default: selected
extends_documentation_fragment:
  - tidewell.desktop.tidewell_cli
notes:
  - Supports check mode and diff mode; the diff lists the paths that go, per user.
author:
  - Tidewell developers
'''

EXAMPLES = r'''
- name: Report the leftovers of removed apps in every home
  become: true
  tidewell.desktop.tidewell_orphans:
    users: all
  register: orphans

- name: Remove what a removed Flatpak and a purged Debian package left in every home
  become: true
  tidewell.desktop.tidewell_orphans:
    name:
      - flatpak:org.example.Ink
      - deb:mousepad
    state: absent
    users: all

- name: Remove a deleted app bundle's leftovers, the folders only named like it too
  tidewell.desktop.tidewell_orphans:
    name: com.example.Harbor
    state: absent
    leftovers: all
'''

RETURN = r'''
users:
  description:
    - Per user, the leftovers found (C(present)), or those of the apps in I(name) that went
      (C(absent); in check mode, those that would go), with the bytes they hold.
  returned: always
  type: list
  elements: dict
  contains:
    user:
      description: The user's name.
      type: str
      sample: alice
    home:
      description: The user's home folder.
      type: str
      sample: /home/alice
    items:
      description: Absolute paths.
      type: list
      elements: str
      sample: [/home/alice/.var/app/org.example.Ink, /home/alice/.config/mousepad]
    bytes:
      description: The size of those items.
      type: int
      sample: 4096
orphans:
  description: Per user, what C(tidewell-cli orphans --json) lists, before any removal.
  returned: always
  type: list
  elements: dict
  contains:
    user:
      description: The user's name.
      type: str
    home:
      description: The user's home folder.
      type: str
    apps:
      description:
        - The removed apps, each with C(id), C(name), C(identifier), C(kind) (C(deb),
          C(bundle), C(flatpak), C(snap), C(appimage), C(launcher)), C(removedAt) (ISO 8601
          time, or null when nobody recorded it), C(sizeInBytes), C(keptDconfFolders) and C(items),
          each item with C(path), C(sizeInBytes), C(evidence) (C(code) and C(sentence)) and
          C(selected) (false for the items only offered).
      type: list
      elements: dict
    orphans:
      description: Every item on its own, with C(path), C(sizeInBytes), C(cause), C(subject)
        and C(reason).
      type: list
      elements: dict
    problems:
      description: What could not be read (a dpkg database or apt history), one line each;
        the other sources were still searched.
      type: list
      elements: str
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tidewell.desktop.plugins.module_utils.tidewell_cli import (
    COMMON_ARGUMENT_SPEC, TidewellCli, diff_of, per_app, per_user, removal_failures)


def names(name, app):
    """Whether name gives app, as tidewell-cli orphans --remove takes it."""
    return name in (app['id'], app['identifier'])


def going(app, names_given, with_offered):
    """The items of app that a removal of names_given takes: none when they name another."""
    if names_given is not None and not any(names(name, app) for name in names_given):
        return []
    return [item for item in app['items'] if item['selected'] or with_offered]


def listed(cli, options, names_given, with_offered):
    """(users with the items found, only those that a removal of names_given takes when
    given; what each user's report lists)."""
    rc, document, err = cli.run(['orphans'] + options)
    if rc != 0 or document is None:
        cli.fail(rc, err)
    users, orphans = [], []
    for user, home, report in per_user(document):
        if 'apps' not in report:
            cli.module.fail_json(msg='%s lists no removed apps: its orphans command is older '
                                     'than this module' % cli.program)
        for name in names_given or []:
            if sum(names(name, app) for app in report['apps']) > 1:
                cli.module.fail_json(msg="'%s' names several removed apps in %s; give one's id"
                                         % (name, home))
        chosen = [item for app in report['apps']
                  for item in going(app, names_given, with_offered)]
        users.append(dict(user=user, home=home, items=[item['path'] for item in chosen],
                          bytes=sum(item['sizeInBytes'] for item in chosen)))
        orphans.append(dict(user=user, home=home, apps=report['apps'],
                            orphans=report['orphans'], problems=report['problems']))
    return users, orphans


def naming_some_app(names_given, orphans):
    """The names that give a removed app in some home: tidewell-cli refuses the others."""
    return [name for name in names_given
            if any(names(name, app) for user in orphans for app in user['apps'])]


def remove(cli, options, names_given, with_offered):
    """Users with what went, from one run of orphans --remove."""
    arguments = ['orphans', '--remove', '--yes'] + options
    if with_offered:
        arguments.append('--offered')
    rc, document, err = cli.run(arguments + ['--'] + names_given)
    if document is None:
        cli.fail(rc, err)
    users = []
    for user, home, per_user_document in per_user(document):
        apps = per_app(per_user_document)
        users.append(dict(user=user, home=home,
                          items=[path for app in apps
                                 for path in app['trashed'] + app['removedPermanently']],
                          bytes=sum(app['reclaimedBytes'] for app in apps)))
    if rc != 0:
        cli.fail(rc, '\n'.join([err] + removal_failures(document)).strip(), changed=True,
                 users=users)
    return users


def main():
    module = AnsibleModule(
        argument_spec=dict(
            state=dict(type='str', default='present', choices=['present', 'absent']),
            name=dict(type='list', elements='str'),
            leftovers=dict(type='str', default='selected', choices=['selected', 'all']),
            **COMMON_ARGUMENT_SPEC),
        required_if=[('state', 'absent', ('name',))],
        supports_check_mode=True,
    )
    cli = TidewellCli(module)
    removing = module.params['state'] == 'absent'
    if removing and not cli.supports('orphans', '--remove'):
        module.fail_json(msg='%s cannot remove the leftovers of removed apps: its orphans '
                             'command has no --remove' % cli.program)
    options = ['--json'] + cli.home_options()
    names_given = module.params['name'] if removing else None
    with_offered = not removing or module.params['leftovers'] == 'all'
    users, orphans = listed(cli, options, names_given, with_offered)
    changed = removing and any(user['items'] for user in users)
    if changed and not module.check_mode:
        users = remove(cli, options, naming_some_app(names_given, orphans), with_offered)
    result = dict(changed=changed, users=users, orphans=orphans)
    if module._diff and removing:
        result['diff'] = diff_of(users)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
