#pragma once

#include "Host.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tidewell {

// The identity facts of one desktop entry (a .desktop file), as read. Empty when absent.
struct DesktopEntry {
    QString filePath;
    // The entry's file name without ".desktop" ("org.kde.kate", "firefox_firefox").
    QString desktopFileId;
    // Name in the current locale.
    QString name;
    // Exec split into words as a shell would, escapes removed.
    QStringList execArguments;
    QString tryExec;
    QString startupWMClass;
    QString icon;
    // X-Flatpak: the Flatpak app id of an entry exported by Flatpak.
    QString flatpakId;
    // X-SnapInstanceName: the snap an entry written by snapd belongs to.
    QString snapName;
    QString appImageName;
    // The AppStream id of the component that launches the entry, when its metainfo was read.
    QString appStreamId;
    // Hidden=true: the entry stands for a deleted one and hides those of the same id.
    bool hidden = false;
    // A key or the [Desktop Entry] group given twice: readers disagree on which value counts.
    bool repeatsKeys = false;

    friend bool operator==(const DesktopEntry&, const DesktopEntry&) = default;
};

// An application desktop entry held in bytes, read through GLib's key file reader as the file
// at filePath. Nothing when bytes are no key file, have no [Desktop Entry] group or are not of
// type Application. GLib keeps the last of a repeated key, so an entry that gives a key twice
// with different values, or the group twice, says so in repeatsKeys.
std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& bytes, const QString& filePath);

// The same for the file at filePath; nothing too when it is no regular file or larger than
// maximumSettingsFileSize.
std::optional<DesktopEntry> readDesktopEntry(const QString& filePath);

// The command line that key of group holds in a key file (a systemd unit's ExecStart in
// [Service], a D-Bus service's Exec), split into words as a shell would; empty when the file,
// group or key is missing, and when the file is no regular file or larger than
// maximumSettingsFileSize.
QStringList readCommandLine(const QString& filePath, const QString& group, const QString& key);

} // namespace tidewell
