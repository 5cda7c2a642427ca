#pragma once

#include "platform/Host.h"

#include <QList>
#include <QString>

namespace tidewell {

class FileSystem;

// A folder the walk examines, and how many levels it may descend below its direct entries.
struct ScanRoot {
    QString path;
    int maxDepth = 0;

    friend bool operator==(const ScanRoot&, const ScanRoot&) = default;
};

// The fixed folders of a scan in walk order, duplicates by path removed. Lists nothing.
QList<ScanRoot> makeScanRoots(const Host& host);

// Replaces each Library root by one root per direct entry: subfolders keep walking (one level
// less), excluded system folders are dropped, anything else is examined on its own. A Library
// folder that cannot be listed stays one root so the walk reports it.
QList<ScanRoot> expandScanRoots(const QList<ScanRoot>& roots, const Host& host,
                                const FileSystem& fileSystem);

// Whether a folder directly inside a Library folder is a shared system folder the walk never
// enters (exact, case-sensitive name).
bool isDeepSearchExcludedLibraryDirectory(QStringView name);

// Whether a folder directly inside a Library folder is one that the system or many programs
// share (the excluded folders, "Application Support", "Caches", "Preferences", ...): never an
// application's own leftover, whatever it is called.
bool isStandardLibraryFolder(QStringView name);

// Whether path is the home Library folder or the system Library folder.
bool isLibraryRootPath(const QString& path, const Host& host);

} // namespace tidewell
