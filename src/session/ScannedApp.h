#pragma once

#include "model/AppDescriptor.h"
#include "scanner/ScanReport.h"

#include <QList>

namespace tidewell {

// One of the apps a removal was given, with its scan.
struct ScannedApp {
    AppDescriptor app;
    ScanReport report;
};

// Leaves out of each app's report the items that an earlier app's report holds, and an earlier
// app itself where it goes with its leftovers: an item that several apps share is shown and
// removed once, with the first.
void keepSharedItemsOnce(QList<ScannedApp>& apps);

// What the scans of apps leave alone, together: by reason in declaration order, each path once
// where it was first met.
QList<LeftAloneItem> leftAloneByAll(const QList<ScannedApp>& apps);

// apps with each app once, where it was first given: an app named twice is taken once.
QList<AppDescriptor> eachAppOnce(const QList<AppDescriptor>& apps);

} // namespace tidewell
