#!/usr/bin/env python3
"""Times `tidewell-cli scan` against the floor of a plain `find` over the same folders.

For each preset the synthetic library is generated once (generate_library.py), both commands
run once to warm the cache, then they alternate RUNS times each. Medians are compared:
`ratio scan/find` is the scan's cost over what merely listing those folders costs. The
largest preset's scan also runs under /usr/bin/time for its peak memory, and the matching
rule's micro-benchmark runs when it was built.
"""

import argparse
import os
import re
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate_library  # noqa: E402

TARGET_RATIO = 1.0
TARGET_PEAK_MB = 64
TARGET_MATCHES_PER_SECOND = 2e6
TARGET_INSTALLED_APPS_MS = 50
TARGET_LINUX_APPS_MS = 200


def scan_command(cli, manifest):
    return [cli, "scan", "--no-index", "--json", "--root", manifest["root"], manifest["bundle"]]


def scan_environment(manifest):
    return dict(os.environ, HOME=manifest["home"])


def find_commands(manifest):
    """One sequential find per depth limit over exactly the roots the scan walks."""
    by_depth = {}
    for root in manifest["walk"]:
        by_depth.setdefault(root["maxDepth"], []).append(root["path"])
    return [["find", *paths, "-mindepth", "1", "-maxdepth", str(depth + 1)]
            for depth, paths in sorted(by_depth.items())]


def timed(commands, env=None):
    start = time.perf_counter()
    for command in commands:
        subprocess.run(command, env=env, check=True, stdout=subprocess.DEVNULL)
    return time.perf_counter() - start


def count_matches(cli, manifest):
    output = subprocess.run(scan_command(cli, manifest), env=scan_environment(manifest),
                            check=True, capture_output=True, text=True).stdout
    return len(re.findall(r'"sizeInBytes"', output))


def compare(cli, manifest, runs):
    scan, finds, env = [scan_command(cli, manifest)], find_commands(manifest), scan_environment(
        manifest)
    matches = count_matches(cli, manifest)
    timed(finds)
    scan_times, find_times = [], []
    for _ in range(runs):
        scan_times.append(timed(scan, env))
        find_times.append(timed(finds))
    scan_median, find_median = statistics.median(scan_times), statistics.median(find_times)
    ratio = scan_median / find_median
    print(f"{manifest['preset']}: {manifest['entries']} entries, {len(manifest['walk'])} roots, "
          f"{matches} matches; median of {runs}: scan {scan_median:.3f} s, "
          f"find {find_median:.3f} s")
    print(f"  scan runs: {' '.join(f'{t:.3f}' for t in scan_times)}")
    print(f"  find runs: {' '.join(f'{t:.3f}' for t in find_times)}")
    print(f"  ratio scan/find = {ratio:.2f} (target <= {TARGET_RATIO})")
    return ratio <= TARGET_RATIO


def peak_memory(cli, manifest):
    result = subprocess.run(["/usr/bin/time", "-v", *scan_command(cli, manifest)],
                            env=scan_environment(manifest), check=True,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    kilobytes = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", result.stderr)[1])
    megabytes = kilobytes / 1024
    print(f"{manifest['preset']}: peak RSS of the scan = {megabytes:.1f} MB "
          f"(target < {TARGET_PEAK_MB} MB)")
    return megabytes < TARGET_PEAK_MB


def matching_throughput(micro):
    result = subprocess.run([micro, "--benchmark_min_time=1"], check=True, capture_output=True,
                            text=True)
    passed = True
    for line in result.stdout.splitlines():
        listed = re.match(r"installedLinuxApps\S*\s+([\d.]+) ms", line)
        if listed:
            print(f"listing 300 desktop entries: {float(listed[1]):.1f} ms "
                  f"(target < {TARGET_LINUX_APPS_MS} ms)")
            passed = passed and float(listed[1]) < TARGET_LINUX_APPS_MS
        read = re.match(r"installedApps\S*\s+([\d.]+) ms", line)
        if read:
            print(f"reading 300 installed bundles: {float(read[1]):.1f} ms "
                  f"(target < {TARGET_INSTALLED_APPS_MS} ms)")
            passed = passed and float(read[1]) < TARGET_INSTALLED_APPS_MS
        found = re.match(r"(matchesCandidate/\S+).*items_per_second=([\d.]+)([kMG]?)/s", line)
        if not found:
            continue
        rate = float(found[2]) * {"": 1, "k": 1e3, "M": 1e6, "G": 1e9}[found[3]]
        print(f"{found[1]}: {rate / 1e6:.2f} million paths/s on one core")
        if found[1].endswith("/ascii"):
            passed = passed and rate >= TARGET_MATCHES_PER_SECOND
            print(f"  target >= {TARGET_MATCHES_PER_SECOND / 1e6:.0f} million ASCII paths/s")
    return passed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True, help="the built tidewell-cli")
    parser.add_argument("--library-dir", required=True, help="where the libraries are generated")
    parser.add_argument("--micro", help="the built matching micro-benchmark")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--presets", nargs="+", default=["medium", "large"],
                        choices=sorted(generate_library.PRESETS))
    options = parser.parse_args()

    results = []
    manifest = None
    for preset in options.presets:
        folder = os.path.join(options.library_dir, preset)
        print(f"preparing the {preset} library in {folder} ...", flush=True)
        manifest = generate_library.generate(preset, os.path.abspath(folder))
        results.append(compare(os.path.abspath(options.cli), manifest, options.runs))
    if manifest:
        results.append(peak_memory(os.path.abspath(options.cli), manifest))
    if options.micro and os.path.exists(options.micro):
        results.append(matching_throughput(options.micro))
    print("all targets met" if all(results) else "some targets missed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
