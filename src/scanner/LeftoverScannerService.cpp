#include "LeftoverScannerService.h"

#include "CandidateMatching.h"
#include "ContainerDirectories.h"
#include "DirectoryWalker.h"
#include "InstalledApps.h"
#include "ItemClassification.h"
#include "LinuxLeftoverFinder.h"
#include "OwnershipArbiter.h"
#include "PathNames.h"
#include "ReportedEvidence.h"
#include "ScanContext.h"
#include "ScanReportOrdering.h"
#include "ScanRoots.h"
#include "model/LinuxAppIdentity.h"
#include "model/PathRules.h"
#include "model/TextRules.h"
#include "platform/DebianPackages.h"
#include "platform/DesktopEntry.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QPromise>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace tidewell {

namespace {

int ioPoolWidth(int requested) {
    return requested > 0 ? requested : std::max(4, 2 * QThread::idealThreadCount());
}

// Runs work(item) for every item on pool and hands each result to merge, in input order.
template <typename Item, typename Work, typename Merge>
void runParallel(QThreadPool& pool, const QList<Item>& items, Work work, Merge merge) {
    QList<QFuture<std::invoke_result_t<Work, const Item&>>> futures;
    futures.reserve(items.size());
    for (const Item& item : items)
        futures.append(QtConcurrent::run(&pool, work, item));
    for (auto& future : futures)
        merge(future.result());
}

// Asked when the service was given no programs: none is found.
class NoPrograms final : public ProgramRunner {
public:
    std::optional<QByteArray> outputOf(const ToolRun&) const override { return std::nullopt; }
};

// What a Linux scan never offers, whatever names it: a path a system package owns, and a link
// that leads out of the home folder.
void dropUntouchable(QList<FoundItem>& items, const Host& host, const ProgramRunner& programs) {
    const QString home = pathnames::standardized(host.home);
    QStringList paths;
    for (const FoundItem& item : std::as_const(items))
        paths.append(item.path);
    const QHash<QString, QString> packaged = debian::packagesOwning(paths, host, programs);
    items.removeIf([&](const FoundItem& item) {
        const QFileInfo info(item.path);
        return packaged.contains(item.path) ||
               (info.isSymLink() &&
                !pathrules::liesInside(QDir::cleanPath(info.symLinkTarget()), home));
    });
}

} // namespace

LeftoverScannerService::LeftoverScannerService(std::shared_ptr<const SpotlightSearching> spotlight,
                                               Host host,
                                               std::shared_ptr<const ProgramRunner> programs,
                                               FileSystem& fileSystem, int walkThreads)
    : m_spotlight(std::move(spotlight)), m_host(std::move(host)),
      m_programs(programs ? std::move(programs) : std::make_shared<NoPrograms>()),
      m_fileSystem(fileSystem) {
    m_ioPool.setMaxThreadCount(ioPoolWidth(walkThreads));
    m_executor.setMaxThreadCount(1);
}

LeftoverScannerService::~LeftoverScannerService() {
    m_stopping = true;
    m_executor.waitForDone();
    m_ioPool.waitForDone();
}

QFuture<ScanReport> LeftoverScannerService::scan(const AppDescriptor& app, bool useSpotlight) {
    return scan(app, useSpotlight, {});
}

QFuture<ScanReport> LeftoverScannerService::scan(const AppDescriptor& app, bool useSpotlight,
                                                 Progress progress) {
    return QtConcurrent::run(
        &m_executor, [this, app, useSpotlight, progress](QPromise<ScanReport>& promise) {
            const CancellationToken cancel(
                [this, &promise] { return m_stopping.load() || promise.isCanceled(); });
            std::optional<ScanReport> report = runScan(app, useSpotlight, progress, cancel);
            if (report && !cancel.isCancelled())
                promise.addResult(std::move(*report));
            else
                promise.future().cancel();
        });
}

std::optional<ScanReport> LeftoverScannerService::runScan(const AppDescriptor& app,
                                                          bool useSpotlight,
                                                          const Progress& progress,
                                                          const CancellationToken& cancel) {
    if (app.kind != AppKind::bundle)
        return runLinuxScan(app, progress, cancel);
    const QList<AppDescriptor> installed = findInstalledApps(m_host, m_fileSystem, m_ioPool);
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
    if (useSpotlight && m_spotlight && !cancel.isCancelled())
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
    QList<FoundItem> kept = keptMatches(found, context, arbiter);
    const QStringList undecodable = splitOffUnreachable(kept);
    kept.append(keptOwnedContainers(containers.ownedByRecord, context));
    QList<ScannedFile> matches = collapseNestedMatches(buildItems(kept, cancel));
    sortForReport(matches);
    return ScanReport{matches,
                      leftAloneItems(sortedByCodePoint(denied), LeftAloneReason::unreadable) +
                          leftAloneItems(undecodable, LeftAloneReason::undecodableName),
                      rootPaths};
}

std::optional<ScanReport> LeftoverScannerService::runLinuxScan(const AppDescriptor& app,
                                                               const Progress& progress,
                                                               const CancellationToken& cancel) {
    if (progress)
        progress(0, 1);
    QList<AppDescriptor> installed;
    for (const DesktopEntry& entry : readInstalledDesktopEntries(m_host))
        installed.append(linuxapp::describe(entry));
    const LinuxLeftoverFinder finder(app, installed, m_host, m_fileSystem);
    const LinuxLeftovers leftovers = finder.find(cancel);
    if (cancel.isCancelled())
        return std::nullopt;
    QList<FoundItem> found;
    for (const FoundItem& item : leftovers.items)
        found.append({pathnames::standardized(item.path), item.evidence});
    QSet<QString> unreadable;
    for (const QString& path : leftovers.unreadable)
        unreadable.insert(pathnames::standardized(path));
    const QStringList undecodable = splitOffUnreachable(found);
    dropUntouchable(found, m_host, *m_programs);
    if (progress)
        progress(1, 1);
    QList<ScannedFile> matches = collapseNestedMatches(buildItems(found, cancel));
    sortForReport(matches);
    // A Linux app's leftovers lie anywhere in the home folder; its standard folders stay
    // protected by the removal itself.
    return ScanReport{
        matches,
        leftAloneItems(sortedByCodePoint(unreadable), LeftAloneReason::unreadable) +
            leftAloneItems(finder.settingsNamingApp(), LeftAloneReason::sharedSettingsFile) +
            leftAloneItems(finder.dconfFoldersOfApp(*m_programs), LeftAloneReason::dconfFolder) +
            leftAloneItems(undecodable, LeftAloneReason::undecodableName),
        {pathnames::standardized(m_host.home)}};
}

void LeftoverScannerService::walkRoots(const QList<ScanRoot>& roots, const ScanContext& context,
                                       QSet<QString>& found, QSet<QString>& denied,
                                       const Progress& progress, const CancellationToken& cancel) {
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

void LeftoverScannerService::addIndexHits(const AppDescriptor& app, const QList<ScanRoot>& roots,
                                          QSet<QString>& found,
                                          const CancellationToken& cancel) const {
    QList<QUrl> scope;
    for (const ScanRoot& root : roots)
        scope.append(QUrl::fromLocalFile(root.path));
    for (const QUrl& url : m_spotlight->search(app, scope, cancel)) {
        if (url.isLocalFile())
            found.insert(pathnames::standardized(url.toLocalFile()));
    }
}

void LeftoverScannerService::addStoreEntries(QSet<QString>& found) const {
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

QList<FoundItem> LeftoverScannerService::keptMatches(const QSet<QString>& found,
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

bool LeftoverScannerService::isAnotherBundle(const QString& path) const {
    // Any application bundle that can be read is an app of its own, installed or not, never a
    // leftover of this one.
    return pathnames::extension(pathnames::fileName(path)).compare(u"app", Qt::CaseInsensitive) ==
               0 &&
           m_fileSystem.readPropertyList(path + QStringLiteral("/Contents/Info.plist"));
}

QStringList LeftoverScannerService::splitOffUnreachable(QList<FoundItem>& items) const {
    // Anything gone since it was found is dropped. A path that names no file because a name on
    // it is not valid UTF-8 is kept apart: it is shown, never sized or removed, as acting on
    // its decoded form could reach another file.
    QStringList undecodable;
    items.removeIf([&](const FoundItem& item) {
        if (m_fileSystem.exists(item.path))
            return false;
        if (pathrules::hasUndecodableName(item.path))
            undecodable.append(item.path);
        return true;
    });
    return sortedByCodePoint(QSet<QString>(undecodable.begin(), undecodable.end()));
}

QList<FoundItem> LeftoverScannerService::keptOwnedContainers(const QStringList& owned,
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

// Items not yet sized when the scan is cancelled are never sized; the scan's result is
// dropped then anyway.
QList<ScannedFile> LeftoverScannerService::buildItems(const QList<FoundItem>& found,
                                                      const CancellationToken& cancel) {
    const FileSystem& fileSystem = m_fileSystem;
    const QString home = pathnames::standardized(m_host.home);
    QList<ScannedFile> items;
    runParallel(
        m_ioPool, found,
        [&fileSystem, &cancel, &home](const FoundItem& item) {
            return cancel.isCancelled() ? ScannedFile{} : makeScannedFile(item, home, fileSystem);
        },
        [&](ScannedFile item) { items.append(std::move(item)); });
    return items;
}

} // namespace tidewell
