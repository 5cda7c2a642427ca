#pragma once

#include "CancellationToken.h"
#include "RemovedApp.h"
#include "RemovedPackages.h"
#include "model/AppDescriptor.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "platform/ProgramRunner.h"

#include <QList>
#include <QSet>

namespace tidewell {

// Finds what removed Debian packages left in the user's folders. The packages are those dpkg
// keeps only the configuration files of and those apt's history removed or purged; their
// applications' names come from what the host still has of them (dpkg's file list, the
// package's archive in apt's cache, the distribution's AppStream catalog). Each application is
// looked for as a scan would (LinuxLeftoverFinder, the same keys and tiers), and its dconf
// folders by its reverse-DNS ids. Nothing an installed application claims is ever listed: no
// name that one of its keys is, that an installed package is called or starts with, or that a
// program on the host's path has; no dconf folder that an installed application's ids name.
class DebianOrphanFinder {
public:
    // installed: the installed applications. dpkg-query, dpkg-deb and dconf are asked through
    // programs; the user's folders are read through fileSystem.
    DebianOrphanFinder(Host host, const QList<AppDescriptor>& installed,
                       const ProgramRunner& programs, const FileSystem& fileSystem);

    // The removed packages with leftovers, sorted by name; cancel is asked between packages.
    OrphanReport find(const CancellationToken& cancel = {}) const;

private:
    QHash<QString, PackageNames> namesOf(const QList<RemovedPackage>& removed) const;
    QSet<QString> claimedNames(const std::optional<debian::PackageStates>& states,
                               const QHash<QString, PackageNames>& names) const;

    Host m_host;
    QList<AppDescriptor> m_installed;
    const ProgramRunner& m_programs;
    const FileSystem& m_fileSystem;
};

} // namespace tidewell
