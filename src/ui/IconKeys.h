#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tidewell {

// The icon-cache key of an item, for the icon views.
class IconKeys : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;
    // The extension of the path picks the file type; folders share one icon.
    Q_INVOKABLE QString keyFor(const QString& path, bool isFolder) const;
};

} // namespace tidewell
