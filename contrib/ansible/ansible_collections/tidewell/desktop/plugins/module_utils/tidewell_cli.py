# -*- coding: utf-8 -*-
# Copyright (c) 2026 The Tidewell developers
# MIT License (see LICENSE in the Tidewell sources)
"""Runs tidewell-cli for the tidewell.desktop modules and reads its JSON documents."""

from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json
import os
import pwd

# The options every module of the collection shares, as argument_spec entries.
COMMON_ARGUMENT_SPEC = dict(
    users=dict(type='list', elements='str'),
    root=dict(type='path'),
    cli=dict(type='str', default='tidewell-cli'),
)

# tidewell-cli's exit code for an app it cannot read (not installed, not an app).
APP_REJECTED = 3


class TidewellCli(object):
    """tidewell-cli as a module runs it: the program found, the homes chosen, JSON read."""

    def __init__(self, module):
        self.module = module
        self.program = module.get_bin_path(module.params['cli'], required=True)

    def home_options(self):
        """--root and the account options that the module's users and root ask for."""
        options = []
        if self.module.params['root']:
            options += ['--root', self.module.params['root']]
        users = self.module.params['users'] or []
        if users == ['all']:
            options.append('--all-users')
        else:
            for user in users:
                options += ['--user', user]
        return options

    def run(self, arguments):
        """(exit code, JSON document or None, stderr) of one run with --json."""
        rc, out, err = self.module.run_command([self.program] + arguments,
                                               environ_update={'LC_ALL': 'C.UTF-8'})
        try:
            document = json.loads(out) if out.strip() else None
        except ValueError:
            document = None
        return rc, document, err.strip()

    def fail(self, rc, err, **result):
        """Fails the task with tidewell-cli's own message."""
        self.module.fail_json(msg=err or 'tidewell-cli exited with code %d' % rc, rc=rc,
                              **result)

    def supports(self, command, option):
        """Whether this tidewell-cli's command knows option (it may be older or newer)."""
        rc, out, _ = self.module.run_command([self.program, command, '--help'])
        return rc == 0 and option in out


def per_user(document):
    """[(user, home, document)] of a document that holds one user's or several ones'."""
    if document is not None and 'users' in document:
        return [(entry['user'], entry['home'], entry) for entry in document['users']]
    account = pwd.getpwuid(os.geteuid())
    home = os.environ.get('HOME') or account.pw_dir
    return [(account.pw_name, home, document or {})]


def per_app(document):
    """The documents of each app in one user's document."""
    return document['apps'] if 'apps' in document else [document]


def removal_failures(document):
    """One line per item a removal could not take: user, path and reason."""
    failures = []
    for user, _, per_user_document in per_user(document):
        for app in per_app(per_user_document):
            failures += ['%s: %s: %s' % (user, failure['path'], failure['reason'])
                         for failure in app['failures']]
    return failures


def diff_of(users):
    """Ansible's diff: per user, the paths that go, as lines that disappear."""
    return [dict(before_header='%s (%s)' % (user['user'], user['home']),
                 after_header='%s (%s)' % (user['user'], user['home']),
                 before=''.join(path + '\n' for path in user['items']), after='')
            for user in users]
