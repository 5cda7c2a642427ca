#pragma once

#include "Host.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tidewell::appstream {

// What the distribution's AppStream catalog says of one component of a package: the names the
// app went by, known even after its package is gone.
struct CatalogEntry {
    QString id;
    QString package;
    QString name;           // the untranslated name
    QString icon;           // the stock icon name
    QStringList desktopIds; // launched desktop entries, without ".desktop"
    QStringList binaries;   // the programs it provides

    friend bool operator==(const CatalogEntry&, const CatalogEntry&) = default;
};

// The components of a catalog in Debian's DEP-11 YAML form (documents separated by "---"),
// those of packages only: each with its ID, Package, Name's C value, Icon's stock name,
// Launchable's desktop-id list and Provides' binaries list. Components without an ID or a
// package, and everything else a document holds, are left out.
QList<CatalogEntry> parseCatalog(const QByteArray& yaml, const QSet<QString>& packages);

// The components of packages in the host's catalogs under its root (the gzipped YAML files of
// /var/lib/swcatalog/yaml and the older /var/lib/app-info/yaml). Catalogs that cannot be read
// are passed over: the catalog only adds names to what dpkg tells.
QList<CatalogEntry> readCatalogEntries(const Host& host, const QSet<QString>& packages);

} // namespace tidewell::appstream
