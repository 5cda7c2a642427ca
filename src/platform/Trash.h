#pragma once

#include "FileSystem.h"
#include "TrashOwner.h"

#include <QByteArray>

namespace tidewell::trash {

// Moves the entry name of the open folder parentFd, found at the absolute path, into the user's
// Trash; a symbolic link goes as the link itself.
// On Linux this is the freedesktop.org Trash of the desktop's file managers, written here rather
// than through GIO, whose g_file_trash takes a path and looks it up again: the item leaves
// parentFd itself, so a folder on its path swapped for a link meanwhile is never followed. The
// home trash below ownDataFolder (the user's $XDG_DATA_HOME) takes items on the data folder's
// file system, a volume's .Trash/$uid or .Trash-$uid the items on that volume; the
// system's own mounts have none (NoTrashOnVolumeError). The record is written in full before the
// item moves, and removed again when the item cannot follow. On macOS path alone is used.
// With an owner, the item goes to that account's Trash instead (Linux only): its home trash, or
// its own trash at the top of the item's volume.
FileOperationResult moveToTrash(int parentFd, const QByteArray& name, const QString& path,
                                const QString& ownDataFolder, const TrashOwner* owner = nullptr);

} // namespace tidewell::trash
