#!/usr/bin/env python3
"""Measures `tidewell-cli orphans` on the Debian packages of bench/linux-corpus that are gone.

    bench/linux_corpus_orphans.py --cli build/tidewell-cli [--work DIR] [--json FILE] [--missed]

Builds the home of bench/linux_corpus_bench.py (every app installed, every listed path made
concrete, noise) under a root that holds a dpkg database and apt's history, then removes every
third Debian package: their desktop entries go, half of them stay in dpkg's records with their
configuration files (state rc, removed in history.log), the other half are purged (in the
rotated history.log.1.gz only). Runs `orphans --json --root` twice: with dpkg and apt's history
only, and with the distribution's AppStream catalog too (a DEP-11 file naming each package's
component, desktop entry and program, as Debian's archive does). Prints for each run:
- installed: listed items that hold a file of an app still installed (target: none);
- recall: the removed packages' leftover paths that no installed app lists too (target >= 85 %).
"""

import gzip
import json
import os
import subprocess
import sys
from pathlib import Path

from corpus_bench import argument_parser, covered, files_below, owners_of, print_items, \
    run_in_work_folder
from linux_corpus_bench import CORPUS, build_home, scan_environment

TARGET_RECALL = 0.85
REMOVED_AT = ("2026-05-04  09:12:40", "2026-02-17  18:03:11")


def package_of(app):
    """The Debian package that ships the app's desktop entry, as the corpus records it."""
    return app["upstreamDesktop"]["source"].split()[2]


def status_stanza(package, installed):
    state = "install ok installed" if installed else "deinstall ok config-files"
    return (f"Package: {package}\nStatus: {state}\nPriority: optional\nSection: misc\n"
            f"Maintainer: Debian <debian@example.org>\nArchitecture: amd64\nVersion: 1.0-1\n"
            f"Description: {package}\n\n")


def history_entry(started, action, packages):
    listed = ", ".join(f"{package}:amd64 (1.0-1)" for package in packages)
    return (f"Start-Date: {started}\nCommandline: apt-get {action.lower()} {packages[0]}\n"
            f"{action}: {listed}\nEnd-Date: {started}\n\n")


def catalog_entry(app):
    entry = app["upstreamDesktop"]["entry"]
    desktop_id = app["upstreamDesktop"]["file"]
    program = entry["Exec"].split()[0].rsplit("/", 1)[-1]
    return (f"---\nType: desktop-application\nID: {desktop_id[:-len('.desktop')]}\n"
            f"Package: {package_of(app)}\nName:\n  C: {entry['Name']}\n"
            f"Icon:\n  stock: {entry.get('Icon', '')}\nLaunchable:\n  desktop-id:\n"
            f"  - {desktop_id}\nProvides:\n  binaries:\n  - {program}\n")


def remove_packages(apps, work, entries):
    """Writes dpkg's records and apt's history with every third Debian package gone; returns
    the keys of the removed apps."""
    debs = [app for app in apps if app["kind"] == "deb"]
    removed = debs[::3]
    kept_configuration, purged = removed[::2], removed[1::2]
    dpkg = work / "var/lib/dpkg"
    (dpkg / "info").mkdir(parents=True)
    with open(dpkg / "status", "w") as status:
        for app in debs:
            if app not in purged:
                status.write(status_stanza(package_of(app), app not in removed))
    for app in kept_configuration:
        (dpkg / "info" / f"{package_of(app)}.list").write_text(
            f"/.\n/etc\n/etc/{package_of(app)}\n/etc/{package_of(app)}/defaults.conf\n")
    history = work / "var/log/apt"
    history.mkdir(parents=True)
    (history / "history.log").write_text(
        history_entry(REMOVED_AT[0], "Remove", [package_of(app) for app in kept_configuration]))
    (history / "history.log.1.gz").write_bytes(gzip.compress(history_entry(
        REMOVED_AT[1], "Purge", [package_of(app) for app in purged]).encode()))
    for app in removed:
        Path(entries[app["key"]]).unlink()
    return {app["key"] for app in removed}


def write_catalog(apps, work):
    catalog = work / "var/lib/swcatalog/yaml"
    catalog.mkdir(parents=True)
    components = "".join(catalog_entry(app) for app in apps if app["kind"] == "deb")
    (catalog / "debian-bookworm-main.yml.gz").write_bytes(gzip.compress(
        ("---\nFile: DEP-11\nVersion: '0.16'\nOrigin: debian-bookworm-main\n" + components)
        .encode()))


def orphans_environment(work, home):
    """The scan's environment with the system folders under the root, and only dpkg's tools
    on the program path: nothing of the machine that runs the measure counts."""
    tools = work / "bin"
    tools.mkdir(exist_ok=True)
    for tool in ("dpkg-query", "dpkg-deb"):
        if not (tools / tool).exists():
            (tools / tool).symlink_to(f"/usr/bin/{tool}")
    environment = scan_environment(work, home)
    environment.update(XDG_DATA_DIRS="/system/share:/snapd/desktop", PATH=str(tools))
    return environment


def make_appimages(apps, home):
    """The AppImage files the installed integration entries run, so that no launcher of an
    installed AppImage looks gone."""
    for app in apps:
        if app["kind"] == "appimage":
            image = home / "Applications" / f"{app['key']}-x86_64.AppImage"
            image.parent.mkdir(parents=True, exist_ok=True)
            image.write_bytes(b"\x7fELF")


def orphans(cli, work, environment):
    output = subprocess.run([cli, "orphans", "--json", "--root", str(work)], env=environment,
                            capture_output=True, text=True, check=False)
    if output.returncode != 0:
        raise RuntimeError(f"orphans failed: {output.stderr.strip()}")
    return json.loads(output.stdout)


def measure_run(answer, removed, installed, listed, owners):
    reported = [item["path"] for app in answer["apps"] for item in app["items"]]
    of_installed = [item for item in reported
                    if any(owners_of(f, owners) & installed for f in files_below(item))]
    counted = [path for key in sorted(removed) for path in listed[key]
               if not owners.get(path, set()) & installed]
    found = [path for path in counted if covered(path, reported)]
    return {"apps": len(answer["apps"]), "items": len(reported),
            "ofInstalledApps": len(of_installed), "listed": len(counted), "found": len(found),
            "problems": len(answer["problems"])}, of_installed, \
        [path for path in counted if path not in found]


def measure(cli, apps, work, verbose):
    home, listed, owners, entries = build_home(apps, work)
    make_appimages(apps, home)
    removed = remove_packages(apps, work, entries)
    installed = {app["key"] for app in apps} - removed
    environment = orphans_environment(work, home)
    figures = {"removedPackages": len(removed)}
    for label, with_catalog in (("dpkgAndHistory", False), ("withAppStream", True)):
        if with_catalog:
            write_catalog(apps, work)
        run, of_installed, missed = measure_run(orphans(cli, work, environment), removed,
                                                installed, listed, owners)
        figures[label] = run
        recall = run["found"] / run["listed"] if run["listed"] else 1.0
        print(f"{label}: apps {run['apps']}, items {run['items']}, of installed apps "
              f"{run['ofInstalledApps']} (target 0), recall {run['found']}/{run['listed']} = "
              f"{recall:.2%} (target >= {TARGET_RECALL:.0%})")
        print_items("of an installed app", {label: of_installed}, work, most=10)
        if verbose:
            print_items("missed", {label: missed}, work, most=len(missed))
    return figures


def main(arguments):
    options = argument_parser(__doc__.splitlines()[0]).parse_args(arguments)
    apps = json.loads(CORPUS.read_text())["apps"]

    def measure_in(work):
        return measure(os.path.abspath(options.cli), apps, work, options.missed)

    return run_in_work_folder(options, "tidewell-linux-orphans.", measure_in)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
