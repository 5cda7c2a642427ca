#pragma once

#include <QString>

namespace tidewell {

// What a removal is of, as its journal names it: the app with its path and its kind's name
// (kindName), or, for the leftovers of removed apps, the kind "orphans" alone.
struct RemovalSubject {
    QString displayName;
    QString appPath;
    QString kind;

    static QString orphansKind() { return QStringLiteral("orphans"); }
    friend bool operator==(const RemovalSubject&, const RemovalSubject&) = default;
};

} // namespace tidewell
