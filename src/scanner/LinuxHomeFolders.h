#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tidewell {

// The base folders of the user's files as the XDG variables name them. A variable that is
// unset or empty falls back to its default below the home folder, and so does one that would
// make the user's own files look like an app's: a relative path (which the XDG Base Directory
// specification says to ignore), the home folder itself or a folder above it, or one of the
// user's standard folders (Documents, Desktop, ...); each of those leaves a warning.
struct LinuxHomeFolders {
    QString home;
    QString config; // XDG_CONFIG_HOME, ~/.config
    QString data;   // XDG_DATA_HOME, ~/.local/share
    QString cache;  // XDG_CACHE_HOME, ~/.cache
    QString state;  // XDG_STATE_HOME, ~/.local/state
    // What was ignored and why, one sentence each, for the user to read.
    QStringList warnings = {};

    // variable returns the value of an environment variable, empty when unset; userFolders
    // are the standard folders of the user (see xdguserdirs::standardFolders).
    static LinuxHomeFolders resolve(const QString& home,
                                    const std::function<QString(const char*)>& variable,
                                    const QStringList& userFolders = {});
    // The home folder given, the variables of this process and the standard folders that the
    // user's user-dirs.dirs names.
    static LinuxHomeFolders fromProcess(const QString& home);
};

} // namespace tidewell
