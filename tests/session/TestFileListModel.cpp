#include "SessionFakes.h"
#include "session/FileListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

class TestFileListModel : public QObject {
    Q_OBJECT

private slots:
    // Rows as the list shows them, the checkbox's write and removed rows, under the tester.
    void rowsFollowTheSession() {
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy count(&model, &FileListModel::countChanged);
        model.setFiles({leftover("/h/Library/Caches/a", ScanCategory::caches, 100),
                        leftover("/h/Library/Logs/Harbor Notes", ScanCategory::logs, 20, false),
                        leftover("/h/Library/Caches/c", ScanCategory::caches, 3)});

        const QModelIndex row = model.index(1);
        QVariantList values;
        for (int role = FileListModel::PathRole; role <= FileListModel::IsSelectedRole; ++role)
            values.append(model.data(row, role));
        QCOMPARE(values, QVariantList({"/h/Library/Logs/Harbor Notes", "Harbor Notes",
                                       "/h/Library/Logs", "Logs", "Safe", 20LL, false}));
        QCOMPARE(model.roleNames().value(FileListModel::IsSelectedRole), "isSelected");

        QVERIFY(model.setData(row, true, FileListModel::IsSelectedRole));
        QVERIFY(!model.setData(row, 5, FileListModel::SizeInBytesRole));
        QVERIFY(!model.setSelected(3, false) && !model.setSelected(-1, false));

        model.removeFilesWithIds({"/h/Library/Caches/c", "/h/Library/Caches/unknown"});
        QCOMPARE(model.rowOfId("/h/Library/Logs/Harbor Notes"), 1);
        QVERIFY(model.files().at(1).isSelected);
        model.setFiles({});
        QCOMPARE(count.count(), 3);
    }
};

QTEST_GUILESS_MAIN(TestFileListModel)
#include "TestFileListModel.moc"
