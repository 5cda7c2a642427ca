#pragma once

#include <QList>
#include <QObject>
#include <QUrl>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace tidewell {

// Turns the items of a drop into the locations of applications: bundles, Linux applications'
// desktop entries or AppImages.
class DroppedItemDecoder : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // A local file location from a dropped item: a URL as is (local files only), a string or
    // UTF-8 bytes trimmed and read as a file URL or, failing that, as a bare path.
    static std::optional<QUrl> decodeFileURL(const QVariant& item);
    // The bundle, desktop entry or AppImage a dropped item names, or an empty URL when it
    // names no application.
    Q_INVOKABLE QUrl appURL(const QVariant& item) const;
    // The applications that items name, in their order, leaving out the items that name none.
    Q_INVOKABLE QList<QUrl> appURLs(const QVariantList& items) const;
};

} // namespace tidewell
