#include "LeftoverScannerService.h"

#include "BundleLeftoverSearch.h"
#include "ItemClassification.h"
#include "LinuxLeftoverSearch.h"
#include "ParallelRun.h"
#include "ScanReportOrdering.h"
#include "model/PathRules.h"

#include <QDir>
#include <QPromise>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace tidewell {

namespace {

int ioPoolWidth(int requested) {
    return requested > 0 ? requested : std::max(4, 2 * QThread::idealThreadCount());
}

// Asked when the service was given no programs: none is found.
class NoPrograms final : public ProgramRunner {
public:
    std::optional<QByteArray> outputOf(const ToolRun&) const override { return std::nullopt; }
};

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
    m_bundleSearch =
        std::make_unique<BundleLeftoverSearch>(m_host, m_fileSystem, m_ioPool, m_spotlight);
    m_linuxSearch = std::make_unique<LinuxLeftoverSearch>(m_host, m_fileSystem, m_programs);
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
    const LeftoverSearch& search = app.kind == AppKind::bundle ? *m_bundleSearch : *m_linuxSearch;
    std::optional<FoundLeftovers> found = search.find(app, useSpotlight, progress, cancel);
    if (!found)
        return std::nullopt;
    const QStringList undecodable = splitOffUnreachable(found->items);
    QList<ScannedFile> matches = collapseNestedMatches(buildItems(found->items, cancel));
    sortForReport(matches);
    return ScanReport{matches,
                      leftAloneItems(found->unreadable, LeftAloneReason::unreadable) +
                          found->leftAlone +
                          leftAloneItems(undecodable, LeftAloneReason::undecodableName),
                      found->searchedFolders};
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

// Items not yet sized when the scan is cancelled are never sized; the scan's result is
// dropped then anyway.
QList<ScannedFile> LeftoverScannerService::buildItems(const QList<FoundItem>& found,
                                                      const CancellationToken& cancel) {
    const FileSystem& fileSystem = m_fileSystem;
    const QString home = QDir::cleanPath(m_host.home);
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
