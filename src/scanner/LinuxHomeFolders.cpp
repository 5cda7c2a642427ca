#include "LinuxHomeFolders.h"

#include <QDir>

namespace tidewell {

namespace {

QString folderOf(const QString& value, const QString& fallback) {
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

} // namespace

LinuxHomeFolders LinuxHomeFolders::resolve(const QString& home,
                                           const std::function<QString(const char*)>& variable) {
    const QString base = QDir::cleanPath(home);
    return {base, folderOf(variable("XDG_CONFIG_HOME"), base + QStringLiteral("/.config")),
            folderOf(variable("XDG_DATA_HOME"), base + QStringLiteral("/.local/share")),
            folderOf(variable("XDG_CACHE_HOME"), base + QStringLiteral("/.cache")),
            folderOf(variable("XDG_STATE_HOME"), base + QStringLiteral("/.local/state"))};
}

LinuxHomeFolders LinuxHomeFolders::fromProcess(const QString& home) {
    return resolve(home, [](const char* name) { return qEnvironmentVariable(name); });
}

} // namespace tidewell
