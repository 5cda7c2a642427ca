#include "LinuxAppData.h"

#include "ItemClassification.h"
#include "LinuxAppKeys.h"
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
    if (!app.packageId.isEmpty()) {
        const QString sandbox = app.kind == AppKind::flatpak ? QStringLiteral("/.var/app/")
                                : app.kind == AppKind::snap  ? QStringLiteral("/snap/")
                                                             : QString();
        if (!sandbox.isEmpty() && QFileInfo(m_folders.home + sandbox + app.packageId).isDir())
            locations.append(m_folders.home + sandbox + app.packageId);
    }
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
