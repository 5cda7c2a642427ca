#pragma once

#include <QString>

namespace tidewell {

// How an application was installed, which decides how it is identified and removed.
enum class AppKind { bundle, desktopEntry, flatpak, snap, appImage };

// The kind's name in JSON and listings: "bundle", "desktop", "flatpak", "snap", "appimage".
QString kindName(AppKind kind);

} // namespace tidewell
