#include "SessionFakes.h"
#include "session/FileListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

namespace {

QList<ScannedFile> threeLeftovers() {
    return {
        leftover("/h/Library/Caches/com.harbor.notes", ScanCategory::caches, 100),
        leftover("/h/Library/Logs/Harbor Notes", ScanCategory::logs, 20, false),
        leftover("/h/Library/Caches/Harbor Notes", ScanCategory::caches, 3),
    };
}

QStringList ids(const FileListModel& model) {
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result.append(model.data(model.index(row), FileListModel::FileIdRole).toString());
    return result;
}

} // namespace

class TestFileListModel : public QObject {
    Q_OBJECT

private slots:
    void rolesDescribeEachRow() {
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFiles(threeLeftovers());

        const QHash<int, QByteArray> names = model.roleNames();
        QCOMPARE(names.value(FileListModel::IsSelectedRole), "isSelected");
        QCOMPARE(names.value(FileListModel::ParentPathRole), "parentPath");
        const QModelIndex second = model.index(1);
        QCOMPARE(model.data(second, FileListModel::FileNameRole).toString(), "Harbor Notes");
        QCOMPARE(model.data(second, FileListModel::ParentPathRole).toString(), "/h/Library/Logs");
        QCOMPARE(model.data(second, FileListModel::PathRole).toString(),
                 "/h/Library/Logs/Harbor Notes");
        QCOMPARE(model.data(second, FileListModel::CategoryRole).toString(), "Logs");
        QCOMPARE(model.data(second, FileListModel::SafetyRole).toString(), "Safe");
        QCOMPARE(model.data(second, FileListModel::SizeInBytesRole).toLongLong(), 20);
        QCOMPARE(model.data(second, FileListModel::IsSelectedRole).toBool(), false);
        QCOMPARE(model.rowOfId("/h/Library/Caches/Harbor Notes"), 2);
        QCOMPARE(model.rowOfId("/h/elsewhere"), -1);
    }

    // The row checkbox writes through setData; only isSelected is writable.
    void checkboxWritesTheSelectionFlag() {
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFiles(threeLeftovers());
        QSignalSpy selection(&model, &FileListModel::selectionChanged);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        QVERIFY(model.setData(model.index(1), true, FileListModel::IsSelectedRole));
        QVERIFY(model.files().at(1).isSelected);
        QCOMPARE(selection.count(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex().row(), 1);

        QVERIFY(!model.setData(model.index(1), 5, FileListModel::SizeInBytesRole));
        QCOMPARE(model.files().at(1).sizeInBytes, 20);
        QVERIFY(!model.setSelected(3, false));
        QVERIFY(!model.setSelected(-1, false));
        QCOMPARE(selection.count(), 1);
    }

    void removingByIdKeepsTheOthersInOrder() {
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFiles(threeLeftovers());
        QSignalSpy count(&model, &FileListModel::countChanged);

        model.removeFilesWithIds({"/h/Library/Caches/com.harbor.notes", "/h/unknown"});
        QCOMPARE(ids(model),
                 QStringList({"/h/Library/Logs/Harbor Notes", "/h/Library/Caches/Harbor Notes"}));
        QCOMPARE(model.files().at(0).isSelected, false);
        QCOMPARE(count.count(), 1);

        model.removeFilesWithIds({"/h/unknown"});
        QCOMPARE(model.count(), 2);
        QCOMPARE(count.count(), 1);

        model.setFiles({});
        QCOMPARE(model.count(), 0);
        QCOMPARE(count.count(), 2);
    }

    void totalsCoverEveryCategoryInFixedOrder() {
        const QList<ScannedFile> files = threeLeftovers();
        QCOMPARE(FileListModel::selectedFiles(files).size(), 2);
        QCOMPARE(FileListModel::totalSize(FileListModel::selectedFiles(files)), 103);

        const QList<FileListModel::CategoryTotal> totals = FileListModel::categoryTotals(files);
        QCOMPARE(totals.size(), 5);
        const QList<ScanCategory> order = {ScanCategory::applicationSupport,
                                           ScanCategory::preferences, ScanCategory::caches,
                                           ScanCategory::logs, ScanCategory::other};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(totals.at(i).category, order.at(i));
        // Unselected rows count as well.
        QCOMPARE(totals.at(2).totalBytes, 103);
        QCOMPARE(totals.at(2).itemCount, 2);
        QCOMPARE(totals.at(3).totalBytes, 20);
        QCOMPARE(totals.at(3).itemCount, 1);
        QCOMPARE(totals.at(0).itemCount, 0);
    }
};

QTEST_GUILESS_MAIN(TestFileListModel)
#include "TestFileListModel.moc"
