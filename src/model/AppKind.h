#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tidewell {

// How an application was installed, which decides how it is identified and removed.
enum class AppKind { bundle, desktopEntry, flatpak, snap, appImage };

// What each kind answers, in one table.
struct AppKindTraits {
    // The kind's name in JSON and listings.
    QString name;
    // How the file the user hands in is named (".app", ".desktop", ".AppImage"); empty for
    // kinds known only once their desktop entry is read.
    QString fileSuffix;
    Qt::CaseSensitivity suffixCase = Qt::CaseSensitive;
    // Whether the app's own file goes with its leftovers: a bundle or an AppImage is the
    // user's file; a package's files stay with its package manager (the user's own launcher
    // of such an app lies in the home and is among the leftovers).
    bool appGoesWithLeftovers = false;
    // The command that removes the app, before its options and its id; empty when the user
    // removes it by moving it to the Trash.
    QStringList uninstallCommand;
    // What the window calls the kind, in English (displayName() translates it).
    const char* shownName = nullptr;
};

const AppKindTraits& traitsOf(AppKind kind);

// "bundle", "desktop", "flatpak", "snap", "appimage".
QString kindName(AppKind kind);
bool appGoesWithLeftovers(AppKind kind);
// The kind's name in the user's language: "App bundle", "Application", "Flatpak", ...
QString displayName(AppKind kind);

// The kind a file's name alone tells: a bundle, a desktop entry (which may turn out a
// Flatpak's or a snap's once read) or an AppImage; nothing for other names.
std::optional<AppKind> appKindOfFileName(QStringView path);

} // namespace tidewell
