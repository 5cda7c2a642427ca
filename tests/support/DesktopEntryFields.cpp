#include "DesktopEntryFields.h"

#include <utility>

QByteArray DesktopEntryFields::text() const {
    const std::pair<const char*, QString> keys[] = {
        {"Type", type},
        {"Name", name},
        {"Exec", exec},
        {"TryExec", tryExec},
        {"Icon", icon},
        {"StartupWMClass", startupWMClass},
        {"X-Flatpak", flatpak},
        {"X-SnapInstanceName", snapInstanceName},
        {"X-AppImage-Name", appImageName},
        {"Hidden", hidden ? QStringLiteral("true") : QString()},
    };
    QByteArray text = "[Desktop Entry]\n";
    for (const auto& [key, value] : keys) {
        if (!value.isEmpty())
            text += key + ('=' + value.toUtf8()) + '\n';
    }
    return text + extraLines;
}
