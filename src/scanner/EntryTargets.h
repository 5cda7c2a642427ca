#pragma once

#include "platform/FileSystem.h"

namespace tidewell {

// Whether a listed entry is a folder or a symbolic link that leads to one.
bool leadsToFolder(const DirectoryEntry& entry, const FileSystem& fileSystem);

} // namespace tidewell
