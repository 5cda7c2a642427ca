#include "LinuxAppData.h"

#include "ItemClassification.h"
#include "LinuxAppKeys.h"
#include "model/LinuxAppIdentity.h"

namespace tidewell {

LinuxAppData::LinuxAppData(Host host, const FileSystem& fileSystem)
    : m_host(std::move(host)), m_fileSystem(fileSystem) {
    for (const QString& base : {m_host.config, m_host.data, m_host.cache, m_host.state}) {
        for (DirectoryEntry& entry :
             m_fileSystem.listDirectory(base, HiddenEntries::included).entries) {
            if (!entry.isSymbolicLink.value_or(true))
                m_entries.append(std::move(entry));
        }
    }
}

QStringList LinuxAppData::locationsOf(const AppDescriptor& app) const {
    QStringList locations;
    const QString sandbox = linuxapp::sandboxFolderOf(app, m_host.home);
    if (!sandbox.isEmpty() && m_fileSystem.isDirectory(sandbox))
        locations.append(sandbox);
    const LinuxAppKeys keys = LinuxAppKeys::of(app);
    for (const DirectoryEntry& entry : m_entries) {
        const auto match =
            keys.matchName(entry.name, !entry.isDirectory.value_or(false), true, false);
        if (match && match->tier == 0)
            locations.append(entry.path);
    }
    return locations;
}

qint64 LinuxAppData::sizeOf(const AppDescriptor& app) const {
    qint64 total = 0;
    for (const QString& location : locationsOf(app))
        total += sizeInBytes(location, m_fileSystem);
    return total;
}

} // namespace tidewell
