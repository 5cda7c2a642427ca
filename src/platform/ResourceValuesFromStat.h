#pragma once

#include "FileSystem.h"

#include <QStringView>

#include <sys/stat.h>

namespace tidewell {

// Resource values of an item from its own lstat record; name decides whether a folder is a
// package. Allocated sizes are whole blocks (st_blocks counts 512-byte units).
ResourceValues resourceValuesFromStat(const struct stat& info, QStringView name);

} // namespace tidewell
