#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tidewell {

// The machine Tidewell works on, described once when a program starts and passed down as a
// value: below the session nothing reads the process environment or the real home.
//
// The XDG base folders of the user's files come from their variables. One that is unset or
// empty falls back to its default below the home folder, and so does one that would make the
// user's own files look like an app's: a relative path (which the XDG base directory
// rules say to ignore), the home folder itself or a folder above it, or one of the
// user's standard folders (Documents, Desktop, ...); each of those leaves a warning.
struct Host {
    QString home;
    // The folder the fixed system folders are taken under; "" for the real root.
    QString root;
    QString config; // XDG_CONFIG_HOME, ~/.config
    QString data;   // XDG_DATA_HOME, ~/.local/share
    QString cache;  // XDG_CACHE_HOME, ~/.cache
    QString state;  // XDG_STATE_HOME, ~/.local/state
    // The system's data folders, XDG_DATA_DIRS (/usr/local/share and /usr/share when unset),
    // each under the root; relative entries are left out.
    QStringList dataFolders;
    // Where programs are looked for: PATH, relative and empty entries left out.
    QStringList programPath;
    // What was ignored and why, one sentence each, for the user to read.
    QStringList warnings = {};

    // The value of an environment variable, empty when unset.
    using Variables = std::function<QString(const char*)>;

    // The host that home, root and the variables describe; userFolders are the user's
    // standard folders (see xdguserdirs::standardFolders). Every folder is cleaned here.
    static Host resolve(const QString& home, const QString& root, const Variables& variable,
                        const QStringList& userFolders = {});
    // The same, with the standard folders that the user's user-dirs.dirs names.
    static Host describe(const QString& home, const QString& root, const Variables& variable);
    // A host whose folders all take their defaults, with no program path.
    static Host withDefaults(const QString& home, const QString& root = {});

    // The same host with its system folders taken under another root.
    Host withRoot(const QString& otherRoot) const;
    // The same machine as another account finds it, for an administrator working in that
    // account's home: its XDG base folders take their defaults below otherHome (the variables
    // of its sessions are not known here) and its standard folders come from its own
    // user-dirs.dirs; the root, data folders and program path stay this host's.
    Host forAccount(const QString& otherHome) const;

    // The folder a system path ("/var/lib/flatpak") names under the root.
    QString systemPath(const QString& absolutePath) const { return root + absolutePath; }
    // The folders of installed desktop entries in the order the desktop looks: the user's data
    // folder first, then the system's, then Flatpak's and snapd's exports where the data
    // folders leave them out.
    QStringList applicationFolders() const;
};

} // namespace tidewell
