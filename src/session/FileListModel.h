#pragma once

#include "ScannedApp.h"
#include "model/AppDescriptor.h"
#include "model/CategoryTotal.h"
#include "model/ItemGroup.h"
#include "model/ScannedFile.h"

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QString>

namespace tidewell {

// The leftovers of the last applied scan, one row per ScannedFile, app by app in the order the
// apps were given and each app's in the scanner's order: the ones certainly the app's first, then
// the ones only offered for review. Rows are identified by the file's id. Each row's isSelected
// flag is the selection; the list view writes it through setData (the row checkbox's two-way
// binding). The selected count and bytes follow every write, so reading them never walks the list,
// and so do each app's totals and the category totals of what is selected.
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
        // The first of an app's rows only offered for review, which the list heads as such.
        StartsReviewGroupRole,
        AppIndexRole, // which of the apps the row belongs to, 0 with one app
        // The first row of its app, which the list heads with the app when it holds several.
        StartsAppGroupRole,
    };
    Q_ENUM(Role)

    // One app's rows and what of them is selected.
    struct AppTotals {
        qint64 rowCount = 0;
        qint64 selectedCount = 0;
        qint64 selectedBytes = 0;
        qint64 selectedNotSizedWhole = 0; // selected rows whose size is only a part

        void countSelected(const ScannedFile& file, int sign);
    };

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

    // The apps the rows belong to, in order; each decides what its rows' kinds are called.
    const QList<AppDescriptor>& owners() const { return m_owners; }
    // Replaces every row with the matches of apps (an empty list empties the model).
    void setAppFiles(const QList<ScannedApp>& apps);
    // The same with the files of one app, by default a bundle.
    void setFiles(const QList<ScannedFile>& files, const AppDescriptor& owner = {});
    // The rows of the app at index (in owners()), in their order.
    QList<ScannedFile> filesOfApp(qsizetype index) const;
    // The totals of the app at index.
    const AppTotals& totalsOfApp(qsizetype index) const { return m_appTotals.at(index); }
    // Takes out every row whose id is in ids; the others keep their order and selection.
    void removeFilesWithIds(const QSet<QString>& ids);
    // Writes one row's flag; false for a row that does not exist.
    Q_INVOKABLE bool setSelected(int row, bool selected);
    // Writes every row's flag at once, with one change for the whole list.
    void setAllSelected(bool selected);

    qint64 selectedCount() const { return sumOfApps(&AppTotals::selectedCount); }
    qint64 selectedBytes() const { return sumOfApps(&AppTotals::selectedBytes); }
    // Whether every selected row was sized whole, so selectedBytes() is the whole size.
    bool selectedSizeComplete() const { return sumOfApps(&AppTotals::selectedNotSizedWhole) == 0; }
    // categoryTotals of the selected files, kept as rows come and go and as they are toggled.
    const QList<CategoryTotal>& totalsByCategory() const { return m_categoryTotals; }
    // The groups (ItemGroup) that the selected rows fill, each app's rows in its app's groups,
    // summed over the apps in the order of allItemGroups().
    QList<ItemGroupTotal> selectedGroupTotals() const;

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
    bool startsAppGroup(int row) const;
    qint64 sumOfApps(qint64 AppTotals::*member) const;
    // Recounts the selection and the category totals after the rows changed.
    void recountTotals();
    void recountCategoryTotals();

    QList<ScannedFile> m_files;
    QList<int> m_appOfRow; // the index in m_owners of each row's app
    QList<AppDescriptor> m_owners;
    QList<AppTotals> m_appTotals; // one per owner
    QList<CategoryTotal> m_categoryTotals = categoryTotals({});
};

} // namespace tidewell
