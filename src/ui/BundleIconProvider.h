#pragma once

#include <QQuickImageProvider>

namespace tidewell {

class FileSystem;

// "image://bundleicon/<percent-encoded bundle path>": the icon a bundle names in its
// Info.plist ("CFBundleIconFile", an .icns in Contents/Resources), else a generic
// application icon.
class BundleIconProvider : public QQuickImageProvider {
public:
    explicit BundleIconProvider(const FileSystem& fileSystem);

    // The icon file a bundle names, or an empty string when it names none.
    static QString iconFilePath(const FileSystem& fileSystem, const QString& bundlePath);

    QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;

private:
    const FileSystem& m_fileSystem;
};

} // namespace tidewell
