#include "AppCatalogue.h"

#include "EntryTargets.h"
#include "PathNames.h"
#include "model/LinuxAppIdentity.h"
#include "model/PathRules.h"
#include "platform/AppStreamMetadata.h"
#include "platform/DesktopEntry.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>

namespace tidewell {

namespace {

const QString desktopSuffix = QStringLiteral(".desktop");

bool isPlainFolder(const DirectoryEntry& entry) {
    return entry.isDirectory.value_or(false) && !entry.isSymbolicLink.value_or(true);
}

bool isBundleName(QStringView name) {
    return pathnames::extension(name).compare(u"app", Qt::CaseInsensitive) == 0;
}

// Bundles directly in folder, and in its plain subfolders ("Utilities", a vendor's folder).
void collectBundles(const QString& folder, int depth, const FileSystem& fileSystem,
                    QStringList& bundles) {
    for (const DirectoryEntry& entry : fileSystem.listDirectory(folder).entries) {
        if (!isPlainFolder(entry))
            continue;
        if (isBundleName(entry.name))
            bundles.append(pathnames::standardized(entry.path));
        else if (depth > 0 && !entry.isPackage.value_or(false))
            collectBundles(entry.path, depth - 1, fileSystem, bundles);
    }
}

struct EntryFile {
    QString desktopFileId;
    QString path;
    // The data folder that holds the applications folder, where its metainfo lies.
    QString dataFolder;
};

// The .desktop files below the applications folders, each with its desktop file id: the path
// below the folder with "-" for "/" ("kde4/kate.desktop" is "kde4-kate"). Links to files
// count; links to folders are not followed. Once cancel answers yes, no folder is listed.
class EntryFileSearch {
public:
    EntryFileSearch(const FileSystem& fileSystem, const CancellationToken& cancel)
        : m_fileSystem(fileSystem), m_cancel(cancel) {}

    QList<EntryFile> filesIn(const QStringList& applicationFolders) {
        for (const QString& folder : applicationFolders)
            collect(folder, QString(), QFileInfo(folder).path());
        return m_files;
    }

private:
    void collect(const QString& folder, const QString& idPrefix, const QString& dataFolder) {
        if (m_cancel.isCancelled())
            return;
        for (const DirectoryEntry& entry : m_fileSystem.listDirectory(folder).entries) {
            if (leadsToFolder(entry, m_fileSystem)) {
                if (isPlainFolder(entry))
                    collect(entry.path, idPrefix + entry.name + u'-', dataFolder);
            } else if (entry.name.endsWith(desktopSuffix) && m_fileSystem.exists(entry.path)) {
                m_files.append(
                    {idPrefix + entry.name.chopped(desktopSuffix.size()), entry.path, dataFolder});
            }
        }
    }

    const FileSystem& m_fileSystem;
    const CancellationToken& m_cancel;
    QList<EntryFile> m_files;
};

QSet<QString> folderNames(const QString& folder, const FileSystem& fileSystem) {
    QSet<QString> names;
    for (const DirectoryEntry& entry :
         fileSystem.listDirectory(folder, HiddenEntries::included).entries) {
        if (leadsToFolder(entry, fileSystem))
            names.insert(entry.name);
    }
    return names;
}

// A launcher the user's tools wrote for a program that is gone (a deleted AppImage) belongs
// to a removed app.
bool runsAProgramThatIsGone(const AppDescriptor& app, const Host& host,
                            const FileSystem& fileSystem) {
    const QString& program = app.linuxFacts.programPath;
    return pathrules::liesInside(app.appURL.toLocalFile(), host.home) &&
           QDir::isAbsolutePath(program) && !fileSystem.exists(program);
}

} // namespace

AppCatalogue::AppCatalogue(QList<AppDescriptor> apps, QSet<QString> flatpakIds,
                           QSet<QString> snapNames)
    : m_apps(std::move(apps)), m_flatpakIds(std::move(flatpakIds)),
      m_snapNames(std::move(snapNames)) {
    sortByName();
}

AppCatalogue AppCatalogue::read(const Host& host, const FileSystem& fileSystem, QThreadPool& pool) {
    AppCatalogue catalogue = readBundles(host, fileSystem, pool);
    catalogue.merge(readLinuxApps(host, fileSystem));
    return catalogue;
}

AppCatalogue AppCatalogue::readBundles(const Host& host, const FileSystem& fileSystem,
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
    return AppCatalogue(std::move(apps));
}

AppCatalogue AppCatalogue::readLinuxApps(const Host& host, const FileSystem& fileSystem,
                                         const CancellationToken& cancel) {
    const QList<EntryFile> files =
        EntryFileSearch(fileSystem, cancel).filesIn(host.applicationFolders());
    if (cancel.isCancelled())
        return {};

    const QString userApplications = host.data + QStringLiteral("/applications");
    AppCatalogue catalogue;
    QSet<QString> seenIds;
    QHash<QString, QHash<QString, QString>> appStreamIds; // by data folder
    for (const EntryFile& file : files) {
        // The first entry of an id shadows the later ones, a Hidden one too.
        if (seenIds.contains(file.desktopFileId))
            continue;
        seenIds.insert(file.desktopFileId);
        std::optional<DesktopEntry> entry = readDesktopEntry(file.path);
        if (!entry || entry->hidden)
            continue;
        entry->desktopFileId = file.desktopFileId;
        // The user's own launchers may outlive their package; the package managers' exports
        // and the system's entries may not.
        if (!pathrules::liesInside(file.path, userApplications)) {
            if (!entry->flatpakId.isEmpty())
                catalogue.m_flatpakIds.insert(entry->flatpakId);
            if (!entry->snapName.isEmpty())
                catalogue.m_snapNames.insert(entry->snapName);
        }
        if (const auto defect = linuxapp::defectOf(*entry)) {
            for (const QString& id : {entry->flatpakId, entry->snapName, entry->desktopFileId})
                catalogue.m_refused.insert(id, *defect);
            continue;
        }
        if (!appStreamIds.contains(file.dataFolder))
            appStreamIds.insert(file.dataFolder, appstream::componentIdsIn(file.dataFolder));
        entry->appStreamId =
            appStreamIds[file.dataFolder].value(entry->desktopFileId + desktopSuffix);
        AppDescriptor app = linuxapp::describe(*entry);
        if (!runsAProgramThatIsGone(app, host, fileSystem))
            catalogue.m_apps.append(std::move(app));
    }
    for (const QString& installation : {host.data + QStringLiteral("/flatpak/app"),
                                        host.systemPath(QStringLiteral("/var/lib/flatpak/app"))})
        catalogue.m_flatpakIds.unite(folderNames(installation, fileSystem));
    catalogue.m_snapNames.unite(folderNames(host.systemPath(QStringLiteral("/snap")), fileSystem));
    catalogue.sortByName();
    return catalogue;
}

std::optional<AppCatalogue::Lookup> AppCatalogue::find(const QString& id) const {
    const QString bare = id.endsWith(desktopSuffix) ? id.chopped(desktopSuffix.size()) : id;
    if (bare.isEmpty())
        return std::nullopt;
    for (const AppDescriptor& app : m_apps) {
        if (app.kind != AppKind::bundle &&
            (app.linuxFacts.packageId == bare || app.linuxFacts.desktopFileId == bare))
            return app;
    }
    if (const auto refused = m_refused.constFind(bare); refused != m_refused.cend())
        return *refused;
    return std::nullopt;
}

void AppCatalogue::merge(AppCatalogue other) {
    m_apps.append(std::move(other.m_apps));
    m_flatpakIds.unite(other.m_flatpakIds);
    m_snapNames.unite(other.m_snapNames);
    m_refused.insert(other.m_refused);
    sortByName();
}

void AppCatalogue::sortByName() {
    std::stable_sort(m_apps.begin(), m_apps.end(),
                     [](const AppDescriptor& a, const AppDescriptor& b) {
                         return a.displayName.localeAwareCompare(b.displayName) < 0;
                     });
}

} // namespace tidewell
