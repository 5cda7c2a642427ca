#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tidewell {

// The program's name, version and build for the About page.
class AppInfo : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString displayName READ displayName CONSTANT)
    Q_PROPERTY(QString versionString READ versionString CONSTANT)
    Q_PROPERTY(QString buildString READ buildString CONSTANT)

public:
    using QObject::QObject;
    static QString displayName();
    static QString versionString();
    static QString buildString();
};

} // namespace tidewell
