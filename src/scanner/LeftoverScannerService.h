#pragma once

#include "FoundItem.h"
#include "LeftoverScanning.h"
#include "LeftoverSearch.h"
#include "SpotlightSearching.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "platform/ProgramRunner.h"

#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace tidewell {

// Finds an application's leftovers through the search for its kind (BundleLeftoverSearch,
// LinuxLeftoverSearch); then sizes, collapses and sorts them.
//
// Scans run one at a time on the service's own thread; the walk (one task per root) and the
// item sizing (one task per item) run on a pool sized for I/O. Cancelling a scan's future
// abandons it: the scan stops at the next folder, phase or item and delivers nothing.
// Destroying the service abandons every scan it runs and waits only for them to stop.
class LeftoverScannerService : public LeftoverScanning {
public:
    // host: where the scan looks. walkThreads 0 sizes the I/O pool for the machine. spotlight
    // may be null: no index search; programs may be null: no program is asked (no package
    // database, no dconf).
    LeftoverScannerService(std::shared_ptr<const SpotlightSearching> spotlight, Host host,
                           std::shared_ptr<const ProgramRunner> programs,
                           FileSystem& fileSystem = FileSystem::real(), int walkThreads = 0);
    ~LeftoverScannerService() override;

    LeftoverScannerService(const LeftoverScannerService&) = delete;
    LeftoverScannerService& operator=(const LeftoverScannerService&) = delete;

    // How far the walk is: the roots walked so far out of all roots. Called on the service's
    // thread, first with none done, then as each root's results are taken in.
    using Progress = std::function<void(int rootsDone, int rootsTotal)>;

    QFuture<ScanReport> scan(const AppDescriptor& app, bool useSpotlight) override;
    QFuture<ScanReport> scan(const AppDescriptor& app, bool useSpotlight, Progress progress);

private:
    std::optional<ScanReport> runScan(const AppDescriptor& app, bool useSpotlight,
                                      const Progress& progress, const CancellationToken& cancel);
    // A Linux application: its leftovers by the rules of LinuxLeftoverFinder, sized and sorted.
    QStringList splitOffUnreachable(QList<FoundItem>& items) const;
    QList<ScannedFile> buildItems(const QList<FoundItem>& found, const CancellationToken& cancel);

    std::shared_ptr<const SpotlightSearching> m_spotlight;
    Host m_host;
    std::shared_ptr<const ProgramRunner> m_programs;
    FileSystem& m_fileSystem;
    std::atomic<bool> m_stopping = false;
    // Declared before the executor so that it is destroyed after it: a running scan still
    // hands work to this pool.
    QThreadPool m_ioPool;
    std::unique_ptr<LeftoverSearch> m_bundleSearch;
    std::unique_ptr<LeftoverSearch> m_linuxSearch;
    QThreadPool m_executor;
};

} // namespace tidewell
