#include "RemovalOutcome.h"

#include "removal/DeletionReport.h"
#include "removal/RemovalPlan.h"

#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

namespace tidewell {

RemovalOutcome::RemovalOutcome(QObject* parent) : QObject(parent) {}

void RemovalOutcome::show(const DeletionReport& report, const RemovalPlan& plan) {
    m_removedCount = report.deleted.size();
    m_reclaimed = plan.reclaimedSize(report);
    m_trashedCount = report.trashed.size();
    m_trashed = plan.sizeOf(report.trashed);
    m_deletedInPlaceCount = report.removedPermanently.size();
    m_deletedInPlace = plan.sizeOf(report.removedPermanently);
    m_failures.clear();
    for (const DeletionFailure& failure : report.failures) {
        const QString path = QDir::cleanPath(failure.url.toLocalFile());
        m_failures.append(QVariantMap{{QStringLiteral("path"), path},
                                      {QStringLiteral("fileName"), QFileInfo(path).fileName()},
                                      {QStringLiteral("reason"), failure.reason}});
    }
    emit changed();
}

void RemovalOutcome::clear() {
    m_removedCount = 0;
    m_reclaimed = {};
    m_trashedCount = 0;
    m_trashed = {};
    m_deletedInPlaceCount = 0;
    m_deletedInPlace = {};
    m_failures.clear();
    emit changed();
}

} // namespace tidewell
