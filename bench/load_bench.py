#!/usr/bin/env python3
"""Times the scan and the removal of one app that left 50,000 items behind.

    bench/load_bench.py --cli build/tidewell-cli [--items 50000] [--runs 3] [--work DIR]

Builds a sandbox home in which a Linux app (its desktop entry in a system data folder named by
XDG_DATA_DIRS) left ITEMS settings files in its vendor's folder (~/.config/quillfield/
driftnote-N.conf), and a bundle left ITEMS caches named by its identifier
(~/Library/Caches/com.quillfield.harbor-notes.N): each file is an item of its own. Times
`tidewell-cli scan --json --no-index` of both apps (median of RUNS after one warm-up), then
`tidewell-cli remove --yes --all --json --no-index` of the Linux app once (its items are named
only in part by the app, so they are offered rather than selected: --all takes them). HOME and
every XDG folder point into the sandbox, so the removal fills the sandbox's own Trash, and it
only runs when every scanned item lies in the sandbox.
"""

import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generate_library import TARGET, info_plist  # noqa: E402
from linux_corpus_bench import xdg_folders  # noqa: E402

TARGET_SECONDS = 5.0
TARGET_TEXT = f"(target < {TARGET_SECONDS:.0f} s)"
LINUX_ENTRY = ("[Desktop Entry]\nType=Application\nName=Driftnote\nExec=driftnote %U\n"
               "Icon=org.quillfield.Driftnote\n")


def sandbox_environment(work):
    home = work / "home"
    folders = {**xdg_folders(home), "XDG_RUNTIME_DIR": work / "runtime",
               "XDG_DATA_DIRS": work / "system/share"}
    for folder in folders.values():
        folder.mkdir(parents=True, exist_ok=True)
    return dict(os.environ, HOME=str(home), **{key: str(path) for key, path in folders.items()})


def write_files(folder, names):
    folder.mkdir(parents=True, exist_ok=True)
    for name in names:
        (folder / name).write_bytes(b"x" * 64)


def build_linux_app(work, items):
    """The app's desktop entry; its leftovers, one file each, in its vendor's folder."""
    entry = work / "system/share/applications/org.quillfield.Driftnote.desktop"
    entry.parent.mkdir(parents=True, exist_ok=True)
    entry.write_text(LINUX_ENTRY)
    write_files(work / "home/.config/quillfield", (f"driftnote-{i}.conf" for i in range(items)))
    return [str(entry)]


def build_bundle(work, items):
    """A bundle in the sandbox's root and its caches, one file each, in the home's Library."""
    root = work / "root"
    contents = root / "Applications" / f"{TARGET['name']}.app" / "Contents"
    contents.mkdir(parents=True, exist_ok=True)
    (contents / "Info.plist").write_bytes(info_plist(TARGET["name"], TARGET["identifier"]))
    write_files(work / "home/Library/Caches",
                (f"{TARGET['identifier']}.{i}" for i in range(items)))
    (root / "Library").mkdir(exist_ok=True)
    return ["--root", str(root), str(contents.parent)]


def run_cli(cli, arguments, environment):
    """Seconds taken and the parsed JSON output."""
    start = time.perf_counter()
    result = subprocess.run([cli, *arguments], env=environment, capture_output=True, text=True,
                            check=False)
    seconds = time.perf_counter() - start
    if result.returncode != 0:
        raise RuntimeError(f"tidewell-cli {' '.join(arguments)} failed: {result.stderr.strip()}")
    return seconds, json.loads(result.stdout)


def time_scan(cli, label, app, environment, items, runs):
    arguments = ["scan", "--json", "--no-index", *app]
    _, report = run_cli(cli, arguments, environment)
    times = [run_cli(cli, arguments, environment)[0] for _ in range(runs)]
    median, found = statistics.median(times), len(report["matches"])
    print(f"scan of {label} with {items} items: {median:.2f} s, {found} matches "
          f"{TARGET_TEXT}")
    print(f"  runs: {' '.join(f'{t:.2f}' for t in times)}")
    return report, median < TARGET_SECONDS and found == items


def time_removal(cli, app, environment, work, report, items):
    """Removes the scanned app's items once; refuses when any item lies outside the sandbox."""
    outside = [item["path"] for item in report["matches"]
               if not Path(item["path"]).is_relative_to(work)]
    if outside:
        print(f"removal skipped: {len(outside)} scanned items lie outside {work}")
        return False
    seconds, removal = run_cli(cli, ["remove", "--yes", "--all", "--json", "--no-index", *app], environment)
    trash = Path(environment["XDG_DATA_HOME"]) / "Trash/files"
    trashed, in_trash = len(removal["trashed"]), len(os.listdir(trash)) if trash.is_dir() else 0
    print(f"removal of {items} items: {seconds:.2f} s, {trashed} moved to the sandbox's Trash "
          f"({in_trash} there), {len(removal['failures'])} failed {TARGET_TEXT}")
    return seconds < TARGET_SECONDS and trashed == in_trash == items


def measure(cli, work, items, runs):
    environment = sandbox_environment(work)
    print(f"preparing {items} items of a Linux app and of a bundle in {work} ...", flush=True)
    linux_app, bundle = build_linux_app(work, items), build_bundle(work, items)
    report, linux_ok = time_scan(cli, "a Linux app", linux_app, environment, items, runs)
    _, bundle_ok = time_scan(cli, "a bundle", bundle, environment, items, runs)
    removal_ok = time_removal(cli, linux_app, environment, work, report, items)
    return linux_ok and bundle_ok and removal_ok


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True, help="the built tidewell-cli")
    parser.add_argument("--items", type=int, default=50000)
    parser.add_argument("--runs", type=int, default=3, help="timed scans of each app")
    parser.add_argument("--work", help="folder for the sandbox (default: a temporary one)")
    options = parser.parse_args()
    if options.work:
        work = Path(options.work).absolute()
        shutil.rmtree(work, ignore_errors=True)
        work.mkdir(parents=True)
    else:
        work = Path(tempfile.mkdtemp(prefix="tidewell-load."))
    try:
        passed = measure(os.path.abspath(options.cli), work.resolve(), options.items,
                         options.runs)
    finally:
        if not options.work:
            shutil.rmtree(work, ignore_errors=True)
    print("all targets met" if passed else "some targets missed")
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
