#include "AppIntake.h"

#include "model/LinuxAppIdentity.h"
#include "platform/DesktopEntry.h"

#include <QDir>

namespace tidewell::AppIntake {

AppDescriptor::Result read(const QUrl& url) {
    const QString path = QDir::cleanPath(url.toLocalFile());
    if (!url.isLocalFile() || !path.endsWith(QStringLiteral(".desktop")))
        return AppDescriptor::from(url);
    const std::optional<DesktopEntry> entry = readDesktopEntry(path);
    if (!entry || entry->hidden)
        return AppDescriptorError::unreadableDesktopEntry;
    return linuxapp::describe(*entry);
}

} // namespace tidewell::AppIntake
