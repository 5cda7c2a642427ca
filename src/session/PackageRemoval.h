#pragma once

#include "model/AppDescriptor.h"

#include <QString>

namespace tidewell {

// The command that uninstalls a package-managed Linux application, shown to the user and never
// run here: "flatpak uninstall [--user] <id>" (--user when the app's desktop entry lies in the
// home folder, a per-user installation), "snap remove <name>", "sudo apt remove <package>" for
// a system desktop entry that dpkg knows the package of. Empty for bundles and for apps that
// no package manager owns: their files are removed like leftovers.
QString uninstallCommand(const AppDescriptor& app, const QString& homePath);

} // namespace tidewell
