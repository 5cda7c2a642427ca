#include "PackageRemoval.h"

#include <QProcess>

namespace tidewell {

namespace {

constexpr int dpkgTimeoutMs = 5000;

bool isBelow(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder + u'/');
}

// The Debian package that installed path ("vim-gtk3: /usr/share/applications/gvim.desktop"),
// asked of dpkg-query, which only reads its database; empty when none does or dpkg is absent.
QString debianPackageOf(const QString& path) {
    QProcess query;
    query.start(QStringLiteral("dpkg-query"), {QStringLiteral("-S"), path});
    if (!query.waitForFinished(dpkgTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return {};
    const QString line = QString::fromUtf8(query.readAllStandardOutput()).section(u'\n', 0, 0);
    const qsizetype colon = line.indexOf(QStringLiteral(": "));
    return colon > 0 ? line.left(colon).section(u',', 0, 0).trimmed() : QString();
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
            const QString package = debianPackageOf(entry);
            return package.isEmpty() ? QString() : QStringLiteral("sudo apt remove ") + package;
        }
        return {};
    case AppKind::bundle:
    case AppKind::appImage:
        break;
    }
    return {};
}

bool ownsItsDesktopEntry(const AppDescriptor& app, const QString& homePath) {
    return app.kind == AppKind::appImage ||
           (app.kind == AppKind::desktopEntry && isBelow(app.appURL.toLocalFile(), homePath));
}

} // namespace tidewell
