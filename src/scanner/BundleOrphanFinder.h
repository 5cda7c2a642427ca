#pragma once

#include "InstalledBundleClaims.h"
#include "RemovedApp.h"
#include "model/AppDescriptor.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"

#include <QList>
#include <QSet>
#include <QStringList>

namespace tidewell {

// Finds what app bundles that are gone left in the user's Library, on a macOS-style host (one
// with an Applications folder under its root and a Library in its home):
// - containers and group containers whose metadata records the identifier of no installed app;
// - entries of Preferences (and ByHost), Caches, Application Support, Logs, Saved Application
//   State, HTTPStorages and WebKit named by such an identifier, and, offered rather than
//   selected, those of Application Scripts and Cookies;
// - offered too: entries of Application Support, Caches and Logs named like a removed app (its
//   identifier's name element, alone or after its vendor, or the name of the bundle that its
//   container's metadata or its preference file records, as apps built on Chromium record where
//   they last ran), and those named for its vendor when none of the vendor's apps is installed.
// An identifier the installed apps or the system claim (InstalledBundleClaims) is never taken,
// nor a container or preference file that records an app bundle still standing where it says.
// A removed app is one identifier with those that begin with it; it is taken only when the
// system named something by it (an app's own settings, windows, storage or container), and,
// when its vendor has an installed app, only when it shows an app of its own (saved windows or
// a container): otherwise it may be that app's updater or a framework's cache. A group
// container alone tells nothing of the apps that share it. Names that the installed apps' search
// tokens or the system's own folders claim are never offered.
class BundleOrphanFinder {
public:
    // installed: the installed bundles; every folder is read through fileSystem.
    BundleOrphanFinder(Host host, const QList<AppDescriptor>& installed,
                       const FileSystem& fileSystem);

    // One removed app per identifier that no other of them begins, sorted by name.
    QList<RemovedApp> find() const;

private:
    // Where an entry lies, which tells how much it says of its app: the system names some
    // folders by the app's identifier (its preferences, web storage, scripts and cookies, its
    // saved windows and container, which only an app has); an app or a framework it carries
    // names its caches, support folders and logs as it likes.
    enum class Place { appNamed, systemNamed, preferences, windows, container, groupContainer };
    // An entry named by, or recorded for, a bundle identifier.
    struct NamedEntry {
        QString path;
        QString identifier;
        Place place = Place::appNamed;
        bool offered = false;
        QString bundleName; // of the bundle a container's metadata or a preference file records
    };
    // A removed app, with the compact names of the bundles its entries record.
    struct FoundApp {
        RemovedApp app;
        QSet<QString> bundleNames;
    };
    enum class Naming { wholeName, hostSuffixed };

    QString library(const QString& relative) const;
    QList<NamedEntry> namedEntries() const;
    void addNamedIn(const QString& relative, Naming naming, Place place, bool offered,
                    QList<NamedEntry>& entries) const;
    void addContainersIn(const QString& relative, Place place, QList<NamedEntry>& entries) const;
    // Whether one of the bundles recorded for an entry's app is still where it was recorded.
    bool anyStandsWhereRecorded(const QSet<QString>& bundles) const;
    // Names the preference files' apps by the bundle they record, and drops those that record
    // an app still standing there.
    void readRecordedBundles(QList<NamedEntry>& entries) const;
    QList<FoundApp> groupedByRoot(const QList<NamedEntry>& entries) const;
    void addNameLikeItems(QList<FoundApp>& found) const;

    Host m_host;
    const FileSystem& m_fileSystem;
    InstalledBundleClaims m_claims;
};

} // namespace tidewell
