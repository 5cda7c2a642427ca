#!/usr/bin/env python3
"""Measures `tidewell-cli orphans` on the app bundles of bench/corpus that are gone.

    bench/corpus_orphans.py --cli build/tidewell-cli [--work DIR] [--json FILE] [--missed]

Builds the home of bench/corpus_bench.py (every app installed, every listed leftover made
concrete, noise), gives every container the metadata the system writes into it (its owner's
identifier), then deletes the bundles of every third app and runs `orphans --json`. Prints:
- installed: listed items that hold a file of an app still installed (target: none);
- recall of the removed apps' listed paths in ~/Library that no installed app lists too:
  of those in a container or named by an identifier (target >= 85 %), and of all of them
  (target >= 70 %); both counting what is offered, and what starts selected.
Then measures once more in a world where every app's preference file records where the app last
ran, as apps built on Chromium do (LastRunAppBundlePath): the corpus does not say which apps
write it, so this bounds what that record can add, and checks that the installed apps' records
keep their items out.
"""

import json
import os
import plistlib
import re
import subprocess
import sys
from pathlib import Path

from corpus_bench import (CORPUS, argument_parser, build_home, covered, files_below, owners_of,
                          print_items, run_in_work_folder)

TARGET_IDENTIFIED_RECALL = 0.85
TARGET_RECALL = 0.70
CONTAINER_ROOTS = ("Containers", "Group Containers")
METADATA = ".com.apple.containermanagerd.metadata.plist"
IDENTIFIER = re.compile(r"^(group\.|[A-Z0-9]{10}\.)?[A-Za-z0-9-]+\.[A-Za-z0-9-]+\.[A-Za-z0-9._-]+$")


def add_container_metadata(home):
    """Every container records the identifier it is named by, as the system does."""
    for root in CONTAINER_ROOTS:
        folder = home / "Library" / root
        for container in folder.iterdir() if folder.is_dir() else []:
            if container.is_dir():
                (container / METADATA).write_bytes(
                    plistlib.dumps({"MCMMetadataIdentifier": container.name}))


def record_last_run_bundles(home, casks):
    """Each app's preference file records the bundle it last ran from."""
    for cask in casks:
        preferences = home / "Library" / "Preferences" / (cask["bundleId"] + ".plist")
        if "bundle" in cask and preferences.is_file():
            preferences.write_bytes(
                plistlib.dumps({"LastRunAppBundlePath": "/Applications/" + cask["app"]}))


def is_identified(path, home):
    """Whether a listed path is a container or an entry of a Library folder named by a
    reverse-DNS identifier."""
    parts = Path(path).relative_to(home / "Library").parts
    if len(parts) == 2 and parts[0] in CONTAINER_ROOTS:
        return True
    name = re.sub(r"\.(plist|savedState|binarycookies)$", "", parts[-1])
    return len(parts) in (2, 3) and bool(IDENTIFIER.match(name))


def orphans(cli, home, root):
    output = subprocess.run([cli, "orphans", "--json", "--root", str(root)],
                            env=dict(os.environ, HOME=str(home)), capture_output=True, text=True,
                            check=False)
    if output.returncode != 0:
        raise RuntimeError(f"orphans failed: {output.stderr.strip()}")
    apps = json.loads(output.stdout)["apps"]
    items = [item for app in apps for item in app["items"]]
    return ([item["path"] for item in items], [item["path"] for item in items if item["selected"]],
            len(apps))


def measure(cli, casks, work, recording):
    home, root, listed, owners = build_home(casks, work)
    add_container_metadata(home)
    if recording:
        record_last_run_bundles(home, casks)
    bundles = [cask for cask in casks if "bundle" in cask]
    removed = {cask["token"] for cask in bundles[::3]}
    for cask in bundles[::3]:
        subprocess.run(["rm", "-rf", cask["bundle"]], check=True)
    installed = {cask["token"] for cask in bundles} - removed
    reported, selected, app_count = orphans(cli, home, root)
    of_installed = [item for item in reported
                    if any(owners_of(f, owners) & installed for f in files_below(item))]
    library = str(home / "Library") + "/"
    counted = [path for token in sorted(removed) for path in listed[token]
               if path.startswith(library) and not owners.get(path, set()) & installed]
    identified = [path for path in counted if is_identified(path, home)]
    figures = {"removedApps": len(removed), "listedApps": app_count, "items": len(reported),
               "selectedItems": len(selected), "ofInstalledApps": len(of_installed)}
    for label, paths in (("identified", identified), ("all", counted)):
        figures[label + "Listed"] = len(paths)
        figures[label + "Found"] = sum(covered(path, reported) for path in paths)
        figures[label + "Selected"] = sum(covered(path, selected) for path in paths)
    missed = [path for path in counted if not covered(path, reported)]
    return figures, of_installed, missed


def ratio(part, whole):
    return part / whole if whole else 1.0


def report(figures, of_installed, missed, work, verbose):
    print(f"removed apps:              {figures['removedApps']} (apps listed: "
          f"{figures['listedApps']}, items {figures['items']}, selected "
          f"{figures['selectedItems']})")
    print(f"items of installed apps:   {figures['ofInstalledApps']}  (target 0)")
    for label, target in (("identified", TARGET_IDENTIFIED_RECALL), ("all", TARGET_RECALL)):
        found, listed = figures[label + "Found"], figures[label + "Listed"]
        print(f"recall ({label}):{' ' * (17 - len(label))}{found}/{listed} = "
              f"{ratio(found, listed):.2%}  (target >= {target:.0%}); selected: "
              f"{ratio(figures[label + 'Selected'], listed):.2%}")
    print_items("of an installed app", {"orphans": of_installed}, work, most=10)
    if verbose:
        print_items("missed", {"removed apps": missed}, work, most=len(missed))
    return figures


def main(arguments):
    options = argument_parser(__doc__.splitlines()[0]).parse_args(arguments)
    casks = json.loads(CORPUS.read_text())["casks"]

    def measure_in(work):
        figures = {}
        for recording in (False, True):
            if recording:
                print("\nif every app's preference file records where it last ran:")
            folder = work / ("recording" if recording else "as-listed")
            measured = measure(os.path.abspath(options.cli), casks, folder, recording)
            figures["recording" if recording else "asListed"] = report(
                *measured, folder, options.missed)
        return figures

    return run_in_work_folder(options, "tidewell-corpus-orphans.", measure_in)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
