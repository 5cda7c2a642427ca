#include "IconCache.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>
#include <QSet>

namespace tidewell {

namespace {

const QLatin1String folderPrefix("dir:");
const QLatin1String filePrefix("file:");

// Bundle kinds drawn with an application or package icon rather than a document icon.
bool isBundleExtension(const QString& extension) {
    static const QSet<QString> kinds{"app",    "bundle",   "framework", "kext",
                                     "plugin", "prefpane", "saver"};
    return kinds.contains(extension);
}

// The theme's icon for the type registered for an extension, if the database knows one.
QString registeredTypeIcon(const QString& extension) {
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(QStringLiteral("item.") + extension,
                                                    QMimeDatabase::MatchExtension);
    if (type.isDefault())
        return {};
    if (QIcon::hasThemeIcon(type.iconName()))
        return type.iconName();
    if (QIcon::hasThemeIcon(type.genericIconName()))
        return type.genericIconName();
    return {};
}

} // namespace

IconCache& IconCache::shared() {
    static IconCache cache;
    return cache;
}

QString IconCache::extensionOfPath(const QString& path) {
    const QString name = QFileInfo(QDir::cleanPath(path)).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {};
    return name.mid(dot + 1).toLower();
}

// Plain folders share one icon; a bundle is a folder too but is drawn by its kind.
QString IconCache::keyFor(const QString& extension, bool isFolder) {
    const QString lowerExtension = extension.toLower();
    if (isFolder && !isBundleExtension(lowerExtension))
        return folderPrefix;
    return filePrefix + lowerExtension;
}

std::optional<QPixmap> IconCache::get(const QString& extension, bool isFolder) const {
    const auto found = m_cache.constFind(keyFor(extension, isFolder));
    if (found == m_cache.cend())
        return std::nullopt;
    return *found;
}

void IconCache::set(const QPixmap& icon, const QString& extension, bool isFolder) {
    m_cache.insert(keyFor(extension, isFolder), icon);
}

QString IconCache::themeIconName(const QString& extension, bool isFolder) {
    if (isFolder)
        return QStringLiteral("folder");
    if (extension == QLatin1String("app"))
        return QStringLiteral("application-x-executable");
    const QString registered = registeredTypeIcon(extension);
    if (!registered.isEmpty())
        return registered;
    return isBundleExtension(extension) ? QStringLiteral("package-x-generic")
                                        : QStringLiteral("text-x-generic");
}

QPixmap IconCache::iconForKey(const QString& key, qreal devicePixelRatio) {
    const bool isFolder = key.startsWith(folderPrefix);
    const QString extension = key.mid(isFolder ? folderPrefix.size() : filePrefix.size());
    if (const std::optional<QPixmap> cached = get(extension, isFolder))
        return *cached;
    ++m_lookupCount;
    const QIcon icon = QIcon::fromTheme(themeIconName(extension, isFolder));
    QPixmap pixmap = icon.pixmap(QSize(iconSize, iconSize), devicePixelRatio);
    set(pixmap, extension, isFolder);
    return pixmap;
}

} // namespace tidewell
