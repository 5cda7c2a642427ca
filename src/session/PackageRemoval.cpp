#include "PackageRemoval.h"

#include "platform/DebianPackages.h"

namespace tidewell {

namespace {

bool isBelow(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder + u'/');
}

} // namespace

QString uninstallCommand(const AppDescriptor& app, const QString& homePath) {
    const QString entry = app.appURL.toLocalFile();
    switch (app.kind) {
    case AppKind::flatpak:
        return QStringLiteral("flatpak uninstall ") +
               (isBelow(entry, homePath) ? QStringLiteral("--user ") : QString()) + app.packageId;
    case AppKind::snap:
        return QStringLiteral("snap remove ") + app.packageId;
    case AppKind::desktopEntry:
        if (!isBelow(entry, homePath)) {
            const QString package = debian::packagesOwning({entry}).value(entry);
            return package.isEmpty() ? QString() : QStringLiteral("sudo apt remove ") + package;
        }
        return {};
    case AppKind::bundle:
    case AppKind::appImage:
        break;
    }
    return {};
}

} // namespace tidewell
