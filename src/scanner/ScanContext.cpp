#include "ScanContext.h"

#include "PathNames.h"

#include <QFileInfo>

namespace tidewell {

namespace {

// The folders of an environment without "." components or trailing slashes; a root of "/" is
// the real root.
ScanEnvironment standardizedEnvironment(const ScanEnvironment& environment) {
    QString root = pathnames::standardized(environment.rootPath);
    if (root == u'/')
        root.clear();
    return {pathnames::standardized(environment.homePath), root};
}

} // namespace

ScanContext::ScanContext(const AppDescriptor& app, const ScanEnvironment& environment)
    : m_app(app), m_environment(standardizedEnvironment(environment)),
      m_homePath(m_environment.homePath), m_sharedPath(QStringLiteral("/Users/Shared")),
      m_appPath(pathnames::standardized(QFileInfo(app.appURL.toLocalFile()).absoluteFilePath())),
      m_rootPath(m_environment.rootPath),
      m_protectedPrefixes{m_homePath + QStringLiteral("/.Trash"),
                          m_environment.systemPath(QStringLiteral("/System/")),
                          m_environment.systemPath(QStringLiteral("/private/var/folders/"))},
      m_needles(MatchNeedles::compile(app)) {}

bool ScanContext::isProtectedPath(const QString& path) const {
    for (const QString& prefix : m_protectedPrefixes) {
        if (path.startsWith(prefix))
            return true;
    }
    return false;
}

qsizetype ScanContext::relativePathStart(QStringView path) const {
    const qsizetype start = homeOrRootCut(path);
    return path.sliced(start).startsWith(m_sharedPath) ? start + m_sharedPath.size() : start;
}

bool ScanContext::decidesCutsBelow(QStringView folder) const {
    // A longer path starts with a prefix exactly when the folder does, once the folder is at
    // least as long as the prefix.
    if (folder.size() < m_homePath.size() || folder.size() < m_rootPath.size())
        return false;
    return folder.size() - homeOrRootCut(folder) >= m_sharedPath.size();
}

qsizetype ScanContext::homeOrRootCut(QStringView path) const {
    if (path.startsWith(m_homePath))
        return m_homePath.size();
    if (!m_rootPath.isEmpty() && path.startsWith(m_rootPath))
        return m_rootPath.size();
    return 0;
}

} // namespace tidewell
