#pragma once

#include "ScanReport.h"
#include "model/AppDescriptor.h"

#include <QFuture>

namespace tidewell {

// Anything that can scan for an application's leftovers. Never fails.
class LeftoverScanning {
public:
    virtual ~LeftoverScanning() = default;
    virtual QFuture<ScanReport> scan(const AppDescriptor& app, bool useSpotlight) = 0;
};

} // namespace tidewell
