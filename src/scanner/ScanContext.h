#pragma once

#include "MatchNeedles.h"
#include "ScanEnvironment.h"
#include "model/AppDescriptor.h"

#include <QString>

namespace tidewell {

// Everything one scan matches against, built once and shared read-only by all its workers.
class ScanContext {
public:
    // appPath and the environment's paths are standardized here; the application path is the
    // descriptor's appURL made absolute, as the walk meets the bundle by its absolute path.
    ScanContext(const AppDescriptor& app, const ScanEnvironment& environment);

    const AppDescriptor& app() const { return m_app; }
    const QString& homePath() const { return m_homePath; }
    const QString& sharedPath() const { return m_sharedPath; }
    const QString& appPath() const { return m_appPath; }
    const QString& rootPath() const { return m_rootPath; }
    const ScanEnvironment& environment() const { return m_environment; }
    const MatchNeedles& needles() const { return m_needles; }

    // Trash, system and temporary folders are neither matched nor entered.
    bool isProtectedPath(const QString& path) const;
    // Where the part of path that the rules read starts: the home path, or else the root
    // folder, is cut off first, then the shared folder.
    qsizetype relativePathStart(QStringView path) const;
    // Whether the cuts of relativePathStart are the same for every path below folder as for
    // the folder itself, so an entry's relative path is the folder's plus "/" and its name.
    bool decidesCutsBelow(QStringView folder) const;

private:
    qsizetype homeOrRootCut(QStringView path) const;

    AppDescriptor m_app;
    ScanEnvironment m_environment;
    QString m_homePath;
    QString m_sharedPath;
    QString m_appPath;
    QString m_rootPath;
    QString m_protectedPrefixes[3];
    MatchNeedles m_needles;
};

} // namespace tidewell
