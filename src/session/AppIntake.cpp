#include "AppIntake.h"

#include "model/LinuxAppIdentity.h"
#include "model/PathRules.h"
#include "platform/AppImageReading.h"
#include "platform/AppStreamMetadata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tidewell::AppIntake {

namespace {

// An AppImage's embedded entry, read as an entry of its own name, so that the desktop file id
// is its file name as for any entry.
AppDescriptor::Result readAppImage(const QString& path, const ProgramRunner& programs) {
    const std::optional<appimage::EmbeddedEntry> embedded =
        appimage::embeddedDesktopEntry(path, programs);
    if (!embedded || !pathrules::isSafeComponent(embedded->fileName))
        return AppDescriptorError::unreadableAppImage;
    const std::optional<DesktopEntry> entry =
        parseDesktopEntry(embedded->text, QDir(path).filePath(embedded->fileName));
    if (!entry)
        return AppDescriptorError::unreadableAppImage;
    if (const auto defect = linuxapp::defectOf(*entry))
        return *defect;
    return linuxapp::describeAppImage(*entry, path);
}

// A dropped entry, with the AppStream id of its metainfo. A launcher whose AppImage is gone
// leaves only itself and the image's leftovers: it is read as a plain entry.
AppDescriptor describeEntry(DesktopEntry entry) {
    entry.appStreamId = appstream::componentIdFor(entry.filePath);
    AppDescriptor app = linuxapp::describe(entry);
    if (app.kind == AppKind::appImage && !QFileInfo::exists(app.appURL.toLocalFile())) {
        app.appURL = QUrl::fromLocalFile(entry.filePath);
        app.kind = AppKind::desktopEntry;
    }
    return app;
}

} // namespace

AppDescriptor::Result read(const QUrl& url, const ProgramRunner& programs) {
    const QString path = QDir::cleanPath(url.toLocalFile());
    const std::optional<AppKind> kind = url.isLocalFile() ? appKindOfFileName(path) : std::nullopt;
    if (kind == AppKind::appImage)
        return readAppImage(path, programs);
    if (kind != AppKind::desktopEntry)
        return AppDescriptor::from(url);
    const std::optional<DesktopEntry> entry = readDesktopEntry(path);
    if (!entry || entry->hidden)
        return AppDescriptorError::unreadableDesktopEntry;
    if (const auto defect = linuxapp::defectOf(*entry))
        return *defect;
    return describeEntry(*entry);
}

AppDescriptor::Result readDropped(const QUrl& url, const ProgramRunner& programs) {
    if (url.isLocalFile() && !QFileInfo::exists(QDir::cleanPath(url.toLocalFile())))
        return AppDescriptorError::notFound;
    return read(url, programs);
}

QString errorText(AppDescriptorError error, const QUrl& url) {
    const QString name = QFileInfo(QDir::cleanPath(url.toLocalFile())).fileName();
    switch (error) {
    case AppDescriptorError::notFound:
        return QCoreApplication::translate("AppIntake", "“%1” does not exist.").arg(name);
    case AppDescriptorError::notAnAppBundle:
        return QCoreApplication::translate("AppIntake",
                                           "“%1” is not an app. Choose an app bundle, a "
                                           "desktop entry or an AppImage.")
            .arg(name);
    default:
        return errorDescription(error);
    }
}

} // namespace tidewell::AppIntake
