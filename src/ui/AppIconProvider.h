#pragma once

#include "platform/ProgramRunner.h"

#include <QImage>
#include <QQuickAsyncImageProvider>
#include <QThreadPool>

#include <memory>

namespace tidewell {

class FileSystem;

// "image://appicon/<percent-encoded bundle path>": the icon a bundle names in its
// Info.plist ("CFBundleIconFile", an .icns in Contents/Resources), else a generic
// application icon. The plist is read and the icon decoded on a worker thread, never on the
// thread that draws the window. An AppImage's icon is read with unsquashfs through programs.
class AppIconProvider : public QQuickAsyncImageProvider {
public:
    AppIconProvider(const FileSystem& fileSystem, std::shared_ptr<const ProgramRunner> programs);

    // The icon file a bundle names, or an empty string when it names none.
    static QString iconFilePath(const FileSystem& fileSystem, const QString& appPath);
    // The icon of a bundle, or of a Linux application's desktop entry (a path ending in
    // ".desktop"), at the requested size (88 by 88 when none is asked for), else the generic
    // icon; reads the disk.
    static QImage loadIcon(const FileSystem& fileSystem, const ProgramRunner& programs,
                           const QString& appPath, const QSize& requestedSize,
                           const QImage& genericIcon);

    QQuickImageResponse* requestImageResponse(const QString& id,
                                              const QSize& requestedSize) override;

private:
    const FileSystem& m_fileSystem;
    std::shared_ptr<const ProgramRunner> m_programs;
    // Drawn from the icon theme on the GUI thread once, since theme icons are not thread-safe.
    QImage m_genericIcon;
    QThreadPool m_pool;
};

} // namespace tidewell
