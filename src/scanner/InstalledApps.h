#pragma once

#include "ScanEnvironment.h"
#include "model/AppDescriptor.h"

#include <QList>
#include <QThreadPool>

namespace tidewell {

class FileSystem;

// The applications installed in the two Applications folders (and one folder level below
// them), read from their bundles. A bundle that cannot be read is left out.
QList<AppDescriptor> findInstalledApps(const ScanEnvironment& environment,
                                       const FileSystem& fileSystem, QThreadPool& pool);

} // namespace tidewell
