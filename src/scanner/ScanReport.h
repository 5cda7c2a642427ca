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
    // Items that match but whose names are not valid UTF-8 (shown with U+FFFD): listed so they
    // are not lost silently, never offered for removal. Sorted by code point.
    QStringList undecodablePaths = {};
    // Settings files that name the application among other apps' lines (a Linux desktop's
    // default applications): edited by hand, never deleted, so only listed.
    QStringList keptSettingsFiles = {};
    // Folders of the dconf database that hold the application's settings, listed the same way.
    QStringList keptDconfFolders = {};

    friend bool operator==(const ScanReport&, const ScanReport&) = default;
};

} // namespace tidewell
