#include "AppIntake.h"

#include "model/LinuxAppIdentity.h"
#include "model/PathRules.h"
#include "platform/AppImageReading.h"
#include "platform/AppStreamMetadata.h"

#include <QDir>

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

// A dropped entry, with the AppStream id of its metainfo.
AppDescriptor describeEntry(DesktopEntry entry) {
    entry.appStreamId = appstream::componentIdFor(entry.filePath);
    return linuxapp::describe(entry);
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

} // namespace tidewell::AppIntake
