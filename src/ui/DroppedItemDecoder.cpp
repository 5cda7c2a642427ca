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

// Whether the location's last component ends in extension and has a name before it.
bool hasExtension(const QUrl& url, QLatin1String extension, Qt::CaseSensitivity sensitivity) {
    const QString name = QFileInfo(QDir::cleanPath(url.toLocalFile())).fileName();
    return name.endsWith(extension, sensitivity) && name.size() > extension.size();
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

bool DroppedItemDecoder::isAppBundle(const QUrl& url) {
    return hasExtension(url, QLatin1String(".app"), Qt::CaseInsensitive);
}

bool DroppedItemDecoder::isDesktopEntry(const QUrl& url) {
    return hasExtension(url, QLatin1String(".desktop"), Qt::CaseSensitive);
}

QUrl DroppedItemDecoder::appBundleURL(const QVariant& item) const {
    const std::optional<QUrl> url = decodeFileURL(item);
    if (!url || !(isAppBundle(*url) || isDesktopEntry(*url) ||
                  linuxapp::isAppImagePath(url->toLocalFile())))
        return {};
    return *url;
}

} // namespace tidewell
