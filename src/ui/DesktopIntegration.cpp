#include "DesktopIntegration.h"

#include "model/PathRules.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace tidewell {

namespace {

void openFolderOf(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(DesktopIntegration::parentFolder(path)));
}

} // namespace

QString DesktopIntegration::parentFolder(const QString& path) {
    return QFileInfo(QDir::cleanPath(path)).path();
}

QUrl DesktopIntegration::chooserStartFolder(const QString& homePath) {
    const QString applications = QDir(homePath).filePath(QStringLiteral("Applications"));
    return QUrl::fromLocalFile(QFileInfo(applications).isDir() ? applications : homePath);
}

QString DesktopIntegration::shortPath(const QString& path) const {
    return pathrules::homeAbbreviated(path, QDir::homePath());
}

QUrl DesktopIntegration::appChooserStartFolder() const {
    return chooserStartFolder(QDir::homePath());
}

void DesktopIntegration::revealPath(const QString& path) {
    if (path.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolderOf(path);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), qApp);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, qApp,
                     [path](QDBusPendingCallWatcher* finished) {
                         if (finished->isError())
                             openFolderOf(path);
                         finished->deleteLater();
                     });
}

} // namespace tidewell
