#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tidewell {

// The icon-cache key of a path, for the icon views.
class IconKeys : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;
    Q_INVOKABLE QString keyForPath(const QString& path) const;
};

} // namespace tidewell
