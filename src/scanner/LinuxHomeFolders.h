#pragma once

#include <QString>

#include <functional>

namespace tidewell {

// The base folders of the user's files as the XDG variables name them; a variable that is
// unset, empty or not absolute falls back to its default below the home folder.
struct LinuxHomeFolders {
    QString home;
    QString config; // XDG_CONFIG_HOME, ~/.config
    QString data;   // XDG_DATA_HOME, ~/.local/share
    QString cache;  // XDG_CACHE_HOME, ~/.cache
    QString state;  // XDG_STATE_HOME, ~/.local/state

    // variable returns the value of an environment variable, empty when unset.
    static LinuxHomeFolders resolve(const QString& home,
                                    const std::function<QString(const char*)>& variable);
    // The home folder given, the variables of this process.
    static LinuxHomeFolders fromProcess(const QString& home);
};

} // namespace tidewell
