#pragma once

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
//   identifier's name element, alone or after its vendor, or the bundle name a container
//   records), and those named for its vendor when none of the vendor's apps is installed.
// Never an identifier of the system (SystemIdentifiers), of an installed app or one of its
// helpers (the same identifier or base identifier, or one beginning with it), nor one of a
// vendor that still has an installed app, which may be that app's updater or crash reporter.
// Never a name that an installed app's search tokens or the system's own folders claim.
class BundleOrphanFinder {
public:
    // installed: the installed bundles; every folder is read through fileSystem.
    BundleOrphanFinder(Host host, const QList<AppDescriptor>& installed,
                       const FileSystem& fileSystem);

    // One removed app per identifier that no other of them begins, sorted by name.
    QList<RemovedApp> find() const;

private:
    // An entry named by, or recorded for, a bundle identifier.
    struct NamedEntry {
        QString path;
        QString identifier;
        OrphanCause cause = OrphanCause::identifierNotInstalled;
        bool offered = false;
        QString appName; // the bundle name a container records
    };
    enum class Naming { wholeName, hostSuffixed };

    QString library(const QString& relative) const;
    QList<NamedEntry> namedEntries() const;
    void addNamedIn(const QString& relative, Naming naming, bool offered,
                    QList<NamedEntry>& entries) const;
    void addContainersIn(const QString& relative, QList<NamedEntry>& entries) const;
    bool isClaimed(const QString& identifier) const;
    bool isClaimedName(const QString& compact) const;
    void addNameLikeItems(QList<RemovedApp>& apps) const;

    Host m_host;
    const FileSystem& m_fileSystem;
    QStringList m_installedIdentifiers; // lower case, base identifiers too
    QSet<QString> m_installedVendors;
    QSet<QString> m_installedTokens; // compact
};

} // namespace tidewell
