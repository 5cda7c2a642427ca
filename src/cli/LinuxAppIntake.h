#pragma once

#include "model/AppDescriptor.h"
#include "platform/Host.h"

#include <QString>

#include <optional>
#include <variant>

namespace tidewell {

// Reads the Linux application an argument names: a .desktop file, an AppImage, or the Flatpak
// id, snap name or desktop file id of an application installed on host. Nothing when the
// argument names neither (a bundle, then). On failure prints the reason on stderr and holds
// ExitCode::appRejected.
std::optional<std::variant<AppDescriptor, int>> readLinuxApp(const QString& argument,
                                                             const Host& host);

// The help of the app argument of scan and remove, which take a Linux application too.
QString appArgumentHelp();

} // namespace tidewell
