#include "SessionFakes.h"
#include "session/FileListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

class TestFileListModel : public QObject {
    Q_OBJECT

private slots:
    // Rows as the list shows them, the checkbox's write, and rows taken out after a removal,
    // all under the model tester's eye.
    void rowsFollowTheSession() {
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy count(&model, &FileListModel::countChanged);
        QSignalSpy selection(&model, &FileListModel::selectionChanged);
        model.setFiles({leftover("/h/Library/Caches/a", ScanCategory::caches, 100),
                        leftover("/h/Library/Logs/Harbor Notes", ScanCategory::logs, 20, false),
                        leftover("/h/Library/Caches/c", ScanCategory::caches, 3)});

        const QModelIndex row = model.index(1);
        const auto value = [&](FileListModel::Role role) { return model.data(row, role); };
        QCOMPARE(model.roleNames().value(FileListModel::IsSelectedRole), "isSelected");
        QCOMPARE(value(FileListModel::FileNameRole).toString(), "Harbor Notes");
        QCOMPARE(value(FileListModel::ParentPathRole).toString(), "/h/Library/Logs");
        QCOMPARE(value(FileListModel::PathRole).toString(), "/h/Library/Logs/Harbor Notes");
        QCOMPARE(value(FileListModel::CategoryRole).toString(), "Logs");
        QCOMPARE(value(FileListModel::SafetyRole).toString(), "Safe");
        QCOMPARE(value(FileListModel::SizeInBytesRole).toLongLong(), 20);
        QCOMPARE(model.rowOfId("/h/Library/Caches/c"), 2);

        QVERIFY(model.setData(row, true, FileListModel::IsSelectedRole));
        QVERIFY(value(FileListModel::IsSelectedRole).toBool());
        QVERIFY(!model.setData(row, 5, FileListModel::SizeInBytesRole));
        QVERIFY(!model.setSelected(3, false) && !model.setSelected(-1, false));
        QCOMPARE(selection.count(), 1);

        model.setSelected(0, false);
        model.removeFilesWithIds({"/h/Library/Caches/c", "/h/Library/Caches/unknown"});
        QCOMPARE(model.count(), 2);
        QCOMPARE(model.files().at(0).isSelected, false);
        QCOMPARE(model.rowOfId("/h/Library/Logs/Harbor Notes"), 1);
        model.removeFilesWithIds({"/h/Library/Caches/unknown"});
        model.setFiles({});
        QCOMPARE(count.count(), 3);
    }
};

QTEST_GUILESS_MAIN(TestFileListModel)
#include "TestFileListModel.moc"
