#include "RemovalPlan.h"

#include "model/AppKind.h"

#include <QDir>

namespace tidewell {

RemovalPlan::RemovalPlan(const QList<ScannedFile>& leftovers, const QStringList& roots,
                         const AppDescriptor& app, const std::function<qint64()>& appSize) {
    m_items.reserve(leftovers.size() + 1);
    for (const ScannedFile& file : leftovers)
        m_items.append({file.url, file.sizeInBytes});
    m_scope.roots = roots;
    if (appGoesWithLeftovers(app.kind)) {
        m_items.append({app.appURL, appSize()});
        m_scope.bundlePath = QDir::cleanPath(app.appURL.toLocalFile());
    }
    m_sizes.reserve(m_items.size());
    for (const Item& item : std::as_const(m_items))
        m_sizes.insert(item.url, item.sizeInBytes);
}

QList<QUrl> RemovalPlan::urls() const {
    QList<QUrl> urls;
    urls.reserve(m_items.size());
    for (const Item& item : m_items)
        urls.append(item.url);
    return urls;
}

qint64 RemovalPlan::reclaimedBytes(const DeletionReport& report) const {
    qint64 bytes = 0;
    for (const QUrl& url : report.deleted)
        bytes += sizeOf(url);
    return bytes;
}

} // namespace tidewell
