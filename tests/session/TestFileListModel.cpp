#include "SessionFakes.h"
#include "session/FileListModel.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
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
        model.setFiles(
            {leftover("/h/Library/Caches/a", ScanCategory::caches, 100),
             leftover("/h/Library/Logs/Harbor Notes", ScanCategory::logs, 20, false, false),
             leftover("/h/Library/Caches/c", ScanCategory::caches, 3)});

        // Only offered, it follows the two certain rows.
        const QModelIndex row = model.index(2);
        QCOMPARE(model.rowOfId("/h/Library/Logs/Harbor Notes"), 2);
        QVariantList values;
        for (int role = FileListModel::PathRole; role <= FileListModel::IsSelectedRole; ++role)
            values.append(model.data(row, role));
        QCOMPARE(values, QVariantList({"/h/Library/Logs/Harbor Notes", "Harbor Notes",
                                       "/h/Library/Logs", "Logs", "Safe", 20LL, false}));
        QCOMPARE(model.roleNames().value(FileListModel::IsSelectedRole), "isSelected");
        QCOMPARE(model.roleNames().value(FileListModel::SizeCompleteRole), "sizeComplete");
        QCOMPARE(model.data(row, FileListModel::SizeCompleteRole), false);
        QCOMPARE(model.data(model.index(0), FileListModel::SizeCompleteRole), true);

        QVERIFY(model.setData(row, true, FileListModel::IsSelectedRole));
        QVERIFY(!model.setData(row, 5, FileListModel::SizeInBytesRole));
        QVERIFY(!model.setSelected(3, false) && !model.setSelected(-1, false));
        QCOMPARE(model.data(row, FileListModel::EvidenceCodeRole), "partialName");
        QVERIFY(!model.data(row, FileListModel::EvidenceRole).toString().isEmpty());

        model.removeFilesWithIds({"/h/Library/Caches/c", "/h/Library/Caches/unknown"});
        QCOMPARE(model.rowOfId("/h/Library/Logs/Harbor Notes"), 1);
        QVERIFY(model.files().at(1).isSelected);
        model.setFiles({});
        QCOMPARE(count.count(), 3);
    }

    // What is certainly the app's comes first, the rest after it under one heading, which moves
    // to the next offered row when its row goes; toggling a row regroups nothing.
    void offeredRowsFollowUnderOneHeading() {
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFiles({leftover("/h/a", ScanCategory::caches, 1, false),
                        leftover("/h/b", ScanCategory::caches, 2),
                        leftover("/h/c", ScanCategory::caches, 3, false),
                        leftover("/h/d", ScanCategory::caches, 4)});
        const auto headings = [&model] {
            QStringList rows;
            for (int row = 0; row < model.count(); ++row)
                rows.append(
                    model.files().at(row).id +
                    (model.data(model.index(row), FileListModel::StartsReviewGroupRole).toBool()
                         ? "*"
                         : ""));
            return rows;
        };
        QCOMPARE(headings(), (QStringList{"/h/b", "/h/d", "/h/a*", "/h/c"}));
        model.setSelected(2, true);
        model.setSelected(0, false);
        QCOMPARE(headings(), (QStringList{"/h/b", "/h/d", "/h/a*", "/h/c"}));
        QSignalSpy changes(&model, &FileListModel::dataChanged);
        model.removeFilesWithIds({"/h/a"});
        QCOMPARE(headings(), (QStringList{"/h/b", "/h/d", "/h/c*"}));
        QVERIFY(!changes.isEmpty());
    }

    // Selecting every row is one change of the whole list, not one per row.
    void selectAllIsOneChange() {
        FileListModel model;
        QList<ScannedFile> files;
        for (int index = 0; index < 500; ++index)
            files.append(leftover(QString("/h/Library/Caches/%1").arg(index), ScanCategory::caches,
                                  index, index % 3 == 0));
        model.setFiles(files);
        QSignalSpy changes(&model, &FileListModel::dataChanged);
        QSignalSpy selection(&model, &FileListModel::selectionChanged);
        model.setAllSelected(true);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(selection.count(), 1);
        QCOMPARE(changes.at(0).at(0).toModelIndex().row(), 0);
        QCOMPARE(changes.at(0).at(1).toModelIndex().row(), 499);
        QCOMPARE(model.selectedCount(), 500);
        QCOMPARE(model.selectedBytes(), 499 * 500 / 2);
    }

    // Neighbouring rows go in one step per run, from the end; many runs reset the list at once.
    void removesRunsOrResets_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("removals");
        QTest::addColumn<int>("resets");
        QTest::newRow("10 runs") << 40 << 10 << 0;
        QTest::newRow("100 runs") << 400 << 0 << 1;
    }

    void removesRunsOrResets() {
        QFETCH(int, rows);
        QFETCH(int, removals);
        QFETCH(int, resets);
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QList<ScannedFile> files;
        QSet<QString> ids;
        QStringList kept;
        for (int index = 0; index < rows; ++index) {
            const QString path = QString("/h/Library/Caches/%1").arg(index);
            files.append(leftover(path, ScanCategory::caches, 1));
            // Runs of two rows with two rows kept between them.
            if (index % 4 < 2)
                ids.insert(path);
            else
                kept.append(path);
        }
        model.setFiles(files);
        QSignalSpy removed(&model, &FileListModel::rowsRemoved);
        QSignalSpy reset(&model, &FileListModel::modelReset);
        model.removeFilesWithIds(ids);
        QCOMPARE(removed.count(), removals);
        QCOMPARE(reset.count(), resets);
        if (removals > 0)
            QCOMPARE(removed.at(0).mid(1), (QVariantList{rows - 4, rows - 3}));
        QStringList left;
        for (const ScannedFile& file : model.files())
            left.append(file.id);
        QCOMPARE(left, kept);
        QCOMPARE(model.selectedBytes(), kept.size());
    }

    // The kept totals, and whether each was counted whole, equal a full recount after any mix of
    // toggles, select-all and removals of scattered rows, for the whole list and for each app.
    void keptTotalsEqualARecount() {
        FileListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QRandomGenerator random(12);
        const QList<ScanCategory> categories = allScanCategories();
        QList<ScannedApp> apps(3);
        for (int index = 0; index < 300; ++index)
            apps[random.bounded(3)].report.matches.append(leftover(
                QString("/h/Library/x/%1").arg(index),
                categories.at(random.bounded(int(categories.size()))), random.bounded(1, 100000),
                random.bounded(2) == 0, random.bounded(100) != 0));
        model.setAppFiles(apps);
        int wholeSelections = 0; // steps after which the selection was sized whole
        for (int step = 0; step < 2000; ++step) {
            const int action = random.bounded(100);
            if (action == 0) {
                model.setAllSelected(random.bounded(2) == 0);
            } else if (action == 1 && model.count() > 0) {
                QSet<QString> ids;
                for (int pick = 0; pick < 20; ++pick)
                    ids.insert(model.files().at(random.bounded(model.count())).id);
                model.removeFilesWithIds(ids);
            } else if (model.count() > 0) {
                model.setSelected(random.bounded(model.count()), random.bounded(2) == 0);
            }
            const QList<ScannedFile> selected = filesWithSelection(model.files(), true);
            QCOMPARE(model.selectedCount(), selected.size());
            QCOMPARE(model.selectedBytes(), FileListModel::totalSize(selected));
            QCOMPARE(model.selectedSizeComplete(), notSizedWholeCount(selected) == 0);
            wholeSelections += model.selectedSizeComplete() ? 1 : 0;
            for (qsizetype app = 0; app < apps.size(); ++app) {
                const QList<ScannedFile> ofApp = model.filesOfApp(app);
                QCOMPARE(model.totalsOfApp(app).rowCount, ofApp.size());
                QCOMPARE(model.totalsOfApp(app).selectedCount,
                         filesWithSelection(ofApp, true).size());
                QCOMPARE(model.totalsOfApp(app).selectedBytes,
                         FileListModel::totalSize(filesWithSelection(ofApp, true)));
            }
            // The dashboard counts what is selected, after every toggle.
            const auto recount = categoryTotals(selected);
            for (qsizetype index = 0; index < recount.size(); ++index) {
                QCOMPARE(model.totalsByCategory().at(index).totalBytes,
                         recount.at(index).totalBytes);
                QCOMPARE(model.totalsByCategory().at(index).itemCount, recount.at(index).itemCount);
                QCOMPARE(model.totalsByCategory().at(index).sizeComplete,
                         recount.at(index).sizeComplete);
            }
        }
        QVERIFY(model.count() < 300);
        QVERIFY(wholeSelections > 0 && wholeSelections < 2000);
    }
};

QTEST_GUILESS_MAIN(TestFileListModel)
#include "TestFileListModel.moc"
