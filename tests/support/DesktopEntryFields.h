#pragma once

#include <QByteArray>
#include <QString>

// The keys of an application's desktop entry as a test writes it. Empty keys are left out;
// extraLines go in as given after the keys, for what the keys cannot say: localized names,
// comments, a key or a group given twice, a NUL byte. Every member has a default so that
// designated initializers may leave any out.
struct DesktopEntryFields {
    QString name{};
    QString exec{};
    QString icon{};
    QString tryExec{};
    QString startupWMClass{};
    QString flatpak{};          // X-Flatpak
    QString snapInstanceName{}; // X-SnapInstanceName
    QString appImageName{};     // X-AppImage-Name
    bool hidden = false;
    QString type = QStringLiteral("Application");
    QByteArray extraLines{};

    // The entry's text: the [Desktop Entry] group with one line per key set.
    QByteArray text() const;
};
