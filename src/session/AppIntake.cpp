#include "AppIntake.h"

#include "model/LinuxAppIdentity.h"
#include "model/PathRules.h"
#include "platform/AppImageReading.h"
#include "platform/AppStreamMetadata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tidewell::AppIntake {

namespace {

// An AppImage's embedded entry, written to a file of its own name so that the key file reader
// and the desktop file id work as for any entry.
AppDescriptor::Result readAppImage(const QString& path, const ProgramRunner& programs) {
    const std::optional<appimage::EmbeddedEntry> embedded =
        appimage::embeddedDesktopEntry(path, programs);
    QTemporaryDir folder;
    if (!embedded || !folder.isValid() || !pathrules::isSafeComponent(embedded->fileName))
        return AppDescriptorError::unreadableAppImage;
    QFile copy(folder.filePath(embedded->fileName));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(embedded->text) != embedded->text.size())
        return AppDescriptorError::unreadableAppImage;
    copy.close();
    const std::optional<DesktopEntry> entry = readDesktopEntry(copy.fileName());
    if (!entry)
        return AppDescriptorError::unreadableAppImage;
    if (const auto defect = linuxapp::defectOf(*entry))
        return *defect;
    return linuxapp::describeAppImage(*entry, path);
}

} // namespace

AppDescriptor describeEntry(DesktopEntry entry) {
    entry.appStreamId = appstream::componentIdFor(entry.filePath);
    return linuxapp::describe(entry);
}

AppDescriptor::Result read(const QUrl& url, const ProgramRunner& programs) {
    const QString path = QDir::cleanPath(url.toLocalFile());
    if (url.isLocalFile() && linuxapp::isAppImagePath(path))
        return readAppImage(path, programs);
    if (!url.isLocalFile() || !path.endsWith(QStringLiteral(".desktop")))
        return AppDescriptor::from(url);
    const std::optional<DesktopEntry> entry = readDesktopEntry(path);
    if (!entry || entry->hidden)
        return AppDescriptorError::unreadableDesktopEntry;
    if (const auto defect = linuxapp::defectOf(*entry))
        return *defect;
    return describeEntry(*entry);
}

} // namespace tidewell::AppIntake
