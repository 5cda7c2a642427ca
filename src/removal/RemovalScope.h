#pragma once

#include <QString>
#include <QStringList>

namespace tidewell {

// Where one removal may act: strictly inside the folders the scan searched, or on the bundle
// itself. Anything else is refused.
struct RemovalScope {
    QStringList roots;
    QString appPath;
};

} // namespace tidewell
