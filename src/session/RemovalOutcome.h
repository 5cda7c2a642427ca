#pragma once

#include "Undoer.h"
#include "model/MeasuredSize.h"

#include <QObject>
#include <QUuid>
#include <QVariantList>

namespace tidewell {

class RemovalPlan;
struct DeletionReport;

// What the last removal did, over all the apps it was of (a journal entry each): how many items
// went, the bytes that freed (in the Trash, where they still take their space, and removed in
// place), and every item it left in place with the reason; and, once asked, what undoing it did.
class RemovalOutcome : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint64 removedCount READ removedCount NOTIFY changed)
    Q_PROPERTY(qint64 reclaimedBytes READ reclaimedBytes NOTIFY changed)
    // False when an item that went was not sized whole: reclaimedBytes is then a lower bound.
    Q_PROPERTY(bool reclaimedSizeComplete READ reclaimedSizeComplete NOTIFY changed)
    Q_PROPERTY(qint64 trashedCount READ trashedCount NOTIFY changed)
    Q_PROPERTY(qint64 trashedBytes READ trashedBytes NOTIFY changed)
    Q_PROPERTY(bool trashedSizeComplete READ trashedSizeComplete NOTIFY changed)
    // The items the Trash refused, removed for good.
    Q_PROPERTY(qint64 deletedInPlaceCount READ deletedInPlaceCount NOTIFY changed)
    Q_PROPERTY(qint64 deletedInPlaceBytes READ deletedInPlaceBytes NOTIFY changed)
    Q_PROPERTY(bool deletedInPlaceSizeComplete READ deletedInPlaceSizeComplete NOTIFY changed)
    // {path, fileName, reason} for each item left in place, in the report's order.
    Q_PROPERTY(QVariantList failures READ failures NOTIFY changed)
    // Whether undo() may put the removal back: it is in the journal, something went to the
    // Trash, and it has not been undone yet.
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY undoChanged)
    Q_PROPERTY(bool isUndoing READ isUndoing NOTIFY undoChanged)
    // What undoing did, in a sentence or two; empty before.
    Q_PROPERTY(QString undoStatus READ undoStatus NOTIFY undoChanged)

public:
    explicit RemovalOutcome(Undoer undoer, QObject* parent = nullptr);

    qint64 removedCount() const { return m_removedCount; }
    qint64 reclaimedBytes() const { return m_reclaimed.bytes; }
    bool reclaimedSizeComplete() const { return m_reclaimed.complete; }
    qint64 trashedCount() const { return m_trashedCount; }
    qint64 trashedBytes() const { return m_trashed.bytes; }
    bool trashedSizeComplete() const { return m_trashed.complete; }
    qint64 deletedInPlaceCount() const { return m_deletedInPlaceCount; }
    qint64 deletedInPlaceBytes() const { return m_deletedInPlace.bytes; }
    bool deletedInPlaceSizeComplete() const { return m_deletedInPlace.complete; }
    QVariantList failures() const { return m_failures; }
    bool canUndo() const;
    bool isUndoing() const { return m_isUndoing; }
    QString undoStatus() const { return m_undoStatus; }

    // Takes in the reports of the removals that plans describe, one report per plan.
    void show(const QList<DeletionReport>& reports, const QList<RemovalPlan>& plans);
    void clear();
    // Puts back in the background what the shown removals moved to the Trash, once, one
    // removal after the other.
    void undo();

signals:
    void changed();
    void undoChanged();

private:
    void setUndoState(bool undoing, const QString& status);
    void forget();
    void add(const DeletionReport& report, const RemovalPlan& plan);
    // Undoes the shown removals from the one at index on; done holds what undoing the earlier
    // ones did.
    void undoFrom(qsizetype index, const std::optional<UndoReport>& done);

    Undoer m_undoer;
    qint64 m_removedCount = 0;
    MeasuredSize m_reclaimed;
    qint64 m_trashedCount = 0;
    MeasuredSize m_trashed;
    qint64 m_deletedInPlaceCount = 0;
    MeasuredSize m_deletedInPlace;
    QVariantList m_failures;
    QList<qint64> m_journalIds; // of the removals that have an entry
    bool m_isUndoing = false;
    bool m_undone = false;
    QString m_undoStatus;
    QUuid m_shownID; // changes with every removal shown, so that a late undo can be told apart
};

} // namespace tidewell
