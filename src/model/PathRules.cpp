#include "PathRules.h"

#include <QDir>

#include <algorithm>

namespace tidewell::pathrules {

bool isSafeComponent(QStringView text) {
    return !text.isEmpty() && text != u"." && text != u".." && !text.contains(u'/') &&
           !text.contains(QChar(u'\0'));
}

QString joinedInside(const QString& folder, const QString& name) {
    if (!isSafeComponent(name))
        return {};
    const QString joined = folder + u'/' + name;
    return liesInside(joined, folder) ? joined : QString();
}

bool liesInside(const QString& path, const QString& folder) {
    // A relative path has no place in any folder: cleaning cannot anchor it.
    if (!QDir::isAbsolutePath(path) || !QDir::isAbsolutePath(folder))
        return false;
    // Clean paths compared as text, the folder ending at a component boundary: this runs for
    // every item of a removal against every protected folder, so nothing is split.
    const QString inner = QDir::cleanPath(path);
    const QString outer = QDir::cleanPath(folder);
    if (outer == u"/")
        return inner.size() > 1;
    return inner.size() > outer.size() && inner.startsWith(outer) && inner.at(outer.size()) == u'/';
}

bool hasUndecodableName(QStringView path) {
    return path.contains(QChar::ReplacementCharacter);
}

bool liesInsideAny(const QString& path, const QStringList& folders) {
    return std::any_of(folders.cbegin(), folders.cend(),
                       [&path](const QString& folder) { return liesInside(path, folder); });
}

QString homeAbbreviated(const QString& path, const QString& home) {
    const QString cleanHome = QDir::cleanPath(home);
    if (cleanHome.isEmpty() || cleanHome == u"/")
        return path;
    if (path == cleanHome)
        return QStringLiteral("~");
    if (path.startsWith(cleanHome + u'/'))
        return u'~' + path.mid(cleanHome.size());
    return path;
}

} // namespace tidewell::pathrules
