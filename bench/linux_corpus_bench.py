#!/usr/bin/env python3
"""Measures what the scanner reports for Linux apps against their sourced leftover lists.

    bench/linux_corpus_bench.py --cli build/tidewell-cli [--work DIR] [--json FILE]

Builds one home in which every app of bench/linux-corpus/train.json is installed at once, each
kind's desktop entry where that kind puts it (Debian packages in a system data folder named by
XDG_DATA_DIRS, Flatpaks exported into the user's Flatpak folder, snaps in snapd's folder,
AppImages as an integration entry among the user's applications), every listed path made
concrete, other programs' files as noise. Then scans each app with
`tidewell-cli scan <desktop entry> --json --no-index` and prints:
- reported, own (every file below the item is the app's), foreign (the rest), precision;
- apps with any foreign item, each named with its first foreign items;
- the same of what starts selected: selected precision and apps with anything foreign selected;
- recall: the app's `leftover` paths that some reported item covers; and, without the paths
  another installed app's list names too, recall of what is offered and of what starts
  selected.
The app's own package folders (~/.var/app/<id>, ~/snap/<name>, the Flatpak override) and its
AppImage integration entry are made too and count as its own, not in recall.
"""
import hashlib
import json
import os
import subprocess
import sys
from pathlib import Path

from corpus_bench import (Tally, argument_parser, files_below, owners_of, print_items,
                          print_precision, print_recall, ratio, run_in_work_folder, run_scan)

HERE = Path(__file__).resolve().parent
CORPUS = HERE / "linux-corpus" / "train.json"

TARGET_OFFERED_RECALL = 0.92

# Other programs' data and the user's own files: nothing here belongs to any app of the corpus.
NOISE = [
    "~/Documents/Quarterly Report 2026.odt", "~/Music/playlist.m3u", "~/.bashrc",
    "~/.ssh/known_hosts", "~/.gitconfig", "$XDG_CONFIG_HOME/mimeapps.list",
    "$XDG_CONFIG_HOME/user-dirs.dirs", "$XDG_CONFIG_HOME/dconf/user",
    "$XDG_CONFIG_HOME/pulse/cookie", "$XDG_CONFIG_HOME/gtk-3.0/bookmarks",
    "$XDG_CONFIG_HOME/autostart/org.example.Weatherbar.desktop",
    "$XDG_CONFIG_HOME/kdeglobals", "$XDG_CONFIG_HOME/Electron/settings.json",
    "$XDG_DATA_HOME/recently-used.xbel", "$XDG_DATA_HOME/keyrings/login.keyring",
    "$XDG_DATA_HOME/Trash/info/x.trashinfo", "$XDG_CACHE_HOME/fontconfig/cache.bin",
    "$XDG_CACHE_HOME/thumbnails/large/a.png", "$XDG_STATE_HOME/wireplumber/state",
]
WEATHERBAR = "[Desktop Entry]\nType=Application\nName=Weatherbar\nExec=weatherbar\n"


def xdg_folders(home):
    return {"XDG_CONFIG_HOME": home / ".config", "XDG_DATA_HOME": home / ".local/share",
            "XDG_CACHE_HOME": home / ".cache", "XDG_STATE_HOME": home / ".local/state"}


def absolute(listed, home):
    if listed.startswith("~/"):
        return home / listed[2:]
    variable, _, rest = listed[1:].partition("/")
    return xdg_folders(home)[variable] / rest


def make_item(path, is_folder):
    """A listed path: a small file, or a folder holding one."""
    try:
        if is_folder:
            path.mkdir(parents=True, exist_ok=True)
            (path / "data.bin").write_bytes(b"x" * 64)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(b"x" * 64)
        return True
    except (FileExistsError, NotADirectoryError, IsADirectoryError):
        return False


def with_keys(text, replaced, added):
    """The desktop entry text with keys of its main group replaced or dropped (None) and added."""
    lines = []
    for line in text.splitlines():
        key = line.split("=", 1)[0].strip()
        if key in replaced:
            if replaced[key] is not None:
                lines.append(f"{key}={replaced[key]}")
        else:
            lines.append(line)
    group_end = next((i for i, line in enumerate(lines[1:], 1) if line.startswith("[")),
                     len(lines))
    extra = [f"{key}={value}" for key, value in added.items()]
    return "\n".join(lines[:group_end] + extra + lines[group_end:]) + "\n"


def install_entry(app, work, home):
    """Writes the app's desktop entry where its kind puts it; returns its path and the app's
    own package files (made here unless they are the entry itself, counted as its own)."""
    upstream = app["upstreamDesktop"]
    text, entry = upstream["text"], upstream["entry"]
    data = xdg_folders(home)["XDG_DATA_HOME"]
    own = []
    if app["kind"] == "flatpak":
        flatpak = app["flatpak"]
        app_id, command = flatpak["id"], flatpak.get("command") or entry["Exec"].split()[0]
        path = data / "flatpak/exports/share/applications" / f"{app_id}.desktop"
        exec_line = (f"/usr/bin/flatpak run --branch=stable --arch=x86_64 --command={command} "
                     f"--file-forwarding {app_id} @@u %U @@")
        text = with_keys(text, {"Exec": exec_line, "TryExec": None, "Icon": app_id},
                         {"X-Flatpak": app_id})
        own = [(home / ".var/app" / app_id, True), (data / "flatpak/overrides" / app_id, False)]
    elif app["kind"] == "snap":
        name = app["snap"]["name"]
        path = work / "snapd/desktop/applications" / f"{name}_{name}.desktop"
        program = entry["Exec"].split()[0].rsplit("/", 1)[-1]
        exec_line = f"env BAMF_DESKTOP_FILE_HINT={path} /snap/bin/{program} %U"
        text = with_keys(text, {"Exec": exec_line, "Icon": f"/snap/{name}/x1/icon.png"},
                         {"X-SnapInstanceName": name})
        own = [(home / "snap" / name, True)]
    elif app["kind"] == "appimage":
        image = home / "Applications" / f"{app['key']}-x86_64.AppImage"
        digest = hashlib.md5(image.as_uri().encode()).hexdigest()
        path = data / "applications" / f"appimagekit_{digest}-{entry['Name']}.desktop"
        text = with_keys(text, {"Exec": f"{image} %U", "TryExec": str(image),
                                "Icon": f"appimagekit_{digest}_{entry.get('Icon', 'icon')}"},
                         {} if "X-AppImage-Name" in entry else {"X-AppImage-Name": entry["Name"]})
        own = [(path, None)]
    else:
        path = work / "system/share/applications" / upstream["file"]
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text)
    for item, is_folder in own:
        if is_folder is not None:
            make_item(item, is_folder)
    return path, [str(item) for item, _ in own]


def build_home(apps, work):
    home = work / "home"
    listed, owners, entries = {}, {}, {}
    for app in apps:
        entry, own = install_entry(app, work, home)
        entries[app["key"]] = str(entry)
        for item in own:
            owners.setdefault(item, set()).add(app["key"])
        leftovers = []
        for listed_path in app["paths"]:
            path = absolute(listed_path["path"].rstrip("/"), home)
            if not make_item(path, listed_path["path"].endswith("/")):
                continue
            if listed_path["role"] != "user-content":
                owners.setdefault(str(path), set()).add(app["key"])
            if listed_path["role"] == "leftover":
                leftovers.append(str(path))
        listed[app["key"]] = sorted(set(leftovers))
    for noise in NOISE:
        make_item(absolute(noise, home), False)
    absolute("$XDG_CONFIG_HOME/autostart/org.example.Weatherbar.desktop", home).write_text(
        WEATHERBAR)
    return home, listed, owners, entries


def scan_environment(work, home):
    data = xdg_folders(home)["XDG_DATA_HOME"]
    dirs = [work / "system/share", data / "flatpak/exports/share", work / "snapd/desktop"]
    return dict(os.environ, HOME=str(home), XDG_DATA_DIRS=":".join(map(str, dirs)),
                **{key: str(value) for key, value in xdg_folders(home).items()})


def scan(cli, environment, entry):
    return run_scan([cli, "scan", entry, "--json", "--no-index"], environment)


def measure(cli, apps, work, home, listed, owners, entries):
    tally = Tally()
    environment = scan_environment(work, home)
    for app in apps:
        key = app["key"]
        reported, selected = scan(cli, environment, entries[key])
        counted = [path for path in listed[key] if owners.get(path, {key}) == {key}]
        tally.add(key, reported, selected,
                  lambda item: files_below(item) and all(
                      key in owners_of(f, owners) for f in files_below(item)),
                  listed[key], counted)
    return tally


def report(tally, work, app_count, verbose):
    figures = print_precision(tally, app_count)
    totals = tally.totals
    recall = ratio(totals["found"], totals["listed"])
    print(f"recall (leftover paths):   {totals['found']}/{totals['listed']} = {recall:.2%}")
    figures |= print_recall(tally, "without paths another installed app's list names",
                            TARGET_OFFERED_RECALL)
    print_items("foreign", tally.foreign_apps, work)
    print_items("foreign selected", tally.foreign_selected_apps, work)
    if verbose:
        print_items("missed", tally.missed, work, most=1000)
        print_items("offered, not selected", tally.unselected, work, most=1000)
    return {"recall": recall, **figures, **totals}


def main(arguments):
    parser = argument_parser(__doc__.splitlines()[0])
    options = parser.parse_args(arguments)
    apps = json.loads(CORPUS.read_text())["apps"]

    def measure_in(work):
        home, listed, owners, entries = build_home(apps, work)
        tally = measure(os.path.abspath(options.cli), apps, work, home, listed, owners, entries)
        return report(tally, work, len(apps), options.missed)

    return run_in_work_folder(options, "tidewell-linux-corpus.", measure_in)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
