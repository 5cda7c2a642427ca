#include "RemovedApp.h"

#include <QFileInfo>
#include <QMap>

#include <algorithm>

namespace tidewell {

namespace {

RemovedAppKind kindOf(OrphanCause cause) {
    switch (cause) {
    case OrphanCause::flatpakNotInstalled:
        return RemovedAppKind::flatpak;
    case OrphanCause::snapNotInstalled:
        return RemovedAppKind::snap;
    case OrphanCause::appImageGone:
        return RemovedAppKind::appImage;
    case OrphanCause::debianPackageRemoved:
        return RemovedAppKind::debianPackage;
    case OrphanCause::containerOwnerGone:
    case OrphanCause::identifierNotInstalled:
    case OrphanCause::vendorAppsGone:
    case OrphanCause::nameOfRemovedApp:
        return RemovedAppKind::bundle;
    case OrphanCause::programGone:
        break;
    }
    return RemovedAppKind::launcher;
}

// A launcher's app is named by its program, an AppImage's by its file.
QString nameOf(RemovedAppKind kind, const QString& identifier) {
    if (kind == RemovedAppKind::launcher || kind == RemovedAppKind::appImage)
        return QFileInfo(identifier).fileName();
    return identifier;
}

} // namespace

QString kindName(RemovedAppKind kind) {
    switch (kind) {
    case RemovedAppKind::flatpak:
        return QStringLiteral("flatpak");
    case RemovedAppKind::snap:
        return QStringLiteral("snap");
    case RemovedAppKind::appImage:
        return QStringLiteral("appimage");
    case RemovedAppKind::debianPackage:
        return QStringLiteral("deb");
    case RemovedAppKind::bundle:
        return QStringLiteral("bundle");
    case RemovedAppKind::launcher:
        break;
    }
    return QStringLiteral("launcher");
}

QString causeCode(OrphanCause cause) {
    switch (cause) {
    case OrphanCause::flatpakNotInstalled:
        return QStringLiteral("flatpakNotInstalled");
    case OrphanCause::snapNotInstalled:
        return QStringLiteral("snapNotInstalled");
    case OrphanCause::appImageGone:
        return QStringLiteral("appImageGone");
    case OrphanCause::debianPackageRemoved:
        return QStringLiteral("debianPackageRemoved");
    case OrphanCause::containerOwnerGone:
        return QStringLiteral("containerOwnerGone");
    case OrphanCause::identifierNotInstalled:
        return QStringLiteral("identifierNotInstalled");
    case OrphanCause::vendorAppsGone:
        return QStringLiteral("vendorAppsGone");
    case OrphanCause::nameOfRemovedApp:
        return QStringLiteral("nameOfRemovedApp");
    case OrphanCause::programGone:
        break;
    }
    return QStringLiteral("programGone");
}

QList<RemovedApp> groupedByApp(const QList<Orphan>& orphans) {
    QMap<std::pair<RemovedAppKind, QString>, RemovedApp> apps;
    for (const Orphan& orphan : orphans) {
        const RemovedAppKind kind = kindOf(orphan.cause);
        RemovedApp& app = apps[{kind, orphan.subject}];
        app.kind = kind;
        app.identifier = orphan.subject;
        app.name = nameOf(kind, orphan.subject);
        app.items.append(orphan);
    }
    QList<RemovedApp> grouped = apps.values();
    std::stable_sort(grouped.begin(), grouped.end(), [](const RemovedApp& a, const RemovedApp& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return grouped;
}

} // namespace tidewell
