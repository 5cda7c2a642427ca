#include "AppKind.h"

#include <QCoreApplication>

namespace tidewell {

QString kindName(AppKind kind) {
    switch (kind) {
    case AppKind::bundle:
        return QStringLiteral("bundle");
    case AppKind::desktopEntry:
        return QStringLiteral("desktop");
    case AppKind::flatpak:
        return QStringLiteral("flatpak");
    case AppKind::snap:
        return QStringLiteral("snap");
    case AppKind::appImage:
        break;
    }
    return QStringLiteral("appimage");
}

QString displayName(AppKind kind) {
    switch (kind) {
    case AppKind::bundle:
        return QCoreApplication::translate("AppKind", "App bundle");
    case AppKind::desktopEntry:
        return QCoreApplication::translate("AppKind", "Application");
    case AppKind::flatpak:
        return QCoreApplication::translate("AppKind", "Flatpak");
    case AppKind::snap:
        return QCoreApplication::translate("AppKind", "Snap");
    case AppKind::appImage:
        break;
    }
    return QCoreApplication::translate("AppKind", "AppImage");
}

bool appGoesWithLeftovers(AppKind kind) {
    return kind == AppKind::bundle || kind == AppKind::appImage;
}

} // namespace tidewell
