#pragma once

#include "model/ScannedFile.h"

#include <QList>
#include <QStringList>

namespace tidewell {

// The result of one scan.
struct ScanReport {
    QList<ScannedFile> matches;        // report order
    QStringList permissionDeniedPaths; // unique, sorted by code point
    QStringList roots = {};            // the folders searched; every match lies inside one

    friend bool operator==(const ScanReport&, const ScanReport&) = default;
};

} // namespace tidewell
