#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

#include <optional>

namespace tidewell {

// One file-type icon per kind of item (plain folder, or lower-case extension) for the life of
// the process, so that a long list asks the icon theme for each kind once. Main thread only.
class IconCache {
public:
    // Edge of the icons in device-independent pixels.
    static constexpr int iconSize = 18;

    static IconCache& shared();

    // Lower-case extension of a path's last component; empty without a dot (a leading dot
    // alone does not start an extension).
    static QString extensionOfPath(const QString& path);
    // "dir:" for a plain folder, else "file:" + the lower-case extension (bundles included).
    static QString keyFor(const QString& extension, bool isFolder);

    std::optional<QPixmap> get(const QString& extension, bool isFolder) const;
    void set(const QPixmap& icon, const QString& extension, bool isFolder);

    // The icon for a key made by keyFor(), looked up in the theme on the first request only.
    QPixmap iconForKey(const QString& key, qreal devicePixelRatio);
    // Number of theme lookups so far.
    int lookupCount() const { return m_lookupCount; }

private:
    static QString themeIconName(const QString& extension, bool isFolder);

    QHash<QString, QPixmap> m_cache;
    int m_lookupCount = 0;
};

} // namespace tidewell
