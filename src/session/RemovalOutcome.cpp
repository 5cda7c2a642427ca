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
    return !m_journalIds.isEmpty() && m_trashedCount > 0 && !m_isUndoing && !m_undone;
}

void RemovalOutcome::show(const QList<DeletionReport>& reports, const QList<RemovalPlan>& plans) {
    forget();
    for (qsizetype index = 0; index < reports.size(); ++index)
        add(reports.at(index), plans.at(index));
    emit changed();
    emit undoChanged();
}

void RemovalOutcome::add(const DeletionReport& report, const RemovalPlan& plan) {
    m_removedCount += report.deleted.size();
    m_reclaimed += plan.reclaimedSize(report);
    m_trashedCount += report.trashed.size();
    m_trashed += plan.sizeOf(report.trashed);
    m_deletedInPlaceCount += report.removedPermanently.size();
    m_deletedInPlace += plan.sizeOf(report.removedPermanently);
    if (report.journalId != 0)
        m_journalIds.append(report.journalId);
    for (const DeletionFailure& failure : report.failures) {
        const QString path = QDir::cleanPath(failure.url.toLocalFile());
        m_failures.append(QVariantMap{{QStringLiteral("path"), path},
                                      {QStringLiteral("fileName"), QFileInfo(path).fileName()},
                                      {QStringLiteral("reason"), failure.reason}});
    }
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
    m_journalIds.clear();
    m_isUndoing = false;
    m_undone = false;
    m_undoStatus.clear();
    m_shownID = QUuid::createUuid();
}

void RemovalOutcome::undo() {
    if (!canUndo())
        return;
    setUndoState(true, tr("Putting items back…"));
    undoFrom(0, std::nullopt);
}

void RemovalOutcome::undoFrom(qsizetype index, const std::optional<UndoReport>& done) {
    if (index == m_journalIds.size()) {
        m_undone = true;
        setUndoState(false, RemovalTexts::undoSummary(done));
        return;
    }
    const QUuid shownID = m_shownID;
    m_undoer(m_journalIds.at(index))
        .then(this, [this, shownID, index, done](const std::optional<UndoReport>& report) {
            if (shownID != m_shownID)
                return;
            std::optional<UndoReport> sum = done ? done : report;
            if (done && report)
                sum->append(*report);
            undoFrom(index + 1, sum);
        });
}

void RemovalOutcome::setUndoState(bool undoing, const QString& status) {
    m_isUndoing = undoing;
    m_undoStatus = status;
    emit undoChanged();
}

} // namespace tidewell
