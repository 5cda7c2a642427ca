#include "PathRules.h"

#include <QDir>

#include <algorithm>

namespace tidewell::pathrules {

namespace {

QStringList components(const QString& path) {
    return QDir::cleanPath(path).split(u'/', Qt::SkipEmptyParts);
}

} // namespace

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
    const QStringList inner = components(path);
    const QStringList outer = components(folder);
    return inner.size() > outer.size() && std::equal(outer.cbegin(), outer.cend(), inner.cbegin());
}

bool hasUndecodableName(QStringView path) {
    return path.contains(QChar::ReplacementCharacter);
}

bool liesInsideAny(const QString& path, const QStringList& folders) {
    return std::any_of(folders.cbegin(), folders.cend(),
                       [&path](const QString& folder) { return liesInside(path, folder); });
}

} // namespace tidewell::pathrules
