#pragma once

#include <QQuickImageProvider>

namespace tidewell {

// "image://fileicon/<key>": file-type icons from the shared IconCache. Pixmap providers are
// always asked on the main thread, where the cache lives.
class FileIconProvider : public QQuickImageProvider {
public:
    FileIconProvider();
    QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;
};

} // namespace tidewell
