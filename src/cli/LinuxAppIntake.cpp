#include "LinuxAppIntake.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "model/LinuxAppIdentity.h"
#include "platform/RealProgramRunner.h"
#include "scanner/AppCatalogue.h"
#include "session/AppIntake.h"

#include <QDir>
#include <QFileInfo>

namespace tidewell {

namespace {

std::variant<AppDescriptor, int> rejected(const QString& message) {
    CliOutput::printErrorLine(message);
    return ExitCode::appRejected;
}

std::variant<AppDescriptor, int> findInstalled(const QString& argument, const Host& host) {
    const std::optional<AppCatalogue::Lookup> found =
        AppCatalogue::readLinuxApps(host, FileSystem::real()).find(argument);
    if (!found)
        return rejected(CliText::tr("No installed application has this id."));
    if (const auto* defect = std::get_if<AppDescriptorError>(&*found))
        return rejected(errorDescription(*defect));
    return std::get<AppDescriptor>(*found);
}

// A bare word that is no file and no bundle name: an id to look up.
bool looksLikeId(const QString& argument) {
    const std::optional<AppKind> kind = appKindOfFileName(argument);
    return !argument.isEmpty() && !argument.contains(u'/') &&
           (!kind || kind == AppKind::desktopEntry) && !QFileInfo::exists(argument);
}

// A .desktop file or an AppImage, read as the window reads a dropped one.
std::variant<AppDescriptor, int> readAppFile(const QString& path, const Host& host) {
    const QFileInfo file(path);
    const AppDescriptor::Result result = AppIntake::read(
        QUrl::fromLocalFile(file.absoluteFilePath()), RealProgramRunner(host.programPath));
    if (const auto* error = std::get_if<AppDescriptorError>(&result))
        return rejected(errorDescription(*error));
    // The link is what the user named; the image it leads to may be kept for other uses.
    if (file.isSymLink() && linuxapp::isAppImagePath(path))
        CliOutput::printErrorLine(
            CliText::tr("%1 is a link: the link goes with the leftovers, and the AppImage it "
                        "leads to stays at %2 (remove it too if you wish).")
                .arg(CliOutput::escaped(file.absoluteFilePath()),
                     CliOutput::escaped(file.canonicalFilePath())));
    return std::get<AppDescriptor>(result);
}

} // namespace

std::optional<std::variant<AppDescriptor, int>> readLinuxApp(const QString& argument,
                                                             const Host& host) {
    if (looksLikeId(argument))
        return findInstalled(argument, host);
    const std::optional<AppKind> kind = appKindOfFileName(argument);
    if (kind == AppKind::desktopEntry || kind == AppKind::appImage)
        return readAppFile(argument, host);
    return std::nullopt;
}

QString appArgumentHelp() {
    return CliText::tr("The .app bundle; on Linux also a desktop entry or its id, a Flatpak id, "
                       "a snap name or an AppImage.");
}

} // namespace tidewell
