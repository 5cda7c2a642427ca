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
    // homePath/Applications when that folder exists, else the home folder.
    static QUrl chooserStartFolder(const QString& homePath);

    // Shows the item selected in the file manager (org.freedesktop.FileManager1), or opens
    // the folder that holds it when no file manager answers. An empty path does nothing.
    static void revealPath(const QString& path);

    Q_INVOKABLE void reveal(const QString& path) const { revealPath(path); }
    Q_INVOKABLE QUrl appChooserStartFolder() const;
    // The path with the user's home written "~" (pathrules::homeAbbreviated).
    Q_INVOKABLE QString shortPath(const QString& path) const;
};

} // namespace tidewell
