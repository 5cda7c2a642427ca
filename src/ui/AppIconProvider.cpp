#include "AppIconProvider.h"

#include "model/LinuxAppIdentity.h"
#include "platform/AppImageReading.h"
#include "platform/DesktopEntry.h"
#include "platform/FileSystem.h"
#include "platform/SmallFileReading.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QRunnable>
#include <QStandardPaths>
#include <QUrl>

namespace tidewell {

namespace {

constexpr int defaultEdge = 88;
constexpr int genericEdge = 256;
// A macOS icon set with every size up to 1024 pixels holds a few megabytes.
constexpr qint64 maximumIconFileSize = 16 << 20;

// Loads one icon on the provider's pool and hands it over; deletes itself when done.
class BundleIconLoader : public QObject, public QRunnable {
    Q_OBJECT
public:
    BundleIconLoader(const FileSystem& fileSystem, std::shared_ptr<const ProgramRunner> programs,
                     QString appPath, QSize requestedSize, QImage genericIcon)
        : m_fileSystem(fileSystem), m_programs(std::move(programs)),
          m_appPath(std::move(appPath)), m_requestedSize(requestedSize),
          m_genericIcon(std::move(genericIcon)) {}

    void run() override {
        emit loaded(AppIconProvider::loadIcon(m_fileSystem, *m_programs, m_appPath,
                                              m_requestedSize, m_genericIcon));
    }

signals:
    void loaded(const QImage& image);

private:
    const FileSystem& m_fileSystem;
    std::shared_ptr<const ProgramRunner> m_programs;
    QString m_appPath;
    QSize m_requestedSize;
    QImage m_genericIcon;
};

// One icon request as the view sees it. The view may drop it before the icon is loaded; the
// queued hand-over then never reaches it.
class BundleIconResponse : public QQuickImageResponse {
    Q_OBJECT
public:
    explicit BundleIconResponse(BundleIconLoader* loader) {
        connect(
            loader, &BundleIconLoader::loaded, this,
            [this](const QImage& image) {
                m_image = image;
                emit finished();
            },
            Qt::QueuedConnection);
    }

    QQuickTextureFactory* textureFactory() const override {
        return QQuickTextureFactory::textureFactoryForImage(m_image);
    }

private:
    QImage m_image;
};

} // namespace

AppIconProvider::AppIconProvider(const FileSystem& fileSystem,
                                 std::shared_ptr<const ProgramRunner> programs)
    : m_fileSystem(fileSystem), m_programs(std::move(programs)),
      m_genericIcon(QIcon::fromTheme(QStringLiteral("application-x-executable"))
                        .pixmap(genericEdge, genericEdge)
                        .toImage()) {}

namespace {

QImage imageFrom(const QByteArray& data, const QSize& edge) {
    QBuffer bytes;
    bytes.setData(data);
    QImageReader reader(&bytes);
    reader.setScaledSize(edge);
    return reader.read();
}

// Read through the platform's reader, which never waits on a FIFO or device put in the way.
QImage imageAt(const QString& path, const QSize& edge) {
    const std::optional<QByteArray> data =
        path.isEmpty() ? std::nullopt : readSmallFile(path, maximumIconFileSize);
    return data ? imageFrom(*data, edge) : QImage();
}

// The file of an icon name in the fallback theme every application installs into (hicolor),
// largest first, or in the old pixmaps folder. Found by plain file look-ups, as the icon
// theme itself may only be used on the GUI thread.
QString themeIconFile(const QString& name) {
    static const QStringList sizes{QStringLiteral("512x512"), QStringLiteral("256x256"),
                                   QStringLiteral("128x128"), QStringLiteral("scalable"),
                                   QStringLiteral("96x96"),   QStringLiteral("64x64"),
                                   QStringLiteral("48x48"),   QStringLiteral("32x32")};
    const QStringList dataFolders =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& size : sizes) {
        for (const QString& folder : dataFolders) {
            for (const char* extension : {".png", ".svg"}) {
                const QString file = folder + QStringLiteral("/icons/hicolor/") + size +
                                     QStringLiteral("/apps/") + name + QLatin1String(extension);
                if (QFileInfo::exists(file))
                    return file;
            }
        }
    }
    for (const QString& folder : dataFolders) {
        const QString file = folder + QStringLiteral("/pixmaps/") + name + QStringLiteral(".png");
        if (QFileInfo::exists(file))
            return file;
    }
    return {};
}

// A desktop entry's Icon=: a file when it is a path, otherwise a name in the icon theme.
QImage desktopEntryIcon(const QString& entryPath, const QSize& edge) {
    const std::optional<DesktopEntry> entry = readDesktopEntry(entryPath);
    if (!entry || entry->icon.isEmpty() || entry->icon.contains(QStringLiteral("..")))
        return {};
    return imageAt(QDir::isAbsolutePath(entry->icon) ? entry->icon : themeIconFile(entry->icon),
                   edge);
}

// The icon an AppImage carries, read from its image without running it.
QImage appImageIcon(const QString& path, const ProgramRunner& programs, const QSize& edge) {
    const std::optional<appimage::EmbeddedEntry> icon = appimage::embeddedIcon(path, programs);
    return icon ? imageFrom(icon->text, edge) : QImage();
}

} // namespace

QString AppIconProvider::iconFilePath(const FileSystem& fileSystem, const QString& appPath) {
    const QDir contents(QDir(appPath).filePath(QStringLiteral("Contents")));
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

QImage AppIconProvider::loadIcon(const FileSystem& fileSystem, const ProgramRunner& programs,
                                 const QString& appPath, const QSize& requestedSize,
                                 const QImage& genericIcon) {
    const QSize edge = requestedSize.isValid() ? requestedSize : QSize(defaultEdge, defaultEdge);
    QImage icon;
    if (appPath.endsWith(QStringLiteral(".desktop")))
        icon = desktopEntryIcon(appPath, edge);
    else if (linuxapp::isAppImagePath(appPath))
        icon = appImageIcon(appPath, programs, edge);
    else
        icon = imageAt(iconFilePath(fileSystem, appPath), edge);
    if (icon.isNull() && !genericIcon.isNull())
        icon = genericIcon.scaled(edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return icon;
}

QQuickImageResponse* AppIconProvider::requestImageResponse(const QString& id,
                                                           const QSize& requestedSize) {
    auto* loader =
        new BundleIconLoader(m_fileSystem, m_programs, QUrl::fromPercentEncoding(id.toUtf8()),
                             requestedSize, m_genericIcon);
    auto* response = new BundleIconResponse(loader);
    m_pool.start(loader);
    return response;
}

} // namespace tidewell

#include "AppIconProvider.moc"
