#include "BundleIconProvider.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QUrl>

namespace tidewell {

namespace {

constexpr int defaultEdge = 88;

QPixmap genericApplicationIcon(const QSize& size) {
    return QIcon::fromTheme(QStringLiteral("application-x-executable")).pixmap(size);
}

} // namespace

BundleIconProvider::BundleIconProvider(const FileSystem& fileSystem)
    : QQuickImageProvider(QQuickImageProvider::Pixmap), m_fileSystem(fileSystem) {}

QString BundleIconProvider::iconFilePath(const FileSystem& fileSystem, const QString& bundlePath) {
    const QDir contents(QDir(bundlePath).filePath(QStringLiteral("Contents")));
    const std::optional<QVariantMap> info =
        fileSystem.readPropertyList(contents.filePath(QStringLiteral("Info.plist")));
    if (!info)
        return {};
    QString name = info->value(QStringLiteral("CFBundleIconFile")).toString().trimmed();
    // Only a plain file name inside the bundle's resources is followed.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
        return {};
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".icns");
    return contents.filePath(QStringLiteral("Resources/") + name);
}

QPixmap BundleIconProvider::requestPixmap(const QString& id, QSize* size,
                                          const QSize& requestedSize) {
    const QSize edge = requestedSize.isValid() ? requestedSize : QSize(defaultEdge, defaultEdge);
    const QString bundlePath = QUrl::fromPercentEncoding(id.toUtf8());
    QPixmap icon;
    const QString iconFile = iconFilePath(m_fileSystem, bundlePath);
    if (!iconFile.isEmpty()) {
        QImageReader reader(iconFile);
        reader.setScaledSize(edge);
        icon = QPixmap::fromImage(reader.read());
    }
    if (icon.isNull())
        icon = genericApplicationIcon(edge);
    if (size)
        *size = icon.size();
    return icon;
}

} // namespace tidewell
