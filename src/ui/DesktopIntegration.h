#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace tidewell {

// What the window asks of the desktop: showing an item in the file manager, opening links,
// and where the application chooser starts.
class DesktopIntegration : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The folder that holds path; a trailing slash is ignored.
    static QString parentFolder(const QString& path);
    // path with the home folder written "~", as a shell and the file managers show it.
    static QString homeAbbreviated(const QString& path, const QString& homePath);
    // homePath/Applications when that folder exists, else the home folder.
    static QUrl chooserStartFolder(const QString& homePath);

    // Shows the item selected in the file manager (org.freedesktop.FileManager1), or opens
    // the folder that holds it when no file manager answers. An empty path does nothing.
    static void revealPath(const QString& path);

    Q_INVOKABLE void reveal(const QString& path) const { revealPath(path); }
    Q_INVOKABLE QUrl appChooserStartFolder() const;
    // homeAbbreviated() for the user's home.
    Q_INVOKABLE QString shortPath(const QString& path) const;
};

} // namespace tidewell
