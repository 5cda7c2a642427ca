#pragma once

#include "AppDescriptor.h"
#include "platform/DesktopEntry.h"

#include <QStringList>
#include <QStringView>

#include <optional>

namespace tidewell {

// Turns a desktop entry into the descriptor the scanner matches with. Pure rules, no file
// access: the entry has been read already.
namespace linuxapp {

// Flatpak when the entry names a Flatpak app, snap when snapd wrote it, AppImage when an
// AppImage integration wrote it, otherwise a plain desktop entry.
AppKind kindOf(const DesktopEntry& entry);

// The id its package manager knows the app by (Flatpak app id, snap name), empty otherwise and
// when the entry's id is not valid for its package manager.
QString packageIdOf(const DesktopEntry& entry);

// Whether id is a Flatpak application id as Flatpak accepts it: three or more dot-separated
// elements of ASCII letters, digits, "_" and "-", none empty or starting with a digit, 255
// bytes at most. Nothing else is ever joined onto a Flatpak folder or handed to flatpak.
bool isValidFlatpakId(QStringView id);

// Whether name is a snap name as snapd accepts it ("name" or an instance "name_key").
bool isValidSnapName(QStringView name);

// Why an entry must not be taken as an app: a key or group given twice (a reader could take
// either value), or an id its package manager would refuse. Nothing for a sound entry.
std::optional<AppDescriptorError> defectOf(const DesktopEntry& entry);

// The program Exec runs as the entry writes it (a path or a name), looking through
// "env VAR=..." and interpreters; empty when it runs a general tool (a terminal, ssh, git,
// sudo, xdg-open, ...), which tells nothing about the app.
QString programPathOf(const QStringList& execArguments);

// The file name of the program Exec runs, looking through "env VAR=..." and interpreters
// ("python3 /usr/share/foo/foo.py" runs "foo.py"); a Flatpak launch runs the Flatpak id (when
// valid); empty for a general tool.
QString programNameOf(const QStringList& execArguments);

// The program a Flatpak launch runs inside the sandbox (its --command), empty for others.
QString flatpakCommandOf(const QStringList& execArguments);

// The folder a Flatpak or snap keeps the user's data in: home/.var/app/<id> or
// home/snap/<name>, only for an id its package manager accepts; empty for other apps.
QString sandboxFolderOf(const AppDescriptor& app, const QString& home);

// Whether path names an AppImage file, by its extension in any case.
bool isAppImagePath(const QString& path);

// The hash an AppImage integration puts in the names of its launchers and icons
// ("appimagekit_0a1b…-Name.desktop", "appimagekit_0a1b…_name.png"), lower-case; empty for
// other names.
QString appImageIntegrationHashOf(const QString& name);

// Where Flatpak and snapd keep their apps' user data: home/.var/app and home/snap.
QString flatpakDataFolderIn(const QString& home);
QString snapDataFolderIn(const QString& home);

// The last label of a reverse-DNS id ("kate" of org.kde.kate), empty for other ids.
QString reverseDnsTailOf(const QString& id);

// Lower-case search tokens from the strongest evidence to the weakest: package id, reverse-DNS
// desktop file id and AppStream id, the last labels of those, Exec program, Flatpak command,
// TryExec program, StartupWMClass, Icon (a theme name, not a path), X-AppImage-Name. The translated
// Name is never a token.
QStringList rankedTokensOf(const DesktopEntry& entry);

// The descriptor: identifier = package id or else desktop file id; searchTokens = the ranked
// tokens; kind, packageId and desktopFileId filled in.
AppDescriptor describe(const DesktopEntry& entry);

// The descriptor of an AppImage file from the desktop entry it carries: the app is the file
// itself, which the user put there and which goes with its leftovers.
AppDescriptor describeAppImage(DesktopEntry embedded, const QString& appImagePath);

} // namespace linuxapp

} // namespace tidewell
