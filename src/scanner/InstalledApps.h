#pragma once

#include "model/AppDescriptor.h"
#include "platform/Host.h"

#include <QList>
#include <QThreadPool>

namespace tidewell {

class FileSystem;

// The applications installed in the two Applications folders (and one folder level below
// them), read from their bundles. A bundle that cannot be read is left out.
QList<AppDescriptor> findInstalledApps(const Host& host, const FileSystem& fileSystem,
                                       QThreadPool& pool);

} // namespace tidewell
