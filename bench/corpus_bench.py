#!/usr/bin/env python3
"""Measures what the scanner reports against real apps' curated leftover lists.

    bench/corpus_bench.py --cli build/tidewell-cli [--work DIR] [--json FILE]

Builds one home in which every app of bench/corpus/casks-train.json is installed at once (a
bundle with its Info.plist under the root's /Applications, every listed leftover made
concrete, user documents and other programs' data as noise), then scans each app with
`tidewell-cli scan --json --no-index` and prints:

- reported: items the scans report, summed over all apps;
- own: reported items whose every file belongs to the scanned app's list;
- foreign: the rest (another app's data, noise, or a folder that mixes them);
- precision: own / reported;
- apps with any foreign item, each named with its first foreign items;
- recall: the listed paths in ~/Library and /Library that some reported item covers; and
  the same without the paths that a list copies from another installed app (a component
  named by that app's bundle identifier), which the scanner leaves to that app by design.
"""

import argparse
import json
import os
import plistlib
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
CORPUS = HERE / "corpus" / "casks-train.json"
TARGET_PRECISION = 0.995
TARGET_RECALL = 0.94
TARGET_FOREIGN_APPS = 1

FILE_EXTENSIONS = {"plist", "log", "binarycookies", "sfl", "sfl2", "sfl3", "sfl4", "diag",
                   "crash", "json", "txt", "db", "sqlite", "ips", "lock", "pid", "xml", "cfg",
                   "conf", "ini", "js", "toml", "yaml", "yml", "dat", "bin", "cookies"}
TEAM_ID = "A1B2C3D4E5"

# Other programs' data and the user's own files: nothing here belongs to any app of the corpus.
NOISE = [
    "~/Documents/Quarterly Report 2026.docx",
    "~/Documents/Notes/meeting.txt",
    "~/Desktop/Screenshot 2026-11-02.png",
    "~/Library/Application Support/Electron/settings.json",
    "~/Library/Application Support/Desktop Client/state.db",
    "~/Library/Application Support/Studio/projects.db",
    "~/Library/Application Support/Firefly Browser/History.db",
    "~/Library/Application Support/com.northwind.weatherbar/cache.db",
    "~/Library/Application Support/CrashReporter/Weatherbar_2026.plist",
    "~/Library/Caches/Updater/update.json",
    "~/Library/Caches/Helper/cache.db",
    "~/Library/Caches/com.example.photostream/Cache.db",
    "~/Library/Caches/Mac Client/blob.bin",
    "~/Library/Preferences/com.northwind.weatherbar.plist",
    "~/Library/Preferences/.GlobalPreferences.plist",
    "~/Library/Preferences/com.example.launcher.plist",
    "~/Library/Logs/DiagnosticReports/Firefly-2026-11-02.ips",
    "~/Library/Logs/Installer/install.log",
    "~/Library/Saved Application State/com.northwind.weatherbar.savedState/windows.plist",
    "~/Library/HTTPStorages/com.example.photostream/httpstorages.sqlite",
    "~/Library/Containers/com.example.photostream/Data/Library/Caches/x.db",
    "~/Library/Group Containers/group.com.example.photostream/Library/x.db",
    "/Library/Application Support/Firefly Browser/policy.json",
    "/Library/Caches/com.example.photostream/install.cache",
]


def concrete_names(pattern):
    """The concrete paths a listed pattern stands for: every {a,b} alternative, the first
    letter of a [Ll] class, a team id for a leading "*.", nothing for a "*" that continues a
    word, and a short made-up piece for any other "*"."""
    match = re.search(r"\{([^{}]*)\}", pattern)
    if match:
        return [name for option in match.group(1).split(",")
                for name in concrete_names(pattern[:match.start()] + option
                                           + pattern[match.end():])]
    pattern = re.sub(r"\[(.)[^\]]*\]", r"\1", pattern)
    pattern = re.sub(r"(^|/)\*\.", lambda m: m.group(1) + TEAM_ID + ".", pattern)
    pattern = re.sub(r"(?<=[A-Za-z0-9])\*", "", pattern)
    return [pattern.replace("*", "2c4f")]


def is_file_name(name):
    return "." in name and name.rsplit(".", 1)[1].lower() in FILE_EXTENSIONS


def absolute(listed, home, root):
    if listed.startswith("~/"):
        return home / listed[2:]
    return root / listed.lstrip("/")


def make_item(path):
    """A listed leftover: a small file, or a folder holding one."""
    if path.exists():
        return path if path.is_file() else path / "data.bin"
    try:
        if is_file_name(path.name):
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(b"x" * 64)
            return path
        path.mkdir(parents=True, exist_ok=True)
        (path / "data.bin").write_bytes(b"x" * 64)
        return path / "data.bin"
    except (FileExistsError, NotADirectoryError):
        return None  # another app's file stands where this one's folder would go


def make_bundle(root, cask):
    bundle = root / "Applications" / cask["app"]
    contents = bundle / "Contents"
    (contents / "MacOS").mkdir(parents=True, exist_ok=True)
    name = cask["app"][:-4]
    info = {"CFBundleIdentifier": cask["bundleId"], "CFBundleName": name,
            "CFBundlePackageType": "APPL", "CFBundleExecutable": name}
    (contents / "Info.plist").write_bytes(plistlib.dumps(info))
    (contents / "MacOS" / name).write_bytes(b"\x7fELF" + b"x" * 60)
    return bundle


def build_home(casks, work):
    home, root = work / "home", work / "root"
    listed = {}  # cask token -> concrete listed paths in the two Library folders
    owners = {}  # listed concrete path -> tokens of the casks that list it
    for cask in casks:
        if not cask.get("bundleId") or not cask.get("app", "").endswith(".app"):
            continue
        cask["bundle"] = str(make_bundle(root, cask))
        paths = []
        for pattern in cask["trash"]:
            for name in concrete_names(pattern):
                path = absolute(name, home, root)
                if make_item(path) is None:
                    continue
                owners.setdefault(str(path), set()).add(cask["token"])
                if name.startswith(("~/Library/", "/Library/")):
                    paths.append(str(path))
        listed[cask["token"]] = sorted(set(paths))
    for noise in NOISE:
        make_item(absolute(noise, home, root))
    return home, root, listed, owners


def files_below(path):
    if os.path.isfile(path) or os.path.islink(path):
        return [path]
    return [os.path.join(folder, name) for folder, _, names in os.walk(path) for name in names]


def owners_of(file, owners):
    """The casks whose listed paths hold file."""
    found = set()
    path = file
    while len(path) > 1:
        found |= owners.get(path, set())
        path = os.path.dirname(path)
    return found


def scan(cli, home, root, bundle):
    output = subprocess.run([cli, "scan", "--json", "--no-index", "--root", str(root), bundle],
                            env=dict(os.environ, HOME=str(home)), capture_output=True,
                            text=True, check=False)
    if output.returncode != 0:
        raise RuntimeError(f"scan of {bundle} failed: {output.stderr.strip()}")
    return [item["path"] for item in json.loads(output.stdout)["matches"]]


def covered(listed_path, reported):
    return any(listed_path == item or listed_path.startswith(item + "/") for item in reported)


def names_another_app(path, own_id, identifiers):
    """Whether a component of path starts with another app's bundle identifier as a whole."""
    for component in path.lower().split("/"):
        for identifier in identifiers:
            if identifier != own_id and (component == identifier
                                         or component.startswith(identifier + ".")):
                return True
    return False


def measure(cli, casks, home, root, listed, owners):
    totals = {"reported": 0, "own": 0, "listed": 0, "found": 0, "ownListed": 0, "ownFound": 0}
    identifiers = {cask["bundleId"].lower() for cask in casks if "bundle" in cask}
    foreign_apps = {}
    for cask in casks:
        if "bundle" not in cask:
            continue
        reported = scan(cli, home, root, cask["bundle"])
        own = [item for item in reported
               if all(cask["token"] in owners_of(f, owners) for f in files_below(item))
               and files_below(item)]
        foreign = [item for item in reported if item not in own]
        totals["reported"] += len(reported)
        totals["own"] += len(own)
        if foreign:
            foreign_apps[cask["token"]] = foreign
        paths = listed[cask["token"]]
        totals["listed"] += len(paths)
        totals["found"] += sum(covered(path, reported) for path in paths)
        own_paths = [path for path in paths
                     if not names_another_app(path, cask["bundleId"].lower(), identifiers)]
        totals["ownListed"] += len(own_paths)
        totals["ownFound"] += sum(covered(path, reported) for path in own_paths)
    return totals, foreign_apps


def print_precision(totals, foreign_apps, app_count):
    """Prints the precision figures every corpus shares and returns the precision."""
    precision = totals["own"] / totals["reported"] if totals["reported"] else 1.0
    print(f"apps scanned:              {app_count}")
    print(f"reported:                  {totals['reported']}")
    print(f"own:                       {totals['own']}")
    print(f"foreign:                   {totals['reported'] - totals['own']}")
    print(f"precision:                 {precision:.2%}  (target >= {TARGET_PRECISION:.1%})")
    print(f"apps with a foreign item:  {len(foreign_apps)}  (target <= {TARGET_FOREIGN_APPS})")
    return precision


def print_items(label, items_by_app, work, most=3):
    prefix = len(str(work)) + 1
    for app, items in sorted(items_by_app.items()):
        shown = ", ".join(item[prefix:] for item in items[:most])
        more = f" (+{len(items) - most} more)" if len(items) > most else ""
        print(f"  {label} for {app}: {shown}{more}")


def report(totals, foreign_apps, work, app_count):
    precision = print_precision(totals, foreign_apps, app_count)
    recall = totals["found"] / totals["listed"] if totals["listed"] else 1.0
    print(f"recall (~/Library, /Library): {totals['found']}/{totals['listed']} = {recall:.2%}"
          f"  (target >= {TARGET_RECALL:.0%})")
    own_recall = totals["ownFound"] / totals["ownListed"] if totals["ownListed"] else 1.0
    print(f"  without paths named for another installed app: "
          f"{totals['ownFound']}/{totals['ownListed']} = {own_recall:.2%}")
    print_items("foreign", foreign_apps, work)
    return {"precision": precision, "recall": recall, "ownRecall": own_recall,
            "foreignApps": len(foreign_apps),
            **totals}


def argument_parser(description):
    """The options both corpus measures take."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--work", help="folder for the generated home (default: a temporary one)")
    parser.add_argument("--json", help="also write the figures to this file")
    return parser


def run_in_work_folder(options, prefix, measure_in):
    """Runs measure_in(work) in options.work (emptied first) or a temporary folder removed
    afterwards, and writes the figures it returns to options.json when asked."""
    if options.work:
        work = Path(options.work).absolute()
        shutil.rmtree(work, ignore_errors=True)
        work.mkdir(parents=True)
    else:
        work = Path(tempfile.mkdtemp(prefix=prefix))
    try:
        figures = measure_in(work)
        if options.json:
            Path(options.json).write_text(json.dumps(figures, indent=1) + "\n")
    finally:
        if not options.work:
            shutil.rmtree(work, ignore_errors=True)
    return 0


def main(arguments):
    options = argument_parser(__doc__.splitlines()[0]).parse_args(arguments)
    casks = json.loads(CORPUS.read_text())["casks"]

    def measure_in(work):
        home, root, listed, owners = build_home(casks, work)
        totals, foreign_apps = measure(os.path.abspath(options.cli), casks, home, root, listed,
                                       owners)
        return report(totals, foreign_apps, work, len(listed))

    return run_in_work_folder(options, "tidewell-corpus.", measure_in)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
