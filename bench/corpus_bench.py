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
- the same of what starts selected: selected precision and apps with anything foreign selected;
- recall: the listed paths in ~/Library and /Library that some reported item covers; and
  the same without the paths that a list copies from another installed app (a component
  named by that app's bundle identifier, or a path another app's list names too), which the
  scanner leaves to that app by design, once of all that is offered and once of what starts
  selected.
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
TARGET_PRECISION = 0.99
TARGET_SELECTED_PRECISION = 0.999
TARGET_OFFERED_RECALL = 0.96
TARGET_SELECTED_RECALL = 0.90

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


def run_scan(arguments, environment):
    """The paths a scan reports and, of them, the ones it starts selected (every one when the
    scanner does not say)."""
    output = subprocess.run(arguments, env=environment, capture_output=True, text=True,
                            check=False)
    if output.returncode != 0:
        raise RuntimeError(f"{' '.join(arguments)} failed: {output.stderr.strip()}")
    matches = json.loads(output.stdout)["matches"]
    return ([item["path"] for item in matches],
            [item["path"] for item in matches if item.get("selected", True)])


def scan(cli, home, root, bundle):
    return run_scan([cli, "scan", "--json", "--no-index", "--root", str(root), bundle],
                    dict(os.environ, HOME=str(home)))


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


def new_totals():
    return {key: 0 for key in ("reported", "own", "selected", "ownSelected", "listed", "found",
                               "unnamedListed", "unnamedFound", "ownListed", "ownFound",
                               "selectedFound")}


class Tally:
    """The figures of every scanned app added up, and the apps with foreign items."""

    def __init__(self):
        self.totals = new_totals()
        self.foreign_apps, self.foreign_selected_apps, self.missed = {}, {}, {}
        self.unselected = {}

    def add(self, app, reported, selected, is_own, listed, counted, unnamed=()):
        """One app's scan: reported and selected paths, is_own(item) for a reported item, its
        listed paths, the ones of them recall counts (not another installed app's) and those
        not named for another app by its identifier."""
        own = [item for item in reported if is_own(item)]
        foreign = [item for item in reported if item not in own]
        foreign_selected = [item for item in selected if item in foreign]
        totals = self.totals
        totals["reported"] += len(reported)
        totals["own"] += len(own)
        totals["selected"] += len(selected)
        totals["ownSelected"] += len(selected) - len(foreign_selected)
        if foreign:
            self.foreign_apps[app] = foreign
        if foreign_selected:
            self.foreign_selected_apps[app] = foreign_selected
        totals["listed"] += len(listed)
        totals["found"] += sum(covered(path, reported) for path in listed)
        totals["unnamedListed"] += len(unnamed)
        totals["unnamedFound"] += sum(covered(path, reported) for path in unnamed)
        totals["ownListed"] += len(counted)
        totals["ownFound"] += sum(covered(path, reported) for path in counted)
        totals["selectedFound"] += sum(covered(path, selected) for path in counted)
        missed = [path for path in counted if not covered(path, reported)]
        if missed:
            self.missed[app] = missed
        unselected = [path for path in counted
                      if covered(path, reported) and not covered(path, selected)]
        if unselected:
            self.unselected[app] = unselected


def measure(cli, casks, home, root, listed, owners):
    identifiers = {cask["bundleId"].lower() for cask in casks if "bundle" in cask}
    tally = Tally()
    for cask in casks:
        if "bundle" not in cask:
            continue
        token = cask["token"]
        reported, selected = scan(cli, home, root, cask["bundle"])
        paths = listed[token]
        unnamed = [path for path in paths
                   if not names_another_app(path, cask["bundleId"].lower(), identifiers)]
        counted = [path for path in unnamed if owners.get(path, {token}) == {token}]
        tally.add(token, reported, selected,
                  lambda item: files_below(item) and all(
                      token in owners_of(f, owners) for f in files_below(item)),
                  paths, counted, unnamed)
    return tally


def ratio(part, whole):
    return part / whole if whole else 1.0


def print_precision(tally, app_count):
    """Prints the precision figures every corpus shares and returns them."""
    totals = tally.totals
    precision = ratio(totals["own"], totals["reported"])
    selected_precision = ratio(totals["ownSelected"], totals["selected"])
    print(f"apps scanned:              {app_count}")
    print(f"reported (offered):        {totals['reported']}")
    print(f"own:                       {totals['own']}")
    print(f"foreign:                   {totals['reported'] - totals['own']}")
    print(f"precision:                 {precision:.2%}  (target >= {TARGET_PRECISION:.1%})")
    print(f"apps with a foreign item:  {len(tally.foreign_apps)}")
    print(f"selected:                  {totals['selected']}")
    print(f"selected precision:        {selected_precision:.2%}"
          f"  (target >= {TARGET_SELECTED_PRECISION:.1%})")
    print(f"apps with anything foreign selected: {len(tally.foreign_selected_apps)}"
          f"  (target 0)")
    return {"precision": precision, "selectedPrecision": selected_precision,
            "foreignApps": len(tally.foreign_apps),
            "foreignSelectedApps": len(tally.foreign_selected_apps)}


def print_recall(tally, label, offered_target):
    """Prints recall of what is offered and of what starts selected, without the paths another
    installed app's list names, and returns both."""
    totals = tally.totals
    offered = ratio(totals["ownFound"], totals["ownListed"])
    selected = ratio(totals["selectedFound"], totals["ownListed"])
    print(f"  {label}:")
    print(f"    offered:  {totals['ownFound']}/{totals['ownListed']} = {offered:.2%}"
          f"  (target >= {offered_target:.0%})")
    print(f"    selected: {totals['selectedFound']}/{totals['ownListed']} = {selected:.2%}"
          f"  (target >= {TARGET_SELECTED_RECALL:.0%})")
    return {"offeredRecall": offered, "selectedRecall": selected}


def print_items(label, items_by_app, work, most=3):
    prefix = len(str(work)) + 1
    for app, items in sorted(items_by_app.items()):
        shown = ", ".join(item[prefix:] for item in items[:most])
        more = f" (+{len(items) - most} more)" if len(items) > most else ""
        print(f"  {label} for {app}: {shown}{more}")


def report(tally, work, app_count, verbose):
    figures = print_precision(tally, app_count)
    totals = tally.totals
    recall = ratio(totals["found"], totals["listed"])
    print(f"recall (~/Library, /Library): {totals['found']}/{totals['listed']} = {recall:.2%}")
    unnamed = ratio(totals["unnamedFound"], totals["unnamedListed"])
    print(f"  without paths named for another installed app: "
          f"{totals['unnamedFound']}/{totals['unnamedListed']} = {unnamed:.2%}")
    figures |= print_recall(tally, "without paths named for or listed by another installed app",
                            TARGET_OFFERED_RECALL)
    print_items("foreign", tally.foreign_apps, work)
    print_items("foreign selected", tally.foreign_selected_apps, work)
    if verbose:
        print_items("missed", tally.missed, work, most=1000)
        print_items("offered, not selected", tally.unselected, work, most=1000)
    return {"recall": recall, "ownRecall": unnamed, **figures, **totals}


def argument_parser(description):
    """The options both corpus measures take."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--work", help="folder for the generated home (default: a temporary one)")
    parser.add_argument("--json", help="also write the figures to this file")
    parser.add_argument("--missed", action="store_true",
                        help="list the leftovers not found and those only offered")
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
        tally = measure(os.path.abspath(options.cli), casks, home, root, listed, owners)
        return report(tally, work, len(listed), options.missed)

    return run_in_work_folder(options, "tidewell-corpus.", measure_in)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
