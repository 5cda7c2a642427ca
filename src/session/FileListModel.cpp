#include "FileListModel.h"

#include "model/FileSafetyLevel.h"
#include "model/ItemGroup.h"

#include <QFileInfo>

#include <algorithm>

namespace tidewell {

FileListModel::FileListModel(QObject* parent) : QAbstractListModel(parent) {}

void FileListModel::AppTotals::countSelected(const ScannedFile& file, int sign) {
    selectedCount += sign;
    selectedBytes += sign * file.sizeInBytes;
    selectedNotSizedWhole += file.sizeComplete ? 0 : sign;
}

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
        return itemKindName(file, m_owners.at(m_appOfRow.at(index.row())));
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
               (startsAppGroup(index.row()) ||
                isCertain(m_files.at(index.row() - 1).evidence.code));
    case AppIndexRole:
        return m_appOfRow.at(index.row());
    case StartsAppGroupRole:
        return startsAppGroup(index.row());
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
        {AppIndexRole, "appIndex"},
        {StartsAppGroupRole, "startsAppGroup"},
    };
}

int FileListModel::rowOfId(const QString& id) const {
    for (qsizetype row = 0; row < m_files.size(); ++row) {
        if (m_files.at(row).id == id)
            return static_cast<int>(row);
    }
    return -1;
}

bool FileListModel::startsAppGroup(int row) const {
    return row == 0 || m_appOfRow.at(row - 1) != m_appOfRow.at(row);
}

void FileListModel::setAppFiles(const QList<ScannedApp>& apps) {
    const qsizetype countBefore = m_files.size();
    beginResetModel();
    m_files.clear();
    m_appOfRow.clear();
    m_owners.clear();
    for (const ScannedApp& app : apps) {
        QList<ScannedFile> files = app.report.matches;
        std::stable_partition(files.begin(), files.end(), [](const ScannedFile& file) {
            return isCertain(file.evidence.code);
        });
        m_files += files;
        m_appOfRow.insert(m_appOfRow.size(), files.size(), int(m_owners.size()));
        m_owners.append(app.app);
    }
    recountTotals();
    endResetModel();
    if (m_files.size() != countBefore)
        emit countChanged();
    emit filesChanged();
}

void FileListModel::setFiles(const QList<ScannedFile>& files, const AppDescriptor& owner) {
    setAppFiles({{owner, {files, {}}}});
}

QList<ScannedFile> FileListModel::filesOfApp(qsizetype index) const {
    QList<ScannedFile> files;
    for (qsizetype row = 0; row < m_files.size(); ++row) {
        if (m_appOfRow.at(row) == index)
            files.append(m_files.at(row));
    }
    return files;
}

void FileListModel::removeFilesWithIds(const QSet<QString>& ids) {
    const QList<RowRun> runs = runsOfIds(ids);
    if (runs.isEmpty())
        return;
    if (runs.size() > maximumRemovalSteps) {
        beginResetModel();
        for (const RowRun& run : runs) {
            m_files.remove(run.first, run.last - run.first + 1);
            m_appOfRow.remove(run.first, run.last - run.first + 1);
        }
        endResetModel();
    } else {
        for (const RowRun& run : runs) {
            beginRemoveRows({}, run.first, run.last);
            m_files.remove(run.first, run.last - run.first + 1);
            m_appOfRow.remove(run.first, run.last - run.first + 1);
            endRemoveRows();
        }
    }
    recountTotals();
    // The groups may now start at other rows.
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {StartsReviewGroupRole, StartsAppGroupRole});
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
        m_appTotals[m_appOfRow.at(row)].countSelected(file, selected ? 1 : -1);
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
    recountTotals();
    emit dataChanged(index(0), index(count() - 1), {IsSelectedRole});
    emit selectionChanged();
}

void FileListModel::recountTotals() {
    m_appTotals = QList<AppTotals>(m_owners.size());
    for (qsizetype row = 0; row < m_files.size(); ++row) {
        AppTotals& totals = m_appTotals[m_appOfRow.at(row)];
        ++totals.rowCount;
        if (m_files.at(row).isSelected)
            totals.countSelected(m_files.at(row), 1);
    }
    recountCategoryTotals();
}

qint64 FileListModel::sumOfApps(qint64 AppTotals::*member) const {
    qint64 sum = 0;
    for (const AppTotals& totals : m_appTotals)
        sum += totals.*member;
    return sum;
}

void FileListModel::recountCategoryTotals() {
    m_categoryTotals = categoryTotals(filesWithSelection(m_files, true));
}

QList<ItemGroupTotal> FileListModel::selectedGroupTotals() const {
    QList<ItemGroupTotal> totals;
    for (const ItemGroup group : allItemGroups())
        totals.append({group});
    for (qsizetype app = 0; app < m_owners.size(); ++app) {
        for (const ItemGroupTotal& total :
             itemGroupTotals(filesWithSelection(filesOfApp(app), true), m_owners.at(app))) {
            ItemGroupTotal& sum = totals[allItemGroups().indexOf(total.group)];
            sum.itemCount += total.itemCount;
            sum.totalBytes += total.totalBytes;
            sum.sizeComplete = sum.sizeComplete && total.sizeComplete;
        }
    }
    totals.removeIf([](const ItemGroupTotal& total) { return total.itemCount == 0; });
    return totals;
}

qint64 FileListModel::totalSize(const QList<ScannedFile>& files) {
    qint64 total = 0;
    for (const ScannedFile& file : files)
        total += file.sizeInBytes;
    return total;
}

} // namespace tidewell
