#pragma once

#include "LeftAloneItem.h"
#include "model/ScannedFile.h"

#include <QList>
#include <QStringList>

namespace tidewell {

// The result of one scan.
struct ScanReport {
    QList<ScannedFile> matches; // report order
    // What the scan met but leaves alone, grouped by reason in declaration order; the folders it
    // could not read are unique and, like the names that are not valid UTF-8, sorted by code
    // point.
    QList<LeftAloneItem> leftAlone;
    QStringList roots = {}; // the folders searched; every match lies inside one

    friend bool operator==(const ScanReport&, const ScanReport&) = default;
};

} // namespace tidewell
