#pragma once

#include "model/AppDescriptor.h"
#include "platform/AppStreamCatalog.h"
#include "platform/AptHistory.h"
#include "platform/DpkgDatabase.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace tidewell {

// A Debian package that is no longer installed.
struct RemovedPackage {
    QString name;
    bool purged = false; // its configuration files went too
    QDateTime removedAt; // invalid when no history says

    friend bool operator==(const RemovedPackage&, const RemovedPackage&) = default;
};

// The packages that are gone, sorted by name: those dpkg keeps only the configuration files of,
// and those whose last event in apt's history (oldest first) removed or purged them while dpkg
// has them in no other state (without dpkg's records, the history alone decides).
QList<RemovedPackage> removedPackages(const std::optional<debian::PackageStates>& states,
                                      const QList<apt::PackageEvent>& history);

// The names a package's application went by, from what the host still knows of the package.
struct PackageNames {
    QString displayName;
    QStringList desktopIds;
    QStringList appStreamIds;
    QStringList programs;
    QStringList icons;

    // The names the paths a package installs show: its desktop entries, metainfo files and,
    // when it installs no more than a few, its programs (a package of many programs is a
    // toolbox whose programs' names say little of any application).
    static PackageNames inFiles(const QStringList& paths);
    void add(const appstream::CatalogEntry& entry);
    void add(const PackageNames& other);
    // Every raw name, the package's own first.
    QStringList all(const QString& package) const;
};

// The descriptor a scan of the removed package's application would match with: the package
// as its id, its first desktop file id and AppStream id, and every other name as a weaker
// token.
AppDescriptor describeRemovedPackage(const QString& package, const PackageNames& names);

// The names installed packages claim, in compact form: each package's name, and the part
// before its first "-" ("libreoffice" of libreoffice-calc, "vim" of vim-common), which the
// package's siblings and the application it belongs to share.
QSet<QString> namesClaimedByPackages(const debian::PackageStates& states);

} // namespace tidewell
