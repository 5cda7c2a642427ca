#pragma once

#include <QString>

namespace tidewell {

// How an application was installed, which decides how it is identified and removed.
enum class AppKind { bundle, desktopEntry, flatpak, snap, appImage };

// Whether the app's own file goes with its leftovers: a bundle or an AppImage is the user's
// file; a package's files stay with its package manager (the user's own launcher of such an
// app lies in the home and is among the leftovers).
bool appGoesWithLeftovers(AppKind kind);

// The kind's name in JSON and listings: "bundle", "desktop", "flatpak", "snap", "appimage".
QString kindName(AppKind kind);
// The kind's name in the user's language: "App bundle", "Application", "Flatpak", ...
QString displayName(AppKind kind);

} // namespace tidewell
