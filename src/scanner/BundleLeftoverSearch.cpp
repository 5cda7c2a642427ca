#include "BundleLeftoverSearch.h"

#include "AppCatalogue.h"
#include "CandidateMatching.h"
#include "ContainerDirectories.h"
#include "DirectoryWalker.h"
#include "OwnershipArbiter.h"
#include "ParallelRun.h"
#include "PathNames.h"
#include "ReportedEvidence.h"
#include "ScanReportOrdering.h"
#include "model/PathRules.h"

namespace tidewell {

BundleLeftoverSearch::BundleLeftoverSearch(Host host, const FileSystem& fileSystem,
                                           QThreadPool& ioPool,
                                           std::shared_ptr<const SpotlightSearching> index)
    : m_host(std::move(host)), m_fileSystem(fileSystem), m_ioPool(ioPool),
      m_index(std::move(index)) {}

std::optional<FoundLeftovers> BundleLeftoverSearch::find(const AppDescriptor& app, bool useIndex,
                                                         const Progress& progress,
                                                         const CancellationToken& cancel) const {
    const QList<AppDescriptor> installed =
        AppCatalogue::readBundles(m_host, m_fileSystem, m_ioPool).apps();
    if (cancel.isCancelled())
        return std::nullopt;
    const ScanContext context(app, m_host, installed);
    const Host& host = context.host();
    const QList<ScanRoot> roots = expandScanRoots(makeScanRoots(host), host, m_fileSystem);
    if (cancel.isCancelled())
        return std::nullopt;
    const OwnershipArbiter arbiter(context, installed);
    QSet<QString> denied;
    const ContainerDirectories containers = ContainerDirectories::find(
        app, context.needles(), context.homePath(), denied, m_fileSystem);
    QSet<QString> found(containers.matchedByName.begin(), containers.matchedByName.end());
    addStoreEntries(found);
    walkRoots(roots, context, found, denied, progress, cancel);
    // The index is asked only once the walk is complete, never beside it.
    if (useIndex && m_index && !cancel.isCancelled())
        addIndexHits(app, roots, found, cancel);
    if (cancel.isCancelled())
        return std::nullopt;
    QStringList rootPaths;
    for (const ScanRoot& root : makeScanRoots(host))
        rootPaths.append(root.path);
    // Whatever named them, only items inside the searched folders are ever offered.
    found.removeIf(
        [&rootPaths](const QString& path) { return !pathrules::liesInsideAny(path, rootPaths); });
    for (const QString& path : containers.ownedByRecord)
        found.remove(path);
    return FoundLeftovers{keptMatches(found, context, arbiter) +
                              keptOwnedContainers(containers.ownedByRecord, context),
                          sortedByCodePoint(denied),
                          {},
                          rootPaths};
}

void BundleLeftoverSearch::walkRoots(const QList<ScanRoot>& roots, const ScanContext& context,
                                     QSet<QString>& found, QSet<QString>& denied,
                                     const Progress& progress,
                                     const CancellationToken& cancel) const {
    const FileSystem& fileSystem = m_fileSystem;
    const auto total = int(roots.size());
    int done = 0;
    if (progress)
        progress(done, total);
    runParallel(
        m_ioPool, roots,
        [&context, &fileSystem, &cancel](const ScanRoot& root) {
            return DirectoryWalker(context, fileSystem, cancel).walk(root);
        },
        [&](const WalkResult& result) {
            for (const QString& path : result.matches)
                found.insert(path);
            denied.unite(result.permissionDenied);
            if (progress)
                progress(++done, total);
        });
}

void BundleLeftoverSearch::addIndexHits(const AppDescriptor& app, const QList<ScanRoot>& roots,
                                        QSet<QString>& found,
                                        const CancellationToken& cancel) const {
    QList<QUrl> scope;
    for (const ScanRoot& root : roots)
        scope.append(QUrl::fromLocalFile(root.path));
    for (const QUrl& url : m_index->search(app, scope, cancel)) {
        if (url.isLocalFile())
            found.insert(pathnames::standardized(url.toLocalFile()));
    }
}

void BundleLeftoverSearch::addStoreEntries(QSet<QString>& found) const {
    // System stores of one entry per application, named for it, that the walk never reaches:
    // each entry is offered to the rules like any other candidate. The cookie store is a
    // shared folder the walk never enters.
    const QString library = pathnames::joined(m_host.home, QStringLiteral("Library"));
    for (const DirectoryEntry& entry :
         m_fileSystem.listDirectory(library + QStringLiteral("/Cookies")).entries) {
        if (!entry.isDirectory.value_or(true) &&
            entry.name.endsWith(QStringLiteral(".binarycookies")))
            found.insert(pathnames::standardized(entry.path));
    }
    // Help Viewer's indexes, one folder per language, lie deeper than the walk goes.
    const QString help = library + QStringLiteral("/Caches/com.apple.helpd/SDMHelpData/Other");
    for (const DirectoryEntry& language : m_fileSystem.listDirectory(help).entries) {
        if (!language.isDirectory.value_or(false) || language.isSymbolicLink.value_or(true))
            continue;
        const QString indexes = language.path + QStringLiteral("/HelpSDMIndexFile");
        for (const DirectoryEntry& entry : m_fileSystem.listDirectory(indexes).entries)
            found.insert(pathnames::standardized(entry.path));
    }
}

QList<FoundItem> BundleLeftoverSearch::keptMatches(const QSet<QString>& found,
                                                   const ScanContext& context,
                                                   const OwnershipArbiter& arbiter) const {
    // Containers and index hits meet the rules here for the first time; the walk's matches
    // are checked again as well.
    QList<FoundItem> kept;
    for (const QString& path : found) {
        if (!matchesCandidate(path, context) || isAnotherBundle(path))
            continue;
        if (const auto evidence = reportedEvidence(path, context, arbiter.claimOn(path)))
            kept.append({path, *evidence});
    }
    return kept;
}

bool BundleLeftoverSearch::isAnotherBundle(const QString& path) const {
    // Any application bundle that can be read is an app of its own, installed or not, never a
    // leftover of this one.
    return pathnames::extension(pathnames::fileName(path)).compare(u"app", Qt::CaseInsensitive) ==
               0 &&
           m_fileSystem.readPropertyList(path + QStringLiteral("/Contents/Info.plist"));
}

QList<FoundItem> BundleLeftoverSearch::keptOwnedContainers(const QStringList& owned,
                                                           const ScanContext& context) const {
    // The system's record names the owner, so no other application's claim counts; the name
    // must still mention the application (any token, the vendor's included), as a record
    // alone may be stale.
    QList<FoundItem> kept;
    for (const QString& path : owned) {
        const ComponentWords name(withoutTeamId(pathnames::fileName(path)));
        if (m_fileSystem.exists(path) && context.needles().mentions(name))
            kept.append({path, {EvidenceCode::sandbox}});
    }
    return kept;
}

} // namespace tidewell
