#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright (c) 2026 The Tidewell developers
# MIT License (see LICENSE in the Tidewell sources)

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
---
module: tidewell_app
short_description: Remove desktop applications and their leftovers with Tidewell
version_added: 1.0.0
description:
  - Removes applications together with the leftovers they keep in the users' folders
    (settings, caches, data, launchers), by running C(tidewell-cli).
  - Takes app bundles, desktop entries and their ids, Flatpak ids, snap names and AppImages.
  - Each item goes to the Trash of the user whose home holds it, owned by that user, so that
    it can be put back; an app's own files that belong to a package manager stay, unless
    I(uninstall) is set.
  - An app that is not there (not installed, its file gone) counts as absent and is listed in
    C(apps_not_found).
  - In check mode it only scans, and reports what would go.
options:
  name:
    description:
      - The apps, as C(tidewell-cli scan) takes them - a path to a C(.app) bundle, a
        C(.desktop) file or an AppImage, or the id of an installed app (desktop file id,
        Flatpak id, snap name).
    type: list
    elements: str
    required: true
    aliases: [app]
  state:
    description:
      - C(absent) removes the apps and their leftovers.
    type: str
    choices: [absent]
    default: absent
  leftovers:
    description:
      - C(selected) removes the items Tidewell is certain of; C(all) takes the items it only
        offers too. A C(tidewell-cli) that makes no such difference removes every item it
        finds either way.
    type: str
    choices: [selected, all]
    default: selected
  uninstall:
    description:
      - Also run the package manager's command that uninstalls the app (Flatpak and snap)
        once the leftovers are gone.
    type: bool
    default: false
  index:
    description:
      - Search the file index (C(plocate)) as well as the folders.
    type: bool
    default: true
extends_documentation_fragment:
  - tidewell.desktop.tidewell_cli
notes:
  - Supports check mode and diff mode; the diff lists the paths that go, per user.
author:
  - Tidewell developers
'''

EXAMPLES = r'''
- name: Remove Ink and its leftovers from every user
  become: true
  tidewell.desktop.tidewell_app:
    name: /opt/Ink.AppImage
    users: all

- name: Remove two Flatpaks from two users, and uninstall them
  become: true
  tidewell.desktop.tidewell_app:
    name:
      - org.example.Ink
      - org.example.Harbor
    users: [alice, bob]
    uninstall: true

- name: See what would go from the home the task runs in
  tidewell.desktop.tidewell_app:
    name: ~/Applications/Ink.AppImage
  check_mode: true
  diff: true
  register: ink
'''

RETURN = r'''
users:
  description:
    - Per user, what went (in check mode, what would go) - the absolute paths and the bytes
      they held.
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
      description: Absolute paths, each gone to that user's Trash.
      type: list
      elements: str
      sample: [/home/alice/.config/ink, /home/alice/.cache/ink]
    bytes:
      description: The size of those items.
      type: int
      sample: 1048576
apps_not_found:
  description: The names given that name no app here, with tidewell-cli's reason.
  returned: always
  type: list
  elements: dict
  sample: [{name: org.example.Gone, reason: No installed application has this id.}]
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tidewell.desktop.plugins.module_utils.tidewell_cli import (
    APP_REJECTED, COMMON_ARGUMENT_SPEC, TidewellCli, diff_of, per_app, per_user,
    removal_failures)


def is_inside(path, home):
    return path.startswith(home.rstrip('/') + '/')


def scanned_items(app, home, in_users_homes, offered_too):
    """What removing one scanned app takes in one home: paths and their sizes. Items only
    offered go only when offered_too."""
    items = [(match['path'], match['sizeInBytes']) for match in app['matches']
             if offered_too or match.get('selected', True)]
    app_path = app['app']['appPath']
    if app['appGoesWithLeftovers'] and (not in_users_homes or is_inside(app_path, home)):
        items.append((app_path, 0))
    return items


def merge(users, user, home, items):
    """Adds items to user's entry of users, each path once."""
    entry = next((each for each in users if each['user'] == user), None)
    if entry is None:
        entry = dict(user=user, home=home, items=[], bytes=0)
        users.append(entry)
    for path, size in items:
        if path not in entry['items']:
            entry['items'].append(path)
            entry['bytes'] += size


def scan(cli, names, options):
    """(users with what would go, the names found, the names not found)."""
    users, found, not_found = [], [], []
    offered_too = cli.module.params['leftovers'] == 'all'
    for name in names:
        rc, document, err = cli.run(['scan'] + options + ['--', name])
        if rc == APP_REJECTED:
            not_found.append(dict(name=name, reason=err))
            continue
        if rc != 0:
            cli.fail(rc, err)
        found.append(name)
        for user, home, per_user_document in per_user(document):
            for app in per_app(per_user_document):
                merge(users, user, home,
                      scanned_items(app, home, 'users' in document, offered_too))
    return users, found, not_found


def remove(cli, names, options):
    """Users with what went, from one run of remove for every app found."""
    params = cli.module.params
    arguments = ['remove', '--yes'] + options
    if params['uninstall']:
        arguments.append('--uninstall')
    if params['leftovers'] == 'all' and cli.supports('remove', '--all'):
        arguments.append('--all')
    rc, document, err = cli.run(arguments + ['--'] + names)
    if document is None:
        cli.fail(rc, err)
    users = []
    for user, home, per_user_document in per_user(document):
        for app in per_app(per_user_document):
            went = app['trashed'] + app['removedPermanently']
            merge(users, user, home, [(path, 0) for path in went])
            entry = next(each for each in users if each['user'] == user)
            entry['bytes'] += app['reclaimedBytes']
    if rc != 0:
        cli.fail(rc, '\n'.join([err] + removal_failures(document)).strip(), changed=True,
                 users=users)
    return users


def main():
    module = AnsibleModule(
        argument_spec=dict(
            name=dict(type='list', elements='str', required=True, aliases=['app']),
            state=dict(type='str', default='absent', choices=['absent']),
            leftovers=dict(type='str', default='selected', choices=['selected', 'all']),
            uninstall=dict(type='bool', default=False),
            index=dict(type='bool', default=True),
            **COMMON_ARGUMENT_SPEC),
        supports_check_mode=True,
    )
    cli = TidewellCli(module)
    options = ['--json'] + cli.home_options()
    if not module.params['index']:
        options.append('--no-index')
    users, found, not_found = scan(cli, module.params['name'], options)
    for missing in not_found:
        module.warn('%s: %s' % (missing['name'], missing['reason']))
    wants_removal = any(user['items'] for user in users) or (
        found and module.params['uninstall'])
    if wants_removal and not module.check_mode:
        users = remove(cli, found, options)
    result = dict(changed=bool(wants_removal), users=users, apps_not_found=not_found)
    if module._diff:
        result['diff'] = diff_of(users)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
