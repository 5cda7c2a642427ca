#include "LinuxAppIntake.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "model/LinuxAppIdentity.h"
#include "platform/DesktopEntry.h"
#include "session/AppIntake.h"

#include <QDir>
#include <QFileInfo>

namespace tidewell {

namespace {

std::variant<AppDescriptor, int> rejected(const QString& message) {
    CliOutput::printErrorLine(message);
    return ExitCode::bundleRejected;
}

std::variant<AppDescriptor, int> findInstalled(const QString& id) {
    for (const DesktopEntry& entry : readInstalledDesktopEntries()) {
        if (entry.flatpakId == id || entry.snapName == id || entry.desktopFileId == id)
            return AppIntake::describeEntry(entry);
    }
    return rejected(CliText::tr("No installed application has this id."));
}

// A bare word that is no file and no bundle name: an id to look up.
bool looksLikeId(const QString& argument) {
    return !argument.isEmpty() && !argument.contains(u'/') &&
           !argument.endsWith(QStringLiteral(".app")) && !QFileInfo::exists(argument);
}

// A .desktop file or an AppImage, read as the window reads a dropped one.
std::variant<AppDescriptor, int> readAppFile(const QString& path) {
    const AppDescriptor::Result result =
        AppIntake::read(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    if (const auto* error = std::get_if<AppDescriptorError>(&result))
        return rejected(errorDescription(*error));
    return std::get<AppDescriptor>(result);
}

} // namespace

std::optional<std::variant<AppDescriptor, int>> readLinuxApp(const QString& argument) {
    if (argument.endsWith(QStringLiteral(".desktop")) || linuxapp::isAppImagePath(argument))
        return readAppFile(argument);
    if (looksLikeId(argument))
        return findInstalled(argument);
    return std::nullopt;
}

QString appArgumentHelp() {
    return CliText::tr("The .app bundle; on Linux also a desktop entry or its id, a Flatpak id, "
                       "a snap name or an AppImage.");
}

} // namespace tidewell
