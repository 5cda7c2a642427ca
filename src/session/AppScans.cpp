#include "AppScans.h"

#include "scanner/LeftoverScanning.h"

namespace tidewell {

namespace {

using ProbedScan = std::pair<ScanReport, bool>; // a scan's report, and whether access was there

} // namespace

AppScans::AppScans(std::shared_ptr<LeftoverScanning> scanner, QObject* parent)
    : QObject(parent), m_scanner(std::move(scanner)) {}

AppScans::~AppScans() {
    abandon();
}

void AppScans::start(const QList<AppDescriptor>& apps, bool useIndex, const AccessProbe& probe) {
    abandon();
    const QUuid scanID = m_activeScanID;
    QList<QFuture<ProbedScan>> probed;
    for (const AppDescriptor& app : apps) {
        m_activeScans.append(m_scanner->scan(app, useIndex));
        probed.append(m_activeScans.last().then(
            [probe](const ScanReport& report) { return ProbedScan(report, probe()); }));
    }
    QtFuture::whenAll(probed.begin(), probed.end())
        .then(this, [this, scanID, apps](const QList<QFuture<ProbedScan>>& done) {
            // A newer scan or a reset owns the state now; an abandoned scan has no result.
            const bool abandoned = std::any_of(done.cbegin(), done.cend(), [](const auto& scan) {
                return scan.resultCount() == 0;
            });
            if (scanID != m_activeScanID || abandoned)
                return;
            QList<ScannedApp> scanned;
            bool accessGranted = true;
            for (qsizetype index = 0; index < done.size(); ++index) {
                scanned.append({apps.at(index), done.at(index).result().first});
                accessGranted = accessGranted && done.at(index).result().second;
            }
            keepSharedItemsOnce(scanned);
            emit finished(scanned, accessGranted);
        });
}

void AppScans::abandon() {
    m_activeScanID = QUuid::createUuid();
    for (QFuture<ScanReport>& scan : m_activeScans) {
        if (!scan.isFinished())
            scan.cancel();
    }
    m_activeScans.clear();
}

} // namespace tidewell
