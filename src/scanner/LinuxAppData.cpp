#include "LinuxAppData.h"

#include "ItemClassification.h"
#include "LinuxAppKeys.h"
#include "model/LinuxAppIdentity.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

namespace tidewell {

LinuxAppData::LinuxAppData(Host host) : m_host(std::move(host)) {
    for (const QString& base : {m_host.config, m_host.data, m_host.cache, m_host.state}) {
        for (const FolderEntry& entry : FolderEntry::listed(base)) {
            if (!entry.isLink)
                m_entries.append(entry);
        }
    }
}

QStringList LinuxAppData::locationsOf(const AppDescriptor& app) const {
    QStringList locations;
    const QString sandbox = linuxapp::sandboxFolderOf(app, m_host.home);
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
