#pragma once

#include "model/AppDescriptor.h"
#include "model/CategoryTotal.h"
#include "model/ScannedFile.h"

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QString>

namespace tidewell {

// The leftovers of the last applied scan, one row per ScannedFile in the scanner's order, the
// ones certainly the app's first, then the ones only offered for review. Rows are identified by
// the file's id. Each row's isSelected flag is the selection; the list view writes it through
// setData (the row checkbox's two-way binding). The selected count and bytes follow every write,
// so reading them never walks the list, and so do the category totals of what is selected.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        FileIdRole = Qt::UserRole + 1,
        PathRole,
        FileNameRole,
        ParentPathRole,
        CategoryRole,
        SafetyRole,
        SizeInBytesRole,
        IsSelectedRole,
        CategoryNameRole, // what the item is, in the user's language (itemKindName)
        SafetyNameRole,
        SizeCompleteRole, // false when sizeInBytes is only a part (or nothing) of the item
        EvidenceCodeRole, // the stable code of why the item is listed
        EvidenceRole,     // the same as a sentence in the user's language
        // The first of the rows only offered for review, which the list heads as such.
        StartsReviewGroupRole,
    };
    Q_ENUM(Role)

    explicit FileListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(m_files.size()); }
    const QList<ScannedFile>& files() const { return m_files; }
    // Row of the file with this id, or -1.
    int rowOfId(const QString& id) const;

    // The app the rows belong to, which decides what their kinds are called; set it before the
    // rows.
    void setOwner(const AppDescriptor& app) { m_owner = app; }
    const AppDescriptor& owner() const { return m_owner; }
    // Replaces every row (an empty list empties the model).
    void setFiles(const QList<ScannedFile>& files);
    // Takes out every row whose id is in ids; the others keep their order and selection.
    void removeFilesWithIds(const QSet<QString>& ids);
    // Writes one row's flag; false for a row that does not exist.
    Q_INVOKABLE bool setSelected(int row, bool selected);
    // Writes every row's flag at once, with one change for the whole list.
    void setAllSelected(bool selected);

    qint64 selectedCount() const { return m_selectedCount; }
    qint64 selectedBytes() const { return m_selectedBytes; }
    // Whether every selected row was sized whole, so selectedBytes() is the whole size.
    bool selectedSizeComplete() const { return m_selectedIncompleteCount == 0; }
    // categoryTotals of the selected files, kept as rows come and go and as they are toggled.
    const QList<CategoryTotal>& totalsByCategory() const { return m_categoryTotals; }

    // Pure rules over a list of files.
    static qint64 totalSize(const QList<ScannedFile>& files);

signals:
    void countChanged();
    // Any row's isSelected flag was written (also emitted when the value stays the same).
    void selectionChanged();
    // Rows were replaced, added or taken out.
    void filesChanged();

private:
    // Rows first to last, all of them taken out together.
    struct RowRun {
        int first = 0;
        int last = 0;
    };
    // Runs of neighbouring rows go in one step each, so that the view keeps its place; each
    // step moves every row after it, so past this many runs the list is reset in one pass.
    static constexpr qsizetype maximumRemovalSteps = 64;

    // The runs of neighbouring rows whose ids are in ids, from the end of the list, so that
    // removing them in turn leaves the rows still to remove at their numbers.
    QList<RowRun> runsOfIds(const QSet<QString>& ids) const;
    // Recounts the selection and the category totals after the rows changed.
    void recountTotals();
    void recountCategoryTotals();

    QList<ScannedFile> m_files;
    AppDescriptor m_owner;
    qint64 m_selectedCount = 0;
    qint64 m_selectedBytes = 0;
    qint64 m_selectedIncompleteCount = 0;
    QList<CategoryTotal> m_categoryTotals = categoryTotals({});
};

} // namespace tidewell
