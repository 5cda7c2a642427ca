#pragma once

#include <QString>

namespace tidewell {

// Where a scan looks. The fixed system folders ("/Library", "/Applications", "/Users/Shared",
// "/System/", "/private/var/folders/") are taken under rootPath; "" is the real root.
struct ScanEnvironment {
    QString homePath;
    QString rootPath;

    // The folder a system path names under this environment's root.
    QString systemPath(const QString& absolutePath) const { return rootPath + absolutePath; }
};

} // namespace tidewell
