#pragma once

#include "MatchNeedles.h"
#include "model/AppDescriptor.h"

#include <QSet>
#include <QStringList>

namespace tidewell {

class FileSystem;

// The application's sandbox and group container folders under a home folder: standardized
// paths, unique, sorted.
struct ContainerDirectories {
    // Folders whose recorded owner is the application's identifier (or, for a helper, the
    // identifier of the application it belongs to): the system's own record of ownership.
    QStringList ownedByRecord;
    // Folders whose name, or whose recorded owner's identifier, reads like the application's;
    // they still have to pass the scan's rules.
    QStringList matchedByName;

    // Container roots that cannot be read are added to permissionDenied by their own path.
    static ContainerDirectories find(const AppDescriptor& app, const MatchNeedles& needles,
                                     const QString& homePath, QSet<QString>& permissionDenied,
                                     const FileSystem& fileSystem);
};

} // namespace tidewell
