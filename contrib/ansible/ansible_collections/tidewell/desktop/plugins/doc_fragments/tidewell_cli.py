# -*- coding: utf-8 -*-
# Copyright (c) 2026 The Tidewell developers
# MIT License (see LICENSE in the Tidewell sources)

from __future__ import absolute_import, division, print_function

__metaclass__ = type


class ModuleDocFragment(object):
    """The options every module of the collection shares: whose homes, which machine, which
    tidewell-cli."""

    DOCUMENTATION = r'''
options:
  users:
    description:
      - Whose homes to work in. C(all) for every user who logs in (an account with a login
        shell, a UID from C(UID_MIN) of C(/etc/login.defs) up and a home in the system's home
        folder), or a list of user names.
      - Without it, the module works in the home of the task's own environment (C(HOME)).
      - Needs root, as with C(become=true).
    type: list
    elements: str
  root:
    description:
      - Take the system folders (and with I(users), the accounts and their homes) under this
        folder, as C(tidewell-cli --root) does, for example a mounted system image.
    type: path
  cli:
    description:
      - The C(tidewell-cli) to run, a name looked up on C(PATH) or a path.
    type: str
    default: tidewell-cli
requirements:
  - tidewell-cli on the managed host
'''
