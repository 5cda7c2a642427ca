#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tidewell {

// The shared byte-count text for the views, in the user's locale.
class ByteFormatter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;
    Q_INVOKABLE QString string(qint64 byteCount) const;
    // "at least" the size, or "size unknown", when it was not counted whole.
    Q_INVOKABLE QString sizeText(qint64 byteCount, bool complete) const;
};

} // namespace tidewell
