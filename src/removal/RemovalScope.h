#pragma once

#include <QString>
#include <QStringList>

namespace tidewell {

// Where one removal may act: strictly inside the folders the scan searched, or on the bundle
// itself. Anything else is refused.
struct RemovalScope {
    QStringList roots;
    QString appPath;
    // When an administrator works in a user's home: that home. Every item must then lie inside
    // it once the links on the way to its scan folder are resolved; one reached through a link
    // that leads out of the home is refused.
    QString confinement = {};
};

} // namespace tidewell
