#include "ScanContext.h"

#include "PathNames.h"

#include <QFileInfo>

#include <algorithm>

namespace tidewell {

namespace {

// The host with its home and root without "." components or trailing slashes; a root of "/" is
// the real root.
Host standardizedHost(Host host) {
    host.home = pathnames::standardized(host.home);
    host.root = pathnames::standardized(host.root);
    if (host.root == u'/')
        host.root.clear();
    return host;
}

// The length of folder plus its slash when path lies strictly inside folder, else 0.
qsizetype insideLength(QStringView path, const QString& folder) {
    const qsizetype length = folder.endsWith(u'/') ? folder.size() : folder.size() + 1;
    return path.size() > length && path.startsWith(folder) && path[length - 1] == u'/' ? length : 0;
}

// Whether an installed application other than app has app's vendor.
bool sharesVendor(const AppDescriptor& app, const QList<AppDescriptor>& installed) {
    const std::u32string vendor = MatchNeedles::vendorOf(app.normalizedIdentifier);
    return std::any_of(installed.begin(), installed.end(), [&](const AppDescriptor& other) {
        return other.normalizedIdentifier != app.normalizedIdentifier &&
               MatchNeedles::vendorOf(other.normalizedIdentifier) == vendor;
    });
}

bool namesTeamRoot(QStringView rootName) {
    return rootName == u"Application Scripts" || rootName == u"Group Containers";
}

// Help Viewer keeps one index per application's help book, per language, named by the book's
// identifier ("com.example.Notes.help") or title ("Notes Help"): deeper than the walk goes, and
// inside a system cache whose other names must not count.
bool isInHelpIndexStore(QStringView belowLibrary) {
    static constexpr QStringView store = u"Caches/com.apple.helpd/SDMHelpData/Other/";
    static constexpr QStringView indexes = u"HelpSDMIndexFile/";
    // Checked on every candidate: a prefix test first, and no allocation.
    if (!belowLibrary.startsWith(store))
        return false;
    const QStringView language = belowLibrary.sliced(store.size());
    const qsizetype slash = language.indexOf(u'/');
    if (slash <= 0)
        return false;
    const QStringView rest = language.sliced(slash + 1);
    return rest.startsWith(indexes) && rest.size() > indexes.size() &&
           !rest.sliced(indexes.size()).contains(u'/');
}

} // namespace

ScanContext::ScanContext(const AppDescriptor& app, const Host& host,
                         const QList<AppDescriptor>& installed)
    : m_app(app), m_host(standardizedHost(host)), m_homePath(m_host.home),
      m_appPath(pathnames::standardized(QFileInfo(app.appURL.toLocalFile()).absoluteFilePath())),
      m_rootPath(m_host.root), m_protectedPrefixes{m_homePath + QStringLiteral("/.Trash"),
                                                   m_host.systemPath(QStringLiteral("/System/")),
                                                   m_host.systemPath(
                                                       QStringLiteral("/private/var/folders/"))},
      m_libraries{pathnames::joined(m_homePath, QStringLiteral("Library")),
                  m_host.systemPath(QStringLiteral("/Library"))},
      m_applications{pathnames::joined(m_homePath, QStringLiteral("Applications")),
                     m_host.systemPath(QStringLiteral("/Applications"))},
      m_sharedPath(m_host.systemPath(QStringLiteral("/Users/Shared"))),
      m_vendorIsShared(sharesVendor(app, installed)),
      m_needles(MatchNeedles::compile(app, m_vendorIsShared)) {}

bool ScanContext::isProtectedPath(const QString& path) const {
    for (const QString& prefix : m_protectedPrefixes) {
        if (path.startsWith(prefix))
            return true;
    }
    return false;
}

PathPlace ScanContext::place(QStringView path) const {
    using enum PathPlace::Kind;
    for (const QString& library : m_libraries) {
        if (path == library)
            return {libraryFolder};
        const qsizetype entryStart = insideLength(path, library);
        if (entryStart == 0)
            continue;
        const qsizetype slash = path.indexOf(u'/', entryStart);
        if (slash < 0)
            return {libraryEntry, entryStart};
        // Its name alone, and only as strictly as an entry of a Library folder.
        if (isInHelpIndexStore(path.sliced(entryStart)))
            return {libraryEntry, path.lastIndexOf(u'/') + 1};
        const QStringView rootName = path.sliced(entryStart, slash - entryStart);
        return {belowRoot, slash + 1, namesTeamRoot(rootName), false,
                rootName == u"Group Containers"};
    }
    for (const QString& applications : m_applications) {
        if (const qsizetype start = insideLength(path, applications))
            return {belowRoot, start, false, true};
    }
    if (const qsizetype start = insideLength(path, m_sharedPath))
        return {belowRoot, start, false, false, false, true};
    return {};
}

} // namespace tidewell
