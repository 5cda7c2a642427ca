#include "RemovalOutcome.h"

#include "RemovalTexts.h"
#include "removal/DeletionReport.h"
#include "removal/RemovalPlan.h"

#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

namespace tidewell {

RemovalOutcome::RemovalOutcome(Undoer undoer, QObject* parent)
    : QObject(parent), m_undoer(std::move(undoer)) {}

bool RemovalOutcome::canUndo() const {
    return m_journalId != 0 && m_trashedCount > 0 && !m_isUndoing && !m_undone;
}

void RemovalOutcome::show(const DeletionReport& report, const RemovalPlan& plan) {
    forget();
    m_removedCount = report.deleted.size();
    m_reclaimed = plan.reclaimedSize(report);
    m_trashedCount = report.trashed.size();
    m_trashed = plan.sizeOf(report.trashed);
    m_deletedInPlaceCount = report.removedPermanently.size();
    m_deletedInPlace = plan.sizeOf(report.removedPermanently);
    m_journalId = report.journalId;
    for (const DeletionFailure& failure : report.failures) {
        const QString path = QDir::cleanPath(failure.url.toLocalFile());
        m_failures.append(QVariantMap{{QStringLiteral("path"), path},
                                      {QStringLiteral("fileName"), QFileInfo(path).fileName()},
                                      {QStringLiteral("reason"), failure.reason}});
    }
    emit changed();
    emit undoChanged();
}

void RemovalOutcome::clear() {
    forget();
    emit changed();
    emit undoChanged();
}

void RemovalOutcome::forget() {
    m_removedCount = 0;
    m_reclaimed = {};
    m_trashedCount = 0;
    m_trashed = {};
    m_deletedInPlaceCount = 0;
    m_deletedInPlace = {};
    m_failures.clear();
    m_journalId = 0;
    m_isUndoing = false;
    m_undone = false;
    m_undoStatus.clear();
    m_shownID = QUuid::createUuid();
}

void RemovalOutcome::undo() {
    if (!canUndo())
        return;
    const QUuid shownID = m_shownID;
    setUndoState(true, tr("Putting items back…"));
    m_undoer(m_journalId).then(this, [this, shownID](const std::optional<UndoReport>& report) {
        if (shownID != m_shownID)
            return;
        m_undone = true;
        setUndoState(false, RemovalTexts::undoSummary(report));
    });
}

void RemovalOutcome::setUndoState(bool undoing, const QString& status) {
    m_isUndoing = undoing;
    m_undoStatus = status;
    emit undoChanged();
}

} // namespace tidewell
