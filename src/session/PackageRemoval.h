#pragma once

#include "model/AppDescriptor.h"
#include "platform/Host.h"
#include "platform/ProgramRunner.h"

#include <QString>
#include <QStringList>

namespace tidewell {

// The command that uninstalls a package-managed Linux application: "flatpak uninstall [--user]
// -- <id>" (--user when the app's desktop entry lies in the host's home folder, a per-user
// installation), "snap remove -- <name>", "sudo apt remove -- <package>" for a system desktop
// entry that dpkg (asked through programs) knows the package of; the id always after "--" and
// only when valid. Empty for bundles and for apps that no package manager owns: their files are
// removed like leftovers.
struct UninstallCommand {
    QStringList arguments; // the program first
    // Whether Tidewell may run it when the user asks; a command that needs administrator
    // rights (apt) is only shown.
    bool runnable = false;

    bool isEmpty() const { return arguments.isEmpty(); }
    // Whether it is runnable and uninstalls exactly app, by the id its package manager
    // accepts: only then may a window run it without asking again.
    bool uninstallsExactly(const AppDescriptor& app) const;
    QString text() const { return arguments.join(u' '); }
    // The package manager it asks: "Flatpak", "snap" or "apt"; empty for none.
    QString managerName() const;

    friend bool operator==(const UninstallCommand&, const UninstallCommand&) = default;
};

UninstallCommand uninstallCommand(const AppDescriptor& app, const Host& host,
                                  const ProgramRunner& programs);

// Runs a runnable command with the terminal's input, its output on standard error; its exit
// code, or -1 when it could not be started or crashed.
int runUninstallCommand(const UninstallCommand& command);

struct UninstallOutcome {
    int exitCode = -1; // -1 when it could not be started or crashed
    QString lastLine;  // the last line it printed, to tell why it failed
    // Why it could not be started or did not finish, in the user's language.
    QString startError = {};
};

// Runs a runnable command with no terminal, for a window: the user's click is the answer to its
// question, so Flatpak is told yes (-y) beforehand.
UninstallOutcome runUninstallCommandUnattended(const UninstallCommand& command);

} // namespace tidewell
