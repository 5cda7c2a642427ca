#include "ScanRoots.h"

#include "PathNames.h"
#include "platform/FileSystem.h"

#include <QSet>

namespace tidewell {

namespace {

const QSet<QString>& excludedLibraryDirectories() {
    static const QSet<QString> names{"Accessibility",
                                     "Accounts",
                                     "Address Book",
                                     "Apple",
                                     "Assistant",
                                     "Audio",
                                     "Autosave Information",
                                     "Biome",
                                     "Calendars",
                                     "CloudStorage",
                                     "ColorSync",
                                     "Contacts",
                                     "Cookies",
                                     "CoreAnalytics",
                                     "CoreMediaIO",
                                     "DataAccess",
                                     "Developer",
                                     "DirectoryServices",
                                     "Filesystems",
                                     "Fonts",
                                     "HomeKit",
                                     "IdentityServices",
                                     "Image Capture",
                                     "Input Methods",
                                     "Java",
                                     "Keyboard",
                                     "Keychains",
                                     "LanguageModeling",
                                     "Mail",
                                     "Messages",
                                     "Metadata",
                                     "Mobile Documents",
                                     "MobileDevice",
                                     "News",
                                     "OpenDirectory",
                                     "Passes",
                                     "Perl",
                                     "Photos",
                                     "Printers",
                                     "Python",
                                     "QuickLook",
                                     "Receipts",
                                     "Reminders",
                                     "Ruby",
                                     "Safari",
                                     "SafariSafeBrowsing",
                                     "Screen Savers",
                                     "ScreenRecordings",
                                     "Scripts",
                                     "Security",
                                     "Sharing",
                                     "Shortcuts",
                                     "Sounds",
                                     "Speech",
                                     "Spelling",
                                     "Spotlight",
                                     "Suggestions",
                                     "SystemExtensions",
                                     "Translation",
                                     "User Pictures",
                                     "User Template",
                                     "Weather",
                                     "WebServer"};
    return names;
}

const QSet<QString>& sharedLibraryFolders() {
    static const QSet<QString> names{"Application Scripts",
                                     "Application Support",
                                     "Caches",
                                     "Containers",
                                     "Cookies",
                                     "Daemon Containers",
                                     "Extensions",
                                     "Favorites",
                                     "Frameworks",
                                     "Group Containers",
                                     "HTTPStorages",
                                     "Internet Plug-Ins",
                                     "LaunchAgents",
                                     "LaunchDaemons",
                                     "Logs",
                                     "Preferences",
                                     "PreferencePanes",
                                     "PrivilegedHelperTools",
                                     "Saved Application State",
                                     "Services",
                                     "StartupItems",
                                     "Updates",
                                     "WebKit",
                                     "Widgets",
                                     "Documentation",
                                     "Components",
                                     "Compositions",
                                     "Staging",
                                     "Trial"};
    return names;
}

QString homeLibraryPath(const Host& host) {
    return host.home + QStringLiteral("/Library");
}

// One root per entry of a Library folder that could be listed.
void appendExpandedEntries(const DirectoryListing& listing, int childDepth,
                           QList<ScanRoot>& expanded) {
    for (const DirectoryEntry& entry : listing.entries) {
        const bool isFolder =
            entry.isDirectory.value_or(false) && !entry.isSymbolicLink.value_or(false);
        if (!isFolder) {
            expanded.append({entry.path, 0});
        } else if (!isDeepSearchExcludedLibraryDirectory(entry.name)) {
            expanded.append({entry.path, childDepth});
        }
    }
}

} // namespace

QList<ScanRoot> makeScanRoots(const Host& host) {
    const QList<ScanRoot> fixed{
        {pathnames::joined(host.home, QStringLiteral("Library")), 3},
        {host.systemPath(QStringLiteral("/Library")), 3},
        {pathnames::joined(host.home, QStringLiteral("Applications")), 1},
        {host.systemPath(QStringLiteral("/Applications")), 1},
        {host.systemPath(QStringLiteral("/Users/Shared")), 3},
    };
    QList<ScanRoot> roots;
    QSet<QString> seen;
    for (const ScanRoot& root : fixed) {
        if (!seen.contains(root.path)) {
            seen.insert(root.path);
            roots.append(root);
        }
    }
    return roots;
}

QList<ScanRoot> expandScanRoots(const QList<ScanRoot>& roots, const Host& host,
                                const FileSystem& fileSystem) {
    QList<ScanRoot> expanded;
    for (const ScanRoot& root : roots) {
        if (!isLibraryRootPath(root.path, host) || root.maxDepth < 2) {
            expanded.append(root);
            continue;
        }
        const DirectoryListing listing = fileSystem.listDirectory(root.path);
        if (!listing.ok()) {
            expanded.append(root);
            continue;
        }
        appendExpandedEntries(listing, root.maxDepth - 1, expanded);
    }
    return expanded;
}

bool isDeepSearchExcludedLibraryDirectory(QStringView name) {
    return excludedLibraryDirectories().contains(name.toString());
}

bool isStandardLibraryFolder(QStringView name) {
    const QString folder = name.toString();
    return excludedLibraryDirectories().contains(folder) || sharedLibraryFolders().contains(folder);
}

bool isLibraryRootPath(const QString& path, const Host& host) {
    return path == homeLibraryPath(host) || path == host.systemPath(QStringLiteral("/Library"));
}

} // namespace tidewell
