#pragma once

#include "model/AppDescriptor.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"

#include <QList>
#include <QStringList>

namespace tidewell {

// Where installed Linux applications keep their data, for showing its size beside each of
// many applications: the XDG base folders are listed once. An application's data is what its
// exact identity names: its sandbox folder (~/.var/app/<id>, ~/snap/<name>) and the entries of
// the XDG folders named by its package id, desktop file id or their last labels. A scan finds
// more; this is the quick measure for a list.
class LinuxAppData {
public:
    // Every folder is read, and every size measured, through fileSystem.
    LinuxAppData(Host host, const FileSystem& fileSystem);

    QStringList locationsOf(const AppDescriptor& app) const;
    // The bytes those locations take on disk; reads the disk, so call it off the main thread.
    qint64 sizeOf(const AppDescriptor& app) const;

private:
    Host m_host;
    const FileSystem& m_fileSystem;
    QList<DirectoryEntry> m_entries; // links left out
};

} // namespace tidewell
