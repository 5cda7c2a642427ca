#pragma once

#include "ScannedApp.h"
#include "model/AppDescriptor.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QUuid>

#include <functional>
#include <memory>

namespace tidewell {

class LeftoverScanning;

// The scans of the apps the window holds: one per app on the scan service, which runs them in
// turn, each with the access state probed off the main thread where it ends. Only the latest
// set is delivered, once all of its scans are in.
class AppScans : public QObject {
    Q_OBJECT

public:
    // Tells whether the scans could read everything they were meant to; any thread may run it.
    using AccessProbe = std::function<bool()>;

    explicit AppScans(std::shared_ptr<LeftoverScanning> scanner, QObject* parent = nullptr);
    ~AppScans() override;

    // Abandons the scans under way and scans for apps; finished() follows.
    void start(const QList<AppDescriptor>& apps, bool useIndex, const AccessProbe& probe);
    // Tells the scans under way, if any, that their results are no longer wanted.
    void abandon();

signals:
    // Every app with its scan, in the order given, an item that several share kept with the
    // first (keepSharedItemsOnce); accessGranted when every probe found access.
    void finished(const QList<tidewell::ScannedApp>& apps, bool accessGranted);

private:
    std::shared_ptr<LeftoverScanning> m_scanner;
    QList<QFuture<ScanReport>> m_activeScans;
    QUuid m_activeScanID;
};

} // namespace tidewell
