#include "AppKind.h"

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

bool appGoesWithLeftovers(AppKind kind) {
    return kind == AppKind::bundle || kind == AppKind::appImage;
}

} // namespace tidewell
