#include "DebianOrphanFinder.h"

#include "LinuxAppKeys.h"
#include "LinuxLeftoverFinder.h"
#include "model/TextRules.h"
#include "platform/AppStreamCatalog.h"
#include "platform/DconfDatabase.h"
#include "platform/ListingCache.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <algorithm>

namespace tidewell {

namespace {

bool overlaps(const QString& folder, const QString& other) {
    return folder.startsWith(other, Qt::CaseInsensitive) ||
           other.startsWith(folder, Qt::CaseInsensitive);
}

// The dconf folders that ids name, but none that an installed app's ids name, nor one inside
// or around such a folder.
QStringList unclaimedFolders(const QStringList& withKeys, const QStringList& ids,
                             const QStringList& claimed) {
    QStringList folders = dconf::foldersNamedBy(withKeys, ids);
    folders.removeIf([&claimed](const QString& folder) {
        return std::any_of(claimed.cbegin(), claimed.cend(),
                           [&folder](const QString& other) { return overlaps(folder, other); });
    });
    return folders;
}

// The folders of the user's dconf database that hold keys, when some id could name one: the
// dconf tool need not start otherwise.
QStringList dconfFoldersWithKeys(const Host& host, const ProgramRunner& programs,
                                 const QHash<QString, PackageNames>& names) {
    for (auto package = names.cbegin(); package != names.cend(); ++package) {
        const QStringList ids = package.value().all(package.key());
        if (std::any_of(ids.cbegin(), ids.cend(),
                        [](const QString& id) { return !dconf::folderNamedBy(id).isEmpty(); }))
            return dconf::foldersWithKeys(host, programs);
    }
    return {};
}

} // namespace

DebianOrphanFinder::DebianOrphanFinder(Host host, const QList<AppDescriptor>& installed,
                                       const ProgramRunner& programs, const FileSystem& fileSystem)
    : m_host(std::move(host)), m_installed(installed), m_programs(programs),
      m_fileSystem(fileSystem) {}

OrphanReport DebianOrphanFinder::find(const CancellationToken& cancel) const {
    const debian::DpkgRecords records = debian::readPackageStates(m_host, m_programs);
    const apt::History history = apt::readHistory(m_host);
    OrphanReport report{{}, records.problems + history.problems};
    const QList<RemovedPackage> removed = removedPackages(records.states, history.events);
    if (removed.isEmpty())
        return report;
    const QHash<QString, PackageNames> names = namesOf(removed);
    const QSet<QString> claimed = claimedNames(records.states, names);
    const QStringList dconfFolders = dconfFoldersWithKeys(m_host, m_programs, names);
    QStringList installedIds;
    for (const AppDescriptor& app : m_installed)
        installedIds.append(
            {app.linuxFacts.packageId, app.linuxFacts.desktopFileId, app.linuxFacts.appStreamId});
    const QStringList claimedDconf = dconf::foldersNamedBy(dconfFolders, installedIds);
    // Every search lists the same few folders: list them once.
    const ListingCache cache(m_fileSystem);
    QStringList unreadable;
    for (const RemovedPackage& package : removed) {
        if (cancel.isCancelled())
            break;
        const AppDescriptor app = describeRemovedPackage(package.name, names.value(package.name));
        const LinuxLeftovers found =
            LinuxLeftoverFinder(app, {}, m_host, cache, claimed).find(cancel);
        unreadable.append(found.unreadable);
        const QStringList ids = names.value(package.name).all(package.name);
        RemovedApp removedApp{RemovedAppKind::debianPackage,
                              package.name,
                              app.displayName,
                              package.removedAt,
                              {},
                              unclaimedFolders(dconfFolders, ids, claimedDconf)};
        for (const FoundItem& item : found.items) {
            // A name an installed app claims as strongly as ours is never an orphan.
            if (item.evidence.code != EvidenceCode::claimedByInstalledApp)
                removedApp.items.append({item.path, OrphanCause::debianPackageRemoved, package.name,
                                         !isCertain(item.evidence.code)});
        }
        std::sort(removedApp.items.begin(), removedApp.items.end(),
                  [](const Orphan& a, const Orphan& b) { return a.path < b.path; });
        if (!removedApp.items.isEmpty() || !removedApp.dconfFolders.isEmpty())
            report.apps.append(removedApp);
    }
    unreadable.removeDuplicates();
    for (const QString& folder : unreadable)
        report.problems.append(QCoreApplication::translate(
                                   "OrphanSearch", "Could not read %1: it may hold more leftovers.")
                                   .arg(folder));
    return report;
}

QHash<QString, PackageNames>
DebianOrphanFinder::namesOf(const QList<RemovedPackage>& removed) const {
    QHash<QString, PackageNames> names;
    QSet<QString> packages;
    for (const RemovedPackage& package : removed)
        packages.insert(package.name);
    for (const appstream::CatalogEntry& entry : appstream::readCatalogEntries(m_host, packages))
        names[entry.package].add(entry);
    for (const RemovedPackage& package : removed) {
        QStringList files = debian::archiveFiles(m_host, package.name, m_programs);
        if (!package.purged)
            files.append(debian::listedFiles(m_host, package.name));
        names[package.name].add(PackageNames::inFiles(files));
    }
    return names;
}

QSet<QString> DebianOrphanFinder::claimedNames(const std::optional<debian::PackageStates>& states,
                                               const QHash<QString, PackageNames>& names) const {
    QSet<QString> claimed;
    for (const AppDescriptor& app : m_installed) {
        const LinuxAppKeys keys = LinuxAppKeys::of(app);
        for (auto key = keys.keys().cbegin(); key != keys.keys().cend(); ++key)
            claimed.insert(key.key());
    }
    if (states)
        claimed.unite(namesClaimedByPackages(*states));
    // A name a program on the path still has belongs to whatever installed that program. An
    // empty path would make the lookup search this process's PATH instead.
    if (m_host.programPath.isEmpty())
        return claimed;
    for (auto package = names.cbegin(); package != names.cend(); ++package) {
        for (const QString& name : QStringList{package.key()} + package.value().programs) {
            if (!QStandardPaths::findExecutable(name, m_host.programPath).isEmpty())
                claimed.insert(text::compactForm(name));
        }
    }
    return claimed;
}

} // namespace tidewell
