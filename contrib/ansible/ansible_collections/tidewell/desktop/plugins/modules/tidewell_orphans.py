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
    installed left in the users' folders - sandbox data of removed Flatpaks and snaps,
    launchers whose program is gone, icons of deleted AppImages.
  - With I(state=absent), removes the leftovers of the removed apps that I(name) gives, each
    into the Trash of the user whose home holds it. That needs a C(tidewell-cli) whose
    C(orphans) command has C(--remove).
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
      - The removed apps whose leftovers go, by the subject C(tidewell-cli orphans) names
        them with (a Flatpak id, a snap name, an AppImage's path, a launcher's program).
      - Required with I(state=absent).
    type: list
    elements: str
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

- name: Remove what a removed Flatpak left in every home
  become: true
  tidewell.desktop.tidewell_orphans:
    name: org.example.Ink
    state: absent
    users: all
'''

RETURN = r'''
users:
  description:
    - Per user, the leftovers found (C(present)) or removed (C(absent); in check mode, those
      that would go), with the bytes they hold.
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
      sample: [/home/alice/.var/app/org.example.Ink]
    bytes:
      description: The size of those items.
      type: int
      sample: 4096
orphans:
  description: Per user, each leftover with its size, cause, subject and reason, as
    C(tidewell-cli orphans --json) gives them.
  returned: always
  type: list
  elements: dict
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.tidewell.desktop.plugins.module_utils.tidewell_cli import (
    COMMON_ARGUMENT_SPEC, TidewellCli, diff_of, per_app, per_user)


def listed(cli, options, subjects):
    """(users with the leftovers found, of subjects only when given; every leftover by user)."""
    rc, document, err = cli.run(['orphans'] + options)
    if rc != 0 or document is None:
        cli.fail(rc, err)
    users, orphans = [], []
    for user, home, per_user_document in per_user(document):
        chosen = [orphan for orphan in per_user_document['orphans']
                  if not subjects or orphan['subject'] in subjects]
        users.append(dict(user=user, home=home, items=[orphan['path'] for orphan in chosen],
                          bytes=sum(orphan['sizeInBytes'] for orphan in chosen)))
        orphans.append(dict(user=user, home=home, orphans=per_user_document['orphans']))
    return users, orphans


def remove(cli, options, subjects):
    if not cli.supports('orphans', '--remove'):
        cli.module.fail_json(msg='%s cannot remove the leftovers of removed apps: its orphans '
                                 'command has no --remove' % cli.program)
    rc, document, err = cli.run(['orphans', '--remove', '--yes'] + options + ['--'] + subjects)
    if rc != 0 or document is None:
        cli.fail(rc, err, changed=document is not None)
    users = []
    for user, home, per_user_document in per_user(document):
        apps = per_app(per_user_document)
        users.append(dict(user=user, home=home,
                          items=[path for app in apps
                                 for path in app['trashed'] + app['removedPermanently']],
                          bytes=sum(app['reclaimedBytes'] for app in apps)))
    return users


def main():
    module = AnsibleModule(
        argument_spec=dict(
            state=dict(type='str', default='present', choices=['present', 'absent']),
            name=dict(type='list', elements='str'),
            **COMMON_ARGUMENT_SPEC),
        required_if=[('state', 'absent', ('name',))],
        supports_check_mode=True,
    )
    cli = TidewellCli(module)
    options = ['--json'] + cli.home_options()
    removing = module.params['state'] == 'absent'
    subjects = module.params['name'] or []
    users, orphans = listed(cli, options, subjects if removing else [])
    changed = removing and any(user['items'] for user in users)
    if changed and not module.check_mode:
        users = remove(cli, options, subjects)
    result = dict(changed=changed, users=users, orphans=orphans)
    if module._diff and removing:
        result['diff'] = diff_of(users)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
