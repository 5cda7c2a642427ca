#pragma once

#include "AppCatalogue.h"
#include "platform/DesktopEntry.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"

#include <QList>
#include <QSet>
#include <QString>

namespace tidewell {

// Why an item is taken for the leftover of an application that is gone.
enum class OrphanCause {
    flatpakNotInstalled,    // subject: the Flatpak app id
    snapNotInstalled,       // subject: the snap name
    appImageGone,           // subject: the AppImage's path; for an icon, its launcher's
                            // AppImage, or "appimagekit_<hash>" when no launcher is left
    programGone,            // subject: the program the entry runs
    debianPackageRemoved,   // subject: the package; named by one of its names
    containerOwnerGone,     // subject: the bundle identifier the container's metadata records
    identifierNotInstalled, // subject: the bundle identifier the item is named by
    vendorAppsGone,         // subject: the vendor, none of whose apps is installed
    nameOfRemovedApp,       // subject: the removed app's name the item is named by
};

struct Orphan {
    QString path;
    OrphanCause cause = OrphanCause::programGone;
    QString subject;
    // Offered, not selected: named like the app rather than by its identity.
    bool offered = false;
    // The bytes it takes, once measured (findRemovedApps); 0 before.
    qint64 sizeInBytes = 0;

    friend bool operator==(const Orphan&, const Orphan&) = default;
};

// Finds in the user's folders what applications that are no longer installed left behind,
// only where the evidence is exact, as nothing is inferred from names alone:
// - ~/.var/app/<id> and Flatpak override files of an id that no installation holds, and the
//   entries of the XDG folders named exactly by such an id;
// - ~/snap/<name> of a snap that is not installed;
// - desktop entries in the user's applications and autostart folders whose program is gone
//   (an absolute path that no longer exists, a name on no search path, a Flatpak or snap that
//   is not installed), and the icons of AppImage launchers that are gone.
// A Flatpak counts as installed when an installation holds it or an exported entry names it;
// a snap when its folder under /snap exists or an entry names it. /var/lib/flatpak and /snap
// are taken under the host's root; a program exists when it is on the host's program path or
// in ~/.local/bin.
class OrphanFinder {
public:
    // installed: the applications installed on host. Every folder is read through fileSystem.
    OrphanFinder(Host host, AppCatalogue installed, const FileSystem& fileSystem);

    // Sorted by path.
    QList<Orphan> find() const;

private:
    void addFlatpakData(QList<Orphan>& found) const;
    void addSnapData(QList<Orphan>& found) const;
    void addDesktopEntries(const QString& folder, QList<Orphan>& found) const;
    void addAppImageIcons(const QList<Orphan>& launchers, QList<Orphan>& found) const;
    std::optional<Orphan> orphanedEntry(const QString& path) const;
    bool programExists(const QString& program) const;
    enum class EntryKind { folders, files };
    // Names of the folder's entries of that kind, hidden ones included.
    QStringList childNames(const QString& folder, EntryKind kind) const;

    Host m_host;
    AppCatalogue m_installed;
    const FileSystem& m_fileSystem;
};

} // namespace tidewell
