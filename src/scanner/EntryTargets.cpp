#include "EntryTargets.h"

namespace tidewell {

bool leadsToFolder(const DirectoryEntry& entry, const FileSystem& fileSystem) {
    if (entry.isSymbolicLink.value_or(false))
        return fileSystem.isDirectory(entry.path);
    return entry.isDirectory.value_or(false);
}

} // namespace tidewell
