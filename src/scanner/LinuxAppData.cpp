#include "LinuxAppData.h"

#include "ItemClassification.h"
#include "LinuxAppKeys.h"
#include "model/LinuxAppIdentity.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

namespace tidewell {

LinuxAppData::LinuxAppData(LinuxHomeFolders folders) : m_folders(std::move(folders)) {
    for (const QString& base :
         {m_folders.config, m_folders.data, m_folders.cache, m_folders.state}) {
        for (const FolderEntry& entry : FolderEntry::listed(base)) {
            if (!entry.isLink)
                m_entries.append(entry);
        }
    }
}

QStringList LinuxAppData::locationsOf(const AppDescriptor& app) const {
    QStringList locations;
    const QString sandbox = linuxapp::sandboxFolderOf(app, m_folders.home);
    if (!sandbox.isEmpty() && QFileInfo(sandbox).isDir())
        locations.append(sandbox);
    const LinuxAppKeys keys = LinuxAppKeys::of(app);
    for (const FolderEntry& entry : m_entries) {
        const auto match = keys.matchName(entry.name, entry.isFile, true, false);
        if (match && match->tier == 0)
            locations.append(entry.path);
    }
    return locations;
}

qint64 LinuxAppData::sizeOf(const AppDescriptor& app) const {
    qint64 total = 0;
    for (const QString& location : locationsOf(app))
        total += sizeInBytes(location, FileSystem::real());
    return total;
}

} // namespace tidewell
