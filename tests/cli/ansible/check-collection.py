#!/usr/bin/env python3
"""Checks the tidewell.desktop Ansible collection against a built tidewell-cli: its Python
compiles, ansible-doc renders each module, each module's DOCUMENTATION agrees with the options
it declares, a playbook run on localhost removes an app (check mode changes nothing and reports
the items, the real run removes them and is idempotent, the diff lists the paths), and another
removes one removed app's leftovers and leaves another's.

usage: check-collection.py TIDEWELL_CLI COLLECTIONS_PATH
Exits 77 (skipped) when ansible-core is not installed.
"""
import importlib.machinery
import json
import os
import py_compile
import shutil
import subprocess
import sys
import tempfile
import types
from unittest import mock

SKIPPED = 77
MODULES = ['tidewell_app', 'tidewell_orphans']



def load_source(name, path):
    """The Python file at path, loaded as a module of that name."""
    module = types.ModuleType(name)
    module.__file__ = path
    importlib.machinery.SourceFileLoader(name, path).exec_module(module)
    return module

def collection_folder(collections):
    return os.path.join(collections, 'ansible_collections', 'tidewell', 'desktop')


def compile_every_file(folder):
    for parent, _, names in os.walk(folder):
        for name in names:
            if name.endswith('.py'):
                py_compile.compile(os.path.join(parent, name), doraise=True)


def load_module(collections, name):
    sys.path.insert(0, collections)
    path = os.path.join(collection_folder(collections), 'plugins', 'modules', name + '.py')
    return load_source(name, path)


def argument_spec(module):
    """The options main() hands to AnsibleModule, caught before it runs."""
    caught = {}

    class Stop(Exception):
        pass

    def capture(**arguments):
        caught.update(arguments)
        raise Stop()

    with mock.patch.object(module, 'AnsibleModule', side_effect=capture):
        try:
            module.main()
        except Stop:
            pass
    return caught['argument_spec']


def documented_options(collections, module):
    """The options a module's DOCUMENTATION gives, with those of the fragments it extends."""
    import yaml
    documentation = yaml.safe_load(module.DOCUMENTATION)
    options = dict(documentation['options'])
    for fragment in documentation.get('extends_documentation_fragment', []):
        name = fragment.split('.')[-1]
        path = os.path.join(collection_folder(collections), 'plugins', 'doc_fragments',
                            name + '.py')
        loaded = load_source(name, path)
        options.update(yaml.safe_load(loaded.ModuleDocFragment.DOCUMENTATION)['options'])
    return options


def check_documentation_agrees(collections):
    import yaml
    for name in MODULES:
        module = load_module(collections, name)
        documented = documented_options(collections, module)
        for block in (module.EXAMPLES, module.RETURN):
            yaml.safe_load(block)
        declared = argument_spec(module)
        if sorted(documented) != sorted(declared):
            sys.exit(f'{name}: documented options {sorted(documented)} != {sorted(declared)}')
        for option, rules in declared.items():
            for key in ('type', 'elements', 'choices', 'default', 'aliases', 'required'):
                if rules.get(key) != documented[option].get(key):
                    sys.exit(f'{name}: option {option}: {key} is {rules.get(key)!r} in the code '
                             f'but {documented[option].get(key)!r} in DOCUMENTATION')


def check_ansible_doc(environment):
    for name in MODULES:
        shown = subprocess.run(['ansible-doc', 'tidewell.desktop.' + name], env=environment,
                               capture_output=True, text=True, check=True).stdout
        for part in ('OPTIONS', 'EXAMPLES', 'RETURN VALUES', 'users'):
            if part not in shown:
                sys.exit(f'ansible-doc {name} shows no {part}:\n{shown}')


def plist(identifier, name):
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>CFBundleIdentifier</key><string>{identifier}</string>
<key>CFBundleName</key><string>{name}</string>
</dict></plist>
'''


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8') as file:
        file.write(text)


PLAYBOOK = '''
- hosts: localhost
  gather_facts: false
  tasks:
    - name: what would go
      tidewell.desktop.tidewell_app: {name: "{{ app }}", index: false, cli: "{{ cli }}"}
      check_mode: true
      register: would
    - name: remove
      tidewell.desktop.tidewell_app: {name: "{{ app }}", index: false, cli: "{{ cli }}"}
      register: removed
    - name: again
      tidewell.desktop.tidewell_app: {name: "{{ app }}", index: false, cli: "{{ cli }}"}
      register: again
    - name: orphans
      tidewell.desktop.tidewell_orphans: {cli: "{{ cli }}"}
      register: orphans
    - name: results
      copy:
        dest: "{{ results }}"
        content: "{{ {'would': would, 'removed': removed, 'again': again,
                      'orphans': orphans} | to_json }}"
      diff: false
'''


def play(playbook, environment, work, variables):
    """(the results the playbook registered, what ansible-playbook printed) of a run on
    localhost with the home, Trash and variables given."""
    write(os.path.join(work, 'playbook.yml'), playbook)
    results = os.path.join(work, 'results.json')
    environment = dict(environment, HOME=os.path.join(work, 'home'),
                       XDG_DATA_HOME=os.path.join(work, 'data'),
                       ANSIBLE_LOCALHOST_WARNING='false', ANSIBLE_HOME=os.path.join(work, 'ansible'))
    extra = [option for name, value in dict(variables, results=results).items()
             for option in ('-e', f'{name}={value}')]
    run = subprocess.run(['ansible-playbook', '-i', 'localhost,', '-c', 'local', '--diff'] + extra
                         + ['playbook.yml'], cwd=work, env=environment, capture_output=True,
                         text=True)
    if run.returncode != 0:
        sys.exit(f'ansible-playbook failed:\n{run.stdout}\n{run.stderr}')
    with open(results, encoding='utf-8') as file:
        return json.load(file), run.stdout


def run_playbook(cli, environment, work):
    """(the registered results, the paths that go, the home, what ansible-playbook printed)."""
    home = os.path.join(work, 'home')
    app = os.path.join(home, 'Applications', 'Ink.app')
    write(os.path.join(app, 'Contents', 'Info.plist'), plist('io.inkwell.writer', 'Ink'))
    leftovers = [os.path.join(home, 'Library', 'Caches', 'io.inkwell.writer'),
                 os.path.join(home, 'Library', 'Preferences', 'io.inkwell.writer.plist')]
    write(os.path.join(leftovers[0], 'cache.db'), 'cache')
    write(leftovers[1], plist('io.inkwell.writer', 'Ink'))
    write(os.path.join(home, 'Documents', 'ink-notes.txt'), 'mine')
    # Risky, so only offered: it neither goes nor counts as going with the default leftovers.
    write(os.path.join(home, 'Library', 'LaunchAgents', 'io.inkwell.writer.plist'),
          plist('io.inkwell.writer', 'Ink'))
    results, printed = play(PLAYBOOK, environment, work, dict(app=app, cli=cli))
    return results, leftovers + [app], home, printed


def check_playbook(cli, environment):
    with tempfile.TemporaryDirectory() as work:
        results, gone, home, printed = run_playbook(cli, environment, work)
        would = results['would']
        items = sorted(would['users'][0]['items'])
        if not would['changed'] or items != sorted(gone):
            sys.exit(f'check mode reported {items}, not {sorted(gone)}')
        # The diff of the check and of the real run, one line per path that goes.
        if any(printed.count(f'-{path}\n') != 2 for path in gone):
            sys.exit(f'the diff does not list every path twice:\n{printed}')
        removed = results['removed']
        if not removed['changed'] or sorted(removed['users'][0]['items']) != sorted(gone):
            sys.exit(f'the real run removed {removed["users"]}')
        if any(os.path.lexists(path) for path in gone):
            sys.exit('an item is still in place after the real run')
        trash = os.listdir(os.path.join(work, 'data', 'Trash', 'files'))
        if sorted(trash) != sorted(os.path.basename(path) for path in gone):
            sys.exit(f'the Trash holds {trash}')
        for kept in ('Documents/ink-notes.txt', 'Library/LaunchAgents/io.inkwell.writer.plist'):
            if not os.path.exists(os.path.join(home, kept)):
                sys.exit(f'{kept} went, which was not selected')
        again = results['again']
        if again['changed'] or again['apps_not_found'][0]['name'] != gone[-1]:
            sys.exit(f'the second run was not idempotent: {again}')
        if results['orphans']['changed'] or results['orphans']['users'][0]['home'] != home:
            sys.exit(f'the orphans report: {results["orphans"]}')


ORPHANS_PLAYBOOK = '''
- hosts: localhost
  gather_facts: false
  vars:
    ink: {name: "bundle:io.inkwell.Writer", state: absent, root: "{{ root }}", cli: "{{ cli }}"}
  tasks:
    - name: what would go, the items only offered too
      tidewell.desktop.tidewell_orphans: "{{ ink | combine({'leftovers': 'all'}) }}"
      check_mode: true
      register: offered
    - name: what would go
      tidewell.desktop.tidewell_orphans: "{{ ink }}"
      check_mode: true
      register: would
    - name: remove
      tidewell.desktop.tidewell_orphans: "{{ ink }}"
      register: removed
    - name: again
      tidewell.desktop.tidewell_orphans: "{{ ink }}"
      register: again
    - name: what is left
      tidewell.desktop.tidewell_orphans: {root: "{{ root }}", cli: "{{ cli }}"}
      register: left
    - name: results
      copy:
        dest: "{{ results }}"
        content: "{{ {'would': would, 'removed': removed, 'again': again, 'offered': offered,
                      'left': left} | to_json }}"
      diff: false
'''


def check_orphans_playbook(cli, environment):
    """A deleted bundle's leftovers go, its folder only named like it stays (no longer listed
    without them), and a removed Flatpak's are untouched."""
    with tempfile.TemporaryDirectory() as work:
        home, root = os.path.join(work, 'home'), os.path.join(work, 'root')
        os.makedirs(os.path.join(root, 'Applications'))
        library = os.path.join(home, 'Library')
        ink = [os.path.join(library, 'Containers', 'AB12'),
               os.path.join(library, 'Preferences', 'io.inkwell.Writer.plist')]
        write(os.path.join(ink[0], '.com.apple.containermanagerd.metadata.plist'),
              plist('io.inkwell.Writer', 'Ink').replace('CFBundleIdentifier',
                                                        'MCMMetadataIdentifier'))
        write(ink[1], plist('io.inkwell.Writer', 'Ink'))
        named_like_ink = os.path.join(library, 'Caches', 'Writer')
        quill = os.path.join(home, '.var', 'app', 'org.example.Quill')
        for folder in (named_like_ink, quill):
            write(os.path.join(folder, 'data'), 'x')
        results, _ = play(ORPHANS_PLAYBOOK, environment, work, dict(cli=cli, root=root))
        for run in ('would', 'removed'):
            items = sorted(results[run]['users'][0]['items'])
            if not results[run]['changed'] or items != ink:
                sys.exit(f'{run}: the leftovers of Ink that go are {items}, not {ink}')
        if results['again']['changed'] or any(os.path.lexists(path) for path in ink):
            sys.exit(f'Ink\'s leftovers are still there: {results["again"]}')
        offered = sorted(results['offered']['users'][0]['items'])
        if offered != sorted(ink + [named_like_ink]):
            sys.exit(f'with leftovers=all, would go: {offered}')
        left = results['left']['users'][0]['items']
        if results['left']['changed'] or left != [quill] or not os.path.exists(named_like_ink):
            sys.exit(f'what is left is {left}')


def ansible_python():
    """The interpreter ansible-playbook runs with, which can import ansible."""
    with open(shutil.which('ansible-playbook'), encoding='utf-8') as program:
        return program.readline()[2:].split()[0]


def main():
    cli, collections = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    compile_every_file(collection_folder(collections))
    if not shutil.which('ansible-playbook') or not shutil.which('ansible-doc'):
        print('SKIP: ansible-core is not installed (scripts/setup installs it)')
        sys.exit(SKIPPED)
    if importlib.util.find_spec('ansible') is None:  # another python3 comes first on PATH
        os.execv(ansible_python(), [ansible_python()] + sys.argv)
    environment = dict(os.environ, ANSIBLE_COLLECTIONS_PATH=collections,
                       ANSIBLE_NOCOLOR='1')
    check_documentation_agrees(collections)
    check_ansible_doc(environment)
    check_playbook(cli, environment)
    check_orphans_playbook(cli, environment)


if __name__ == '__main__':
    main()
