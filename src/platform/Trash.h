#pragma once

#include "FileSystem.h"

namespace tidewell::trash {

// Moves the item at path into the user's Trash; a symbolic link goes as the link itself.
// On Linux this is the freedesktop.org Trash of the desktop's file managers: the home trash
// below $XDG_DATA_HOME (read once per process) for items on the home folder's volume, a
// .Trash-$uid folder at the top of other volumes.
FileOperationResult moveToTrash(const QString& path);

} // namespace tidewell::trash
