#include "RemovalHistoryModel.h"

#include "HostFromProcess.h"
#include "RemovalTexts.h"
#include "SharedByteFormatter.h"
#include "platform/FileSystem.h"
#include "removal/RemovalJournal.h"

#include <QLocale>
#include <QtConcurrent/QtConcurrentRun>

namespace tidewell {

namespace {

std::shared_ptr<const RemovalJournal> processJournal() {
    return std::make_shared<RemovalJournal>(RemovalJournal::folderOn(hostFromProcess()));
}

QList<RemovalHistoryModel::Row> rowsOf(const RemovalJournal& journal) {
    QList<RemovalHistoryModel::Row> rows;
    for (const RemovalRecord& removal : journal.readAll())
        rows.append({removal.id, RemovalTexts::subjectName(removal.subject), removal.date,
                     RemovalTexts::countsText(removal), removal.removedSize(),
                     RemovalUndo::isUndoable(removal, FileSystem::real())});
    return rows;
}

} // namespace

RemovalHistoryModel::RemovalHistoryModel(QObject* parent)
    : RemovalHistoryModel(processJournal(), undoerOf(processJournal()), parent) {}

RemovalHistoryModel::RemovalHistoryModel(std::shared_ptr<const RemovalJournal> journal,
                                         Undoer undoer, QObject* parent)
    : QAbstractListModel(parent), m_journal(std::move(journal)), m_undoer(std::move(undoer)) {}

int RemovalHistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant RemovalHistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows[index.row()];
    switch (role) {
    case IdRole:
        return row.id;
    case Qt::DisplayRole:
    case NameRole:
        return row.name;
    case DateTextRole:
        return QLocale().toString(row.date.toLocalTime(), QLocale::ShortFormat);
    case CountsTextRole:
        return row.countsText;
    case SizeTextRole:
        return SharedByteFormatter::sizeText(row.size.bytes, row.size.complete);
    case UndoableRole:
        return row.undoable;
    case IsUndoingRole:
        return m_undoing.contains(row.id);
    case StatusRole:
        return m_statuses.value(row.id);
    default:
        return {};
    }
}

QHash<int, QByteArray> RemovalHistoryModel::roleNames() const {
    return {{IdRole, "removalId"},          {NameRole, "name"},         {DateTextRole, "dateText"},
            {CountsTextRole, "countsText"}, {SizeTextRole, "sizeText"}, {UndoableRole, "undoable"},
            {IsUndoingRole, "isUndoing"},   {StatusRole, "status"}};
}

void RemovalHistoryModel::reload() {
    const QUuid loadID = QUuid::createUuid();
    m_activeLoadID = loadID;
    setLoading(true);
    QtConcurrent::run([journal = m_journal] {
        return rowsOf(*journal);
    }).then(this, [this, loadID](const QList<Row>& rows) { applyRows(loadID, rows); });
}

void RemovalHistoryModel::applyRows(const QUuid& loadID, const QList<Row>& rows) {
    if (loadID != m_activeLoadID)
        return;
    beginResetModel();
    m_rows = rows;
    endResetModel();
    emit countChanged();
    setLoading(false);
}

void RemovalHistoryModel::undo(int row) {
    if (row < 0 || row >= m_rows.size() || !m_rows[row].undoable ||
        m_undoing.contains(m_rows[row].id))
        return;
    const qint64 id = m_rows[row].id;
    m_undoing.insert(id);
    refreshRow(id);
    m_undoer(id).then(this, [this, id](const std::optional<UndoReport>& report) {
        m_undoing.remove(id);
        m_statuses.insert(id, RemovalTexts::undoSummary(report));
        refreshRow(id);
        reload();
    });
}

void RemovalHistoryModel::refreshRow(qint64 id) {
    for (qsizetype index = 0; index < m_rows.size(); ++index) {
        if (m_rows[index].id == id)
            emit dataChanged(this->index(int(index)), this->index(int(index)),
                             {IsUndoingRole, StatusRole});
    }
}

void RemovalHistoryModel::setLoading(bool loading) {
    if (loading != m_loading) {
        m_loading = loading;
        emit loadingChanged();
    }
}

} // namespace tidewell
