#include "RemovalPlan.h"

#include "model/AppKind.h"
#include "model/PathRules.h"

#include <QDir>

namespace tidewell {

RemovalPlan::RemovalPlan(const QList<ScannedFile>& leftovers, const QStringList& roots,
                         const AppDescriptor& app, const std::function<MeasuredSize()>& appSize)
    : m_subject{app.displayName, QDir::cleanPath(app.appURL.toLocalFile()), kindName(app.kind)} {
    m_items.reserve(leftovers.size() + 1);
    for (const ScannedFile& file : leftovers)
        m_items.append({file.url, {file.sizeInBytes, file.sizeComplete}});
    m_scope.roots = roots;
    if (appGoesWithLeftovers(app.kind)) {
        m_items.append({app.appURL, appSize()});
        m_scope.appPath = m_subject.appPath;
    }
    indexSizes();
}

RemovalPlan::RemovalPlan(const QList<Item>& items, RemovalScope scope, RemovalSubject subject)
    : m_items(items), m_scope(std::move(scope)), m_subject(std::move(subject)) {
    indexSizes();
}

void RemovalPlan::indexSizes() {
    m_sizes.reserve(m_items.size());
    for (const Item& item : std::as_const(m_items))
        m_sizes.insert(item.url, item.size);
}

QList<QUrl> RemovalPlan::urls() const {
    QList<QUrl> urls;
    urls.reserve(m_items.size());
    for (const Item& item : m_items)
        urls.append(item.url);
    return urls;
}

MeasuredSize RemovalPlan::sizeOf(const QList<QUrl>& urls) const {
    MeasuredSize total;
    for (const QUrl& url : urls)
        total += sizeOf(url);
    return total;
}

QList<QUrl> RemovalPlan::keepOnly(const std::function<bool(const QUrl&)>& keep) {
    QList<QUrl> leftOut;
    m_items.removeIf([&](const Item& item) {
        if (keep(item.url))
            return false;
        leftOut.append(item.url);
        m_sizes.remove(item.url);
        return true;
    });
    return leftOut;
}

void RemovalPlan::keepUnplanned(QSet<QUrl>& planned) {
    keepOnly([&planned](const QUrl& url) { return !planned.contains(url); });
    for (const Item& item : std::as_const(m_items))
        planned.insert(item.url);
}

QList<QUrl> RemovalPlan::confineTo(const QString& home) {
    m_scope.confinement = home;
    return keepOnly(
        [&home](const QUrl& url) { return pathrules::liesInside(url.toLocalFile(), home); });
}

} // namespace tidewell
