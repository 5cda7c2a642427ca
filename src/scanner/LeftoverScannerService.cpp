#include "LeftoverScannerService.h"

#include "CandidateMatching.h"
#include "ContainerDirectories.h"
#include "DirectoryWalker.h"
#include "ItemClassification.h"
#include "PathNames.h"
#include "ScanContext.h"
#include "ScanReportOrdering.h"
#include "ScanRoots.h"
#include "model/PathRules.h"
#include "platform/FileSystem.h"

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

} // namespace

LeftoverScannerService::LeftoverScannerService(std::shared_ptr<const SpotlightSearching> spotlight,
                                               ScanEnvironment environment, FileSystem& fileSystem,
                                               int walkThreads)
    : m_spotlight(std::move(spotlight)), m_environment(std::move(environment)),
      m_fileSystem(fileSystem) {
    m_ioPool.setMaxThreadCount(ioPoolWidth(walkThreads));
    m_executor.setMaxThreadCount(1);
}

LeftoverScannerService::~LeftoverScannerService() {
    m_executor.waitForDone();
    m_ioPool.waitForDone();
}

ScanEnvironment LeftoverScannerService::defaultEnvironment() {
    return {pathnames::standardized(FileSystem::real().homePath()), QString()};
}

QFuture<ScanReport> LeftoverScannerService::scan(const AppDescriptor& app, bool useSpotlight) {
    return scan(app, useSpotlight, {});
}

QFuture<ScanReport> LeftoverScannerService::scan(const AppDescriptor& app, bool useSpotlight,
                                                 Progress progress) {
    return QtConcurrent::run(&m_executor, [this, app, useSpotlight, progress] {
        return runScan(app, useSpotlight, progress);
    });
}

ScanReport LeftoverScannerService::runScan(const AppDescriptor& app, bool useSpotlight,
                                           const Progress& progress) {
    const ScanContext context(app, m_environment);
    const ScanEnvironment& environment = context.environment();
    const QList<ScanRoot> roots =
        expandScanRoots(makeScanRoots(environment), environment, m_fileSystem);
    QSet<QString> denied;
    QSet<QString> found;
    for (const QString& path :
         findContainerDirectories(app, context.homePath(), denied, m_fileSystem))
        found.insert(path);
    walkRoots(roots, context, found, denied, progress);
    // The index is asked only once the walk is complete, never beside it.
    if (useSpotlight && m_spotlight)
        addIndexHits(app, roots, found);
    QStringList rootPaths;
    for (const ScanRoot& root : makeScanRoots(environment))
        rootPaths.append(root.path);
    // Whatever named them, only items inside the searched folders are ever offered.
    found.removeIf(
        [&rootPaths](const QString& path) { return !pathrules::liesInsideAny(path, rootPaths); });
    QList<ScannedFile> matches = collapseNestedMatches(buildItems(keptMatches(found, context)));
    sortForReport(matches);
    return {matches, sortedByCodePoint(denied), rootPaths};
}

void LeftoverScannerService::walkRoots(const QList<ScanRoot>& roots, const ScanContext& context,
                                       QSet<QString>& found, QSet<QString>& denied,
                                       const Progress& progress) {
    const FileSystem& fileSystem = m_fileSystem;
    const auto total = int(roots.size());
    int done = 0;
    if (progress)
        progress(done, total);
    runParallel(
        m_ioPool, roots,
        [&context, &fileSystem](const ScanRoot& root) {
            return DirectoryWalker(context, fileSystem).walk(root);
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
                                          QSet<QString>& found) const {
    QList<QUrl> scope;
    for (const ScanRoot& root : roots)
        scope.append(QUrl::fromLocalFile(root.path));
    for (const QUrl& url : m_spotlight->search(app, scope)) {
        if (url.isLocalFile())
            found.insert(pathnames::standardized(url.toLocalFile()));
    }
}

QStringList LeftoverScannerService::keptMatches(const QSet<QString>& found,
                                                const ScanContext& context) const {
    // Containers and index hits meet the main rule here for the first time; the walk's
    // matches are checked again as well, and anything gone since is dropped.
    QStringList kept;
    for (const QString& path : found) {
        if (path != context.appPath() && m_fileSystem.exists(path) &&
            matchesCandidate(path, context))
            kept.append(path);
    }
    return kept;
}

QList<ScannedFile> LeftoverScannerService::buildItems(const QStringList& paths) {
    const FileSystem& fileSystem = m_fileSystem;
    QList<ScannedFile> items;
    runParallel(
        m_ioPool, paths,
        [&fileSystem](const QString& path) { return makeScannedFile(path, fileSystem); },
        [&](ScannedFile item) { items.append(std::move(item)); });
    return items;
}

} // namespace tidewell
