#pragma once

#include "Undoer.h"
#include "model/MeasuredSize.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QUuid>

#include <memory>

namespace tidewell {

class RemovalJournal;

// The removals the journal holds, newest first, for the settings' "Recently Removed" list:
// the facts `tidewell-cli history` shows, and an undo per removal. Reading the journal and
// checking the Trash run off the main thread, and so does undoing; the list is read again
// after each undo.
class RemovalHistoryModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)

public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        NameRole,     // the app's name, or what the leftovers of removed apps are called
        DateTextRole, // when it began, in the user's short format
        CountsTextRole,
        SizeTextRole,
        UndoableRole,  // every item that went to the Trash is still there
        IsUndoingRole, // its undo runs
        StatusRole,    // what its last undo did; empty before
    };
    Q_ENUM(Role)

    // One removal as the list shows it.
    struct Row {
        qint64 id = 0;
        QString name;
        QDateTime date;
        QString countsText;
        MeasuredSize size;
        bool undoable = false;
    };

    // The removals of this process's host's journal, as QML makes it.
    explicit RemovalHistoryModel(QObject* parent = nullptr);
    // The removals of journal, undone by undoer.
    RemovalHistoryModel(std::shared_ptr<const RemovalJournal> journal, Undoer undoer,
                        QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool loading() const { return m_loading; }

    Q_INVOKABLE void reload();
    // Puts back the removal of that row, unless it is not undoable or already being undone.
    Q_INVOKABLE void undo(int row);

signals:
    void countChanged();
    void loadingChanged();

private:
    void applyRows(const QUuid& loadID, const QList<Row>& rows);
    void setLoading(bool loading);
    void refreshRow(qint64 id);

    std::shared_ptr<const RemovalJournal> m_journal;
    Undoer m_undoer;
    QList<Row> m_rows;
    QSet<qint64> m_undoing;
    QHash<qint64, QString> m_statuses; // by removal: what its last undo did
    bool m_loading = false;
    QUuid m_activeLoadID;
};

} // namespace tidewell
