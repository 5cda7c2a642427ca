#!/usr/bin/env python3
"""Builds a synthetic user library to benchmark leftover scans on.

The tree looks like a well-used Mac: many applications with their bundles and the leftovers
they spread over the library folders, unrelated files at every depth, deep trees below the
scan's depth limits, and system folders full of mail, fonts and photos that a scan must not
enter. The same preset always yields the same tree.

    generate_library.py PRESET OUTDIR      # PRESET: small (~20k entries), medium (~200k),
                                           # large (~1M)

OUTDIR receives home/ (the user's home), root/ (stands for "/") and manifest.json, which
names the bundle to scan and the folders a scan walks with their depth limits.
"""

import json
import os
import random
import sys

PRESETS = {"small": 1, "medium": 10, "large": 50}
FORMAT_VERSION = 1

TARGET = {
    "name": "Harbor Notes",
    "identifier": "com.quillfield.harbor-notes",
    "vendor": "Quillfield",
}

# Library folders a scan never enters; the generator fills a few of them.
EXCLUDED_HOME = ["Mail", "Fonts", "Photos", "Messages", "Safari", "Calendars", "Biome"]
EXCLUDED_SYSTEM = ["Fonts", "Apple", "Developer", "Receipts"]

SYLLABLES = ["ka", "zo", "ri", "vex", "lum", "tra", "qui", "mo", "sen", "dal", "pri", "vo",
             "nex", "tal", "bri", "cor", "fen", "gar", "hul", "jin", "pla", "rud", "sor", "tev",
             "ul", "wen", "yar", "zed", "ost", "mir"]
PRODUCTS = ["Studio", "Sync", "Writer", "Capture", "Player", "Vault", "Board", "Reader",
            "Mixer", "Pilot", "Desk", "Lens", "Forge", "Track", "Clip", "Draw"]
FILE_KINDS = [".plist", ".json", ".db", ".log", ".cache", "", ".sqlite", ".txt", ".dat",
              ".png", ".html", ".xml"]
NON_ASCII = ["Résumé", "Über", "Café", "Ångström", "Señal", "Notizen", "メモ", "Zażółć"]


class Builder:
    def __init__(self, rng):
        self.rng = rng
        self.made = set()

    def folder(self, path):
        if path not in self.made:
            os.makedirs(path, exist_ok=True)
            self.made.add(path)
        return path

    def file(self, path, data=b""):
        self.folder(os.path.dirname(path))
        with open(path, "wb") as handle:
            handle.write(data)
        return path

    def word(self):
        count = self.rng.randint(2, 3)
        return "".join(self.rng.choice(SYLLABLES) for _ in range(count)).capitalize()

    def file_name(self):
        base = self.word()
        if self.rng.random() < 0.1:
            base = self.rng.choice(NON_ASCII) + " " + base
        return base + self.rng.choice(FILE_KINDS)

    def files(self, folder, count):
        for index in range(count):
            self.file(os.path.join(folder, f"{index:04d} {self.file_name()}"))

    def noise_tree(self, folder, depth, breadth, files):
        """Unrelated folders and files, depth levels deep."""
        self.files(self.folder(folder), files)
        if depth == 0:
            return
        for _ in range(breadth):
            self.noise_tree(os.path.join(folder, self.word()), depth - 1, breadth, files)


def info_plist(name, identifier):
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" '
        '"http://www.apple.com/DTDs/PropertyList-1.0.dtd">\n'
        '<plist version="1.0"><dict>'
        f"<key>CFBundleIdentifier</key><string>{identifier}</string>"
        f"<key>CFBundleName</key><string>{name}</string>"
        f"<key>CFBundleDisplayName</key><string>{name}</string>"
        "</dict></plist>\n"
    ).encode()


def container_metadata(identifier):
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n<plist version="1.0"><dict>'
        f"<key>MCMMetadataIdentifier</key><string>{identifier}</string>"
        "</dict></plist>\n"
    ).encode()


def make_apps(builder, count):
    apps = [TARGET]
    seen = {TARGET["name"]}
    while len(apps) < count:
        vendor = builder.word()
        name = f"{builder.word()} {builder.rng.choice(PRODUCTS)}"
        if name in seen:
            continue
        seen.add(name)
        slug = name.lower().replace(" ", "-")
        apps.append({"name": name, "identifier": f"com.{vendor.lower()}.{slug}",
                     "vendor": vendor})
    return apps


def build_bundle(b, applications, app):
    contents = os.path.join(applications, app["name"] + ".app", "Contents")
    b.file(os.path.join(contents, "Info.plist"), info_plist(app["name"], app["identifier"]))
    b.file(os.path.join(contents, "MacOS", app["name"]))
    b.files(b.folder(os.path.join(contents, "Resources")), 12)
    for language in ("en", "de", "fr", "ja"):
        b.files(b.folder(os.path.join(contents, "Resources", language + ".lproj")), 2)
    b.files(b.folder(os.path.join(contents, "Frameworks", "Core.framework", "Versions", "A")), 3)


def build_home_leftovers(b, library, app):
    rng, name, ident = b.rng, app["name"], app["identifier"]
    support = b.folder(os.path.join(library, "Application Support", name))
    b.file(os.path.join(support, "settings.json"))
    b.files(b.folder(os.path.join(support, "Data", "Store")), rng.randint(3, 12))
    b.file(os.path.join(library, "Preferences", ident + ".plist"))
    b.file(os.path.join(library, "Preferences", "ByHost", f"{ident}.0F3A9C21.plist"))
    b.files(b.folder(os.path.join(library, "Caches", ident, "fsCachedData")), rng.randint(5, 30))
    b.files(b.folder(os.path.join(library, "Logs", name)), rng.randint(1, 6))
    b.files(b.folder(os.path.join(library, "Saved Application State", ident + ".savedState")), 2)
    b.file(os.path.join(library, "HTTPStorages", ident + ".binarycookies"))
    b.files(b.folder(os.path.join(library, "WebKit", ident, "WebsiteData", "LocalStorage")), 3)
    if rng.random() < 0.3:
        container = b.folder(os.path.join(library, "Containers", ident))
        b.file(os.path.join(container, ".com.apple.containermanagerd.metadata.plist"),
               container_metadata(ident))
        data = os.path.join(container, "Data", "Library")
        b.files(b.folder(os.path.join(data, "Preferences")), 2)
        b.files(b.folder(os.path.join(data, "Caches", ident)), 6)
        b.folder(os.path.join(library, "Application Scripts", ident))
    if rng.random() < 0.15:
        group = b.folder(os.path.join(library, "Group Containers", "8XK2P4Q7LM." + ident))
        b.file(os.path.join(group, ".com.apple.containermanagerd.metadata.plist"),
               container_metadata("8XK2P4Q7LM." + ident))
        b.files(b.folder(os.path.join(group, "Library", "Caches")), 3)


def build_system_leftovers(b, root, app):
    rng, ident = b.rng, app["identifier"]
    library = os.path.join(root, "Library")
    if rng.random() < 0.4:
        b.files(b.folder(os.path.join(library, "Application Support", app["vendor"],
                                      app["name"])), 4)
    if rng.random() < 0.3:
        b.file(os.path.join(library, "LaunchAgents", ident + ".plist"))
        b.file(os.path.join(library, "LaunchDaemons", ident + ".helper.plist"))
        b.file(os.path.join(library, "PrivilegedHelperTools", ident + ".helper"))
    if rng.random() < 0.1:
        b.files(b.folder(os.path.join(root, "Users", "Shared", app["vendor"], "Licenses")), 2)


def build_noise(b, home, root, scale):
    """Unrelated entries at every depth, deep trees and crowded excluded folders."""
    rng = b.rng
    homelib, syslib = os.path.join(home, "Library"), os.path.join(root, "Library")
    walked = ["Application Support", "Caches", "Preferences", "Logs", "Containers",
              "HTTPStorages", "WebKit", "Saved Application State", "Frameworks", "Extensions"]
    for _ in range(scale * 50):
        base = rng.choice([homelib, homelib, syslib])
        # Four levels below a library subfolder: the last one lies beyond the depth limit.
        b.noise_tree(os.path.join(base, rng.choice(walked), b.word()), 4, 2, 6)
    for _ in range(scale * 12):
        # Chains far below the depth limits with a few files on every level.
        chain = os.path.join(homelib, "Application Support", b.word())
        for level in range(9):
            chain = os.path.join(chain, b.word())
            b.files(b.folder(chain), 4)
    for _ in range(scale * 4):
        b.noise_tree(os.path.join(root, "Users", "Shared", b.word()), 4, 2, 4)
    for _ in range(scale * 3):
        b.files(b.folder(os.path.join(home, "Applications", b.word())), 12)
        b.noise_tree(os.path.join(root, "Applications", "Utilities", b.word()), 2, 3, 4)
    for name in EXCLUDED_HOME:
        for _ in range(scale):
            b.noise_tree(os.path.join(homelib, name, b.word()), 3, 3, 8)
    for name in EXCLUDED_SYSTEM:
        for _ in range(scale):
            b.noise_tree(os.path.join(syslib, name, b.word()), 3, 3, 6)
    for folder in (homelib, syslib):
        b.files(folder, 5)
        b.file(os.path.join(folder, ".DS_Store"))


def count_entries(folder):
    return sum(len(dirs) + len(files) for _, dirs, files in os.walk(folder))


def walk_roots(home, root):
    """The folders a scan walks and how deep, as the scanner derives them."""
    roots = []
    for library in (os.path.join(home, "Library"), os.path.join(root, "Library")):
        excluded = EXCLUDED_HOME if library.startswith(home) else EXCLUDED_SYSTEM
        for name in sorted(os.listdir(library)):
            path = os.path.join(library, name)
            if name.startswith(".") or name in excluded:
                continue
            if os.path.isdir(path) and not os.path.islink(path):
                roots.append({"path": path, "maxDepth": 2})
    roots.append({"path": os.path.join(home, "Applications"), "maxDepth": 1})
    roots.append({"path": os.path.join(root, "Applications"), "maxDepth": 1})
    roots.append({"path": os.path.join(root, "Users", "Shared"), "maxDepth": 3})
    return roots


def generate(preset, out):
    scale = PRESETS[preset]
    manifest_path = os.path.join(out, "manifest.json")
    if os.path.exists(manifest_path):
        with open(manifest_path) as handle:
            manifest = json.load(handle)
        if manifest.get("preset") == preset and manifest.get("version") == FORMAT_VERSION:
            return manifest
        sys.exit(f"{out} holds another library; remove it first")
    home, root = os.path.join(out, "home"), os.path.join(out, "root")
    builder = Builder(random.Random(f"tidewell-{preset}"))
    apps = make_apps(builder, scale * 40)
    for index, app in enumerate(apps):
        in_home = index % 5 == 4
        applications = os.path.join(home if in_home else root, "Applications")
        build_bundle(builder, applications, app)
        build_home_leftovers(builder, os.path.join(home, "Library"), app)
        build_system_leftovers(builder, root, app)
    build_noise(builder, home, root, scale)
    manifest = {
        "preset": preset,
        "version": FORMAT_VERSION,
        "home": home,
        "root": root,
        "bundle": os.path.join(root, "Applications", TARGET["name"] + ".app"),
        "entries": count_entries(out),
        "walk": walk_roots(home, root),
    }
    with open(manifest_path, "w") as handle:
        json.dump(manifest, handle, indent=1)
    return manifest


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in PRESETS:
        sys.exit(f"usage: {sys.argv[0]} {'|'.join(PRESETS)} OUTDIR")
    manifest = generate(sys.argv[1], os.path.abspath(sys.argv[2]))
    print(f"{manifest['preset']}: {manifest['entries']} entries in {sys.argv[2]}")


if __name__ == "__main__":
    main()
