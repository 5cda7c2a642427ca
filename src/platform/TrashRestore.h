#pragma once

#include "FileSystem.h"

namespace tidewell::trash {

// Whether the item of entry lies in the Trash under the record written for it: its place and
// deletion date as they were when it went.
bool holds(const TrashEntry& entry);

// Puts the item of entry back at its original path and removes its record, after checking the
// record as holds() does (NoSuchFileError when it fails). Missing folders on the way are made
// (mode 0700); none on the way is followed if it is a link (LinkInPathError). What lies at the
// path now is never replaced (ItemExistsError; the item and its record stay). On the same file
// system the item is renamed back; across file systems it is copied with its modes, times and
// links, and the Trash's copy removed once the copy is in place.
FileOperationResult restore(const TrashEntry& entry);

} // namespace tidewell::trash
