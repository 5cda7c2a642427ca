#include "PackagedAppSize.h"

#include "ItemClassification.h"
#include "model/ItemGroup.h"
#include "model/LinuxAppIdentity.h"
#include "model/PathRules.h"
#include "platform/DebianPackages.h"
#include "platform/DpkgDatabase.h"

#include <QFileInfo>

namespace tidewell {

namespace {

// The deployed files of the app's current commit: the user's installation holds the apps whose
// entries lie in the home, the system's the others.
std::optional<qint64> flatpakSize(const AppDescriptor& app, const Host& host,
                                  const FileSystem& fileSystem) {
    const QString entry = app.appURL.toLocalFile();
    const QString installation = pathrules::liesInside(entry, host.home)
                                     ? host.data + QStringLiteral("/flatpak/app")
                                     : host.systemPath(QStringLiteral("/var/lib/flatpak/app"));
    const QString appFolder = pathrules::joinedInside(installation, app.linuxFacts.packageId);
    if (appFolder.isEmpty())
        return std::nullopt;
    const QString deployed = fileSystem.resolvedPath(appFolder + QStringLiteral("/current/active"));
    if (deployed.isEmpty() || !fileSystem.isDirectory(deployed))
        return std::nullopt;
    return directorySize(deployed, fileSystem).bytes;
}

// snapd mounts /var/lib/snapd/snaps/<name>_<revision>.snap at /snap/<name>/<revision>, and
// /snap/<name>/current names the revision in use.
std::optional<qint64> snapSize(const AppDescriptor& app, const Host& host,
                               const FileSystem& fileSystem) {
    const QString& name = app.linuxFacts.packageId;
    const QString snapFolder =
        pathrules::joinedInside(host.systemPath(QStringLiteral("/snap")), name);
    if (snapFolder.isEmpty())
        return std::nullopt;
    const QString revision =
        QFileInfo(fileSystem.resolvedPath(snapFolder + QStringLiteral("/current"))).fileName();
    const QString image =
        pathrules::joinedInside(host.systemPath(QStringLiteral("/var/lib/snapd/snaps")),
                                name + u'_' + revision + QStringLiteral(".snap"));
    if (revision.isEmpty() || image.isEmpty() || !fileSystem.exists(image))
        return std::nullopt;
    return regularFileSize(image, fileSystem);
}

std::optional<qint64> debianPackageSize(const AppDescriptor& app, const Host& host,
                                        const ProgramRunner& programs) {
    const QString entry = app.appURL.toLocalFile();
    const QString package = debian::packagesOwning({entry}, host, programs).value(entry);
    return package.isEmpty() ? std::nullopt : debian::installedSize(host, package, programs);
}

} // namespace

std::optional<qint64> packagedAppSize(const AppDescriptor& app, const Host& host,
                                      const ProgramRunner& programs, const FileSystem& fileSystem) {
    switch (app.kind) {
    case AppKind::flatpak:
        return flatpakSize(app, host, fileSystem);
    case AppKind::snap:
        return snapSize(app, host, fileSystem);
    case AppKind::desktopEntry:
        // An app with a program of its own in the user's folders is no package's.
        if (!appItselfPath(app))
            return debianPackageSize(app, host, programs);
        break;
    case AppKind::bundle:
    case AppKind::appImage:
        break;
    }
    return std::nullopt;
}

} // namespace tidewell
