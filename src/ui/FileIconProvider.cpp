#include "FileIconProvider.h"

#include "IconCache.h"

#include <QGuiApplication>

namespace tidewell {

FileIconProvider::FileIconProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}

QPixmap FileIconProvider::requestPixmap(const QString& id, QSize* size, const QSize&) {
    const QPixmap icon = IconCache::shared().iconForKey(id, qApp->devicePixelRatio());
    if (size)
        *size = icon.deviceIndependentSize().toSize();
    return icon;
}

} // namespace tidewell
