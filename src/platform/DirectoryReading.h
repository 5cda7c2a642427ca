#pragma once

#include "FileSystem.h"

#include <functional>

// The POSIX side of folder listing and deep walks: one place that knows readdir and fstatat.
namespace tidewell::directory {

// Names that are not valid UTF-8 are given with U+FFFD in place of the invalid bytes, so their
// paths can be shown and matched but name no file.

// Direct entries of the folder at path (a link to a folder is followed), hidden ones left out
// unless asked for.
DirectoryListing list(const QString& path, HiddenEntries hidden = HiddenEntries::leftOut);

// Every entry below the folder at path, hidden ones included, in depth-first order: an entry is
// visited before its contents. Links are never followed, packages never entered, and neither are
// folders on another file system (a mount point is visited, not its contents); folders that
// cannot be opened, and entries that cannot be looked at, are passed over and make the walk
// partial.
TreeWalk walk(const QString& path, const std::function<void(const TreeEntry&)>& visit);

} // namespace tidewell::directory
