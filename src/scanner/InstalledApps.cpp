#include "InstalledApps.h"

#include "PathNames.h"
#include "platform/FileSystem.h"

#include <QtConcurrent/QtConcurrentMap>

namespace tidewell {

namespace {

bool isFolder(const DirectoryEntry& entry) {
    return entry.isDirectory.value_or(false) && !entry.isSymbolicLink.value_or(true);
}

bool isBundleName(QStringView name) {
    return pathnames::extension(name).compare(u"app", Qt::CaseInsensitive) == 0;
}

// Bundles directly in folder, and in its plain subfolders ("Utilities", a vendor's folder).
void collectBundles(const QString& folder, int depth, const FileSystem& fileSystem,
                    QStringList& bundles) {
    const DirectoryListing listing = fileSystem.listDirectory(folder);
    for (const DirectoryEntry& entry : listing.entries) {
        if (!isFolder(entry))
            continue;
        if (isBundleName(entry.name))
            bundles.append(pathnames::standardized(entry.path));
        else if (depth > 0 && !entry.isPackage.value_or(false))
            collectBundles(entry.path, depth - 1, fileSystem, bundles);
    }
}

} // namespace

QList<AppDescriptor> findInstalledApps(const Host& host, const FileSystem& fileSystem,
                                       QThreadPool& pool) {
    QStringList bundles;
    for (const QString& folder : {pathnames::joined(host.home, QStringLiteral("Applications")),
                                  host.systemPath(QStringLiteral("/Applications"))})
        collectBundles(folder, 1, fileSystem, bundles);
    bundles.removeDuplicates();
    const QList<AppDescriptor::Result> read =
        QtConcurrent::blockingMapped<QList<AppDescriptor::Result>>(
            &pool, bundles, [&fileSystem](const QString& bundle) {
                return AppDescriptor::from(QUrl::fromLocalFile(bundle), fileSystem);
            });
    QList<AppDescriptor> apps;
    for (const AppDescriptor::Result& result : read) {
        if (const auto* app = std::get_if<AppDescriptor>(&result))
            apps.append(*app);
    }
    return apps;
}

} // namespace tidewell
