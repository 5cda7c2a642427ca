#include "DroppedItemDecoder.h"

#include "model/LinuxAppIdentity.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace tidewell {

namespace {

std::optional<QUrl> fileURLFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QUrl parsed(trimmed, QUrl::StrictMode);
    if (parsed.isValid() && parsed.isLocalFile())
        return parsed;
    return QUrl::fromLocalFile(trimmed);
}

} // namespace

std::optional<QUrl> DroppedItemDecoder::decodeFileURL(const QVariant& item) {
    switch (item.typeId()) {
    case QMetaType::QUrl: {
        // Only local files can be application bundles on this machine.
        const QUrl url = item.toUrl();
        if (url.isLocalFile())
            return url;
        return std::nullopt;
    }
    case QMetaType::QString:
        return fileURLFromText(item.toString());
    case QMetaType::QByteArray: {
        auto decoder = QStringDecoder(QStringDecoder::Utf8);
        const QString text = decoder(item.toByteArray());
        if (decoder.hasError())
            return std::nullopt;
        return fileURLFromText(text);
    }
    default:
        return std::nullopt;
    }
}

QUrl DroppedItemDecoder::appURL(const QVariant& item) const {
    const std::optional<QUrl> url = decodeFileURL(item);
    if (!url || !appKindOfFileName(QDir::cleanPath(url->toLocalFile())))
        return {};
    return *url;
}

QList<QUrl> DroppedItemDecoder::appURLs(const QVariantList& items) const {
    QList<QUrl> urls;
    for (const QVariant& item : items) {
        if (const QUrl url = appURL(item); !url.isEmpty())
            urls.append(url);
    }
    return urls;
}

} // namespace tidewell
