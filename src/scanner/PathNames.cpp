#include "PathNames.h"

#include <QDir>

namespace tidewell::pathnames {

namespace {

qsizetype extensionDot(QStringView name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? dot : -1;
}

} // namespace

QStringView fileName(QStringView path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path.sliced(path.lastIndexOf(u'/') + 1);
}

QStringView deletingExtension(QStringView name) {
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? name : name.first(dot);
}

QStringView extension(QStringView name) {
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? QStringView() : name.sliced(dot + 1);
}

QString standardized(const QString& path) {
    return QDir::cleanPath(path);
}

QString joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace tidewell::pathnames
