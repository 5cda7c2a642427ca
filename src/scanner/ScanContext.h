#pragma once

#include "MatchNeedles.h"
#include "model/AppDescriptor.h"
#include "platform/Host.h"

#include <QString>

namespace tidewell {

// Where a path lies among the folders a scan looks at, and which part of it the rules read.
struct PathPlace {
    enum class Kind {
        outside,       // in none of the scan's folders
        libraryFolder, // a Library folder itself
        libraryEntry,  // directly inside a Library folder ("~/Library/Caches") or a system
                       // store of one entry per application (Help Viewer's indexes)
        belowRoot,     // below a root folder: the part from relativeStart on is matched
    };
    Kind kind = Kind::outside;
    qsizetype relativeStart = 0;    // where the part below the root folder starts
    bool stripsTeamId = false;      // the root folder's entries may start with a team id
    bool inApplications = false;    // below an Applications folder
    bool inGroupContainers = false; // below a Group Containers folder
    bool inSharedFolder = false;    // below the shared folder, where users keep their work too
};

// Everything one scan matches against, built once and shared read-only by all its workers.
class ScanContext {
public:
    // appPath and the host's home and root are standardized here; the application path is the
    // descriptor's appURL made absolute, as the walk meets the bundle by its absolute path.
    // installed: the other applications installed, whose vendors are then not ours alone.
    ScanContext(const AppDescriptor& app, const Host& host,
                const QList<AppDescriptor>& installed = {});

    const AppDescriptor& app() const { return m_app; }
    const QString& homePath() const { return m_homePath; }
    const QString& appPath() const { return m_appPath; }
    const QString& rootPath() const { return m_rootPath; }
    const Host& host() const { return m_host; }
    const MatchNeedles& needles() const { return m_needles; }
    // Whether another installed application has the application's vendor.
    bool vendorIsShared() const { return m_vendorIsShared; }

    // Trash, system and temporary folders are neither matched nor entered.
    bool isProtectedPath(const QString& path) const;
    // The root folders are the entries of the two Library folders, the two Applications
    // folders and the shared folder; their own names are never matched.
    PathPlace place(QStringView path) const;

private:
    AppDescriptor m_app;
    Host m_host;
    QString m_homePath;
    QString m_appPath;
    QString m_rootPath;
    QString m_protectedPrefixes[3];
    QString m_libraries[2];
    QString m_applications[2];
    QString m_sharedPath;
    bool m_vendorIsShared = false;
    MatchNeedles m_needles;
};

} // namespace tidewell
