#include "FileListModel.h"

#include "model/FileSafetyLevel.h"
#include "model/ItemGroup.h"

#include <QFileInfo>

#include <algorithm>

namespace tidewell {

FileListModel::FileListModel(QObject* parent) : QAbstractListModel(parent) {}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ScannedFile& file = m_files.at(index.row());
    const QString path = file.url.toLocalFile();
    switch (role) {
    case FileIdRole:
        return file.id;
    case PathRole:
        return path;
    case Qt::DisplayRole:
    case FileNameRole:
        return QFileInfo(path).fileName();
    case ParentPathRole:
        return QFileInfo(path).path();
    case CategoryRole:
        return rawValue(file.category);
    case SafetyRole:
        return rawValue(file.safety);
    case SizeInBytesRole:
        return file.sizeInBytes;
    case IsSelectedRole:
        return file.isSelected;
    case CategoryNameRole:
        return itemKindName(file, m_owner);
    case SafetyNameRole:
        return displayName(file.safety);
    case SizeCompleteRole:
        return file.sizeComplete;
    case EvidenceCodeRole:
        return rawValue(file.evidence.code);
    case EvidenceRole:
        return sentence(file.evidence);
    case StartsReviewGroupRole:
        return !isCertain(file.evidence.code) &&
               (index.row() == 0 || isCertain(m_files.at(index.row() - 1).evidence.code));
    default:
        return {};
    }
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != IsSelectedRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    return setSelected(index.row(), value.toBool());
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> FileListModel::roleNames() const {
    return {
        {FileIdRole, "fileId"},
        {PathRole, "path"},
        {FileNameRole, "fileName"},
        {ParentPathRole, "parentPath"},
        {CategoryRole, "category"},
        {SafetyRole, "safety"},
        {SizeInBytesRole, "sizeInBytes"},
        {IsSelectedRole, "isSelected"},
        {CategoryNameRole, "categoryName"},
        {SafetyNameRole, "safetyName"},
        {SizeCompleteRole, "sizeComplete"},
        {EvidenceCodeRole, "evidenceCode"},
        {EvidenceRole, "evidence"},
        {StartsReviewGroupRole, "startsReviewGroup"},
    };
}

int FileListModel::rowOfId(const QString& id) const {
    for (qsizetype row = 0; row < m_files.size(); ++row) {
        if (m_files.at(row).id == id)
            return static_cast<int>(row);
    }
    return -1;
}

void FileListModel::setFiles(const QList<ScannedFile>& files) {
    const bool countChanges = files.size() != m_files.size();
    beginResetModel();
    m_files = files;
    std::stable_partition(m_files.begin(), m_files.end(),
                          [](const ScannedFile& file) { return isCertain(file.evidence.code); });
    recountTotals();
    endResetModel();
    if (countChanges)
        emit countChanged();
    emit filesChanged();
}

void FileListModel::removeFilesWithIds(const QSet<QString>& ids) {
    const QList<RowRun> runs = runsOfIds(ids);
    if (runs.isEmpty())
        return;
    if (runs.size() > maximumRemovalSteps) {
        beginResetModel();
        m_files.removeIf([&ids](const ScannedFile& file) { return ids.contains(file.id); });
        endResetModel();
    } else {
        for (const RowRun& run : runs) {
            beginRemoveRows({}, run.first, run.last);
            m_files.remove(run.first, run.last - run.first + 1);
            endRemoveRows();
        }
    }
    recountTotals();
    // The review group may now start at another row.
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {StartsReviewGroupRole});
    emit countChanged();
    emit filesChanged();
}

QList<FileListModel::RowRun> FileListModel::runsOfIds(const QSet<QString>& ids) const {
    QList<RowRun> runs;
    for (int last = count() - 1; last >= 0; --last) {
        if (!ids.contains(m_files.at(last).id))
            continue;
        int first = last;
        while (first > 0 && ids.contains(m_files.at(first - 1).id))
            --first;
        runs.append({first, last});
        last = first;
    }
    return runs;
}

bool FileListModel::setSelected(int row, bool selected) {
    if (row < 0 || row >= count())
        return false;
    ScannedFile& file = m_files[row];
    if (file.isSelected != selected) {
        file.isSelected = selected;
        const int sign = selected ? 1 : -1;
        m_selectedCount += sign;
        m_selectedBytes += sign * file.sizeInBytes;
        m_selectedIncompleteCount += file.sizeComplete ? 0 : sign;
        recountCategoryTotals();
    }
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {IsSelectedRole});
    emit selectionChanged();
    return true;
}

void FileListModel::setAllSelected(bool selected) {
    if (m_files.isEmpty())
        return;
    for (ScannedFile& file : m_files)
        file.isSelected = selected;
    m_selectedCount = selected ? count() : 0;
    m_selectedBytes = selected ? totalSize(m_files) : 0;
    m_selectedIncompleteCount = selected ? notSizedWholeCount(m_files) : 0;
    recountCategoryTotals();
    emit dataChanged(index(0), index(count() - 1), {IsSelectedRole});
    emit selectionChanged();
}

void FileListModel::recountTotals() {
    const QList<ScannedFile> selected = filesWithSelection(m_files, true);
    m_selectedCount = selected.size();
    m_selectedBytes = totalSize(selected);
    m_selectedIncompleteCount = notSizedWholeCount(selected);
    m_categoryTotals = categoryTotals(selected);
}

void FileListModel::recountCategoryTotals() {
    m_categoryTotals = categoryTotals(filesWithSelection(m_files, true));
}

qint64 FileListModel::totalSize(const QList<ScannedFile>& files) {
    qint64 total = 0;
    for (const ScannedFile& file : files)
        total += file.sizeInBytes;
    return total;
}

} // namespace tidewell
