#include "SessionFixture.h"
#include "removal/FileDeletionService.h"

#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

namespace {

const QString permissionReason = "Permission denied. Grant Full Disk Access and try again.";
const QString goneReason = "File no longer exists.";

// A held bundle of 1000 bytes whose scan found a (100), b (20) and c (3), selected, and d (7),
// not selected.
struct ScannedSession : SessionFixture {
    explicit ScannedSession(SessionOptions options = {}) : SessionFixture(options) {
        bundleURL = takeInHarborNotes(1000);
        scanner->finish(0, {{leftover("/h/Library/Caches/a", ScanCategory::caches, 100),
                             leftover("/h/Library/Logs/b", ScanCategory::logs, 20),
                             leftover("/h/Library/Preferences/c", ScanCategory::preferences, 3),
                             leftover("/h/Library/Caches/d", ScanCategory::caches, 7, false)},
                            {}});
    }
    QUrl url(const QString& name) const { return QUrl::fromLocalFile("/h/Library/" + name); }
    QStringList remainingNames() const {
        QStringList names;
        for (const ScannedFile& file : model->files()->files())
            names.append(file.url.fileName());
        return names;
    }
    QUrl bundleURL;
};

} // namespace

class TestRemovalFlow : public QObject {
    Q_OBJECT

private slots:
    // The bundle goes along with every removal, so it counts in the totals, not in the list.
    void bundleCountsInTotals() {
        ScannedSession session;
        CleanerViewModel& model = *session.model;
        QCOMPARE(model.selectedFiles().size(), 3);
        QCOMPARE(model.selectedCount(), 4);
        QCOMPARE(model.selectedSize(), 1123);
        QVERIFY(model.isAnySelected() && !model.isAllSelected());
        const QVariantList breakdown = model.categoryBreakdown();
        QCOMPARE(breakdown.at(2).toMap().value("totalBytes").toLongLong(), 107);
        QCOMPARE(breakdown.at(2).toMap().value("itemCount").toLongLong(), 2);

        QSignalSpy count(&model, &CleanerViewModel::selectedCountChanged);
        QSignalSpy size(&model, &CleanerViewModel::selectedSizeChanged);
        QSignalSpy all(&model, &CleanerViewModel::isAllSelectedChanged);
        FileListModel& files = *model.files();
        QVERIFY(files.setData(files.index(3), true, FileListModel::IsSelectedRole));
        QCOMPARE(model.selectedCount(), 5);
        QCOMPARE(model.selectedSize(), 1130);
        QVERIFY(model.isAllSelected());
        QVERIFY(count.count() == 1 && size.count() == 1 && all.count() == 1);
    }

    void toggleSelectAll_data() {
        QTest::addColumn<QList<bool>>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("one of three") << QList<bool>{false, true, false} << true;
        QTest::newRow("none") << QList<bool>{false, false} << true;
        QTest::newRow("all") << QList<bool>{true, true, true} << false;
        QTest::newRow("empty list") << QList<bool>{} << false;
    }

    void toggleSelectAll() {
        QFETCH(QList<bool>, before);
        QFETCH(bool, after);
        SessionFixture session;
        session.takeInHarborNotes();
        ScanReport report;
        for (qsizetype i = 0; i < before.size(); ++i)
            report.matches.append(
                leftover(QString("/h/%1").arg(i), ScanCategory::other, 1, before.at(i)));
        session.scanner->finish(0, report);
        QSignalSpy selection(session.model->files(), &FileListModel::selectionChanged);

        session.model->toggleSelectAll();

        QCOMPARE(selection.count(), before.size());
        QCOMPARE(session.model->selectedFiles().size(), after ? before.size() : 0);
        QCOMPARE(session.model->selectedCount(), 1 + (after ? before.size() : 0));
    }

    void requestingRemoval_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("anySelected");
        QTest::newRow("nothing selected") << false << false;
        QTest::newRow("confirmation on") << true << true;
        QTest::newRow("confirmation off") << false << true;
    }

    void requestingRemoval() {
        QFETCH(bool, confirm);
        QFETCH(bool, anySelected);
        ScannedSession session({.confirmBeforeRemoving = confirm});
        CleanerViewModel& model = *session.model;
        for (int row = 0; row < model.files()->count() && !anySelected; ++row)
            model.files()->setSelected(row, false);

        model.requestDeletion();

        QCOMPARE(model.showErrorAlert(), !anySelected);
        QCOMPARE(model.errorMessage(),
                 anySelected ? "" : "Select at least one file before deleting.");
        QCOMPARE(model.showDeleteConfirmation(), confirm);
        const bool removing = anySelected && !confirm;
        QCOMPARE(model.isDeleting(), removing);
        QCOMPARE(session.deleter->count(), removing ? 1 : 0);
        if (removing) {
            QCOMPARE(model.statusMessage(), "Moving selected files to Trash...");
            QCOMPARE(session.deleter->request(0),
                     QList<QUrl>({session.url("Caches/a"), session.url("Logs/b"),
                                  session.url("Preferences/c"), session.bundleURL}));
        }
    }

    void removalOutcomes_data() {
        QTest::addColumn<QStringList>("failing"); // names of the locations the service refuses
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("error");
        QTest::addColumn<qint64>("deletedCount");
        QTest::addColumn<qint64>("reclaimed");
        QTest::addColumn<QStringList>("remaining");
        QTest::newRow("all moved") << QStringList() << "Moved 4 items to Trash."
                                   << "" << 4LL << 1123LL << QStringList{"d"};
        QTest::newRow("one in the middle fails")
            << QStringList{"b"} << "Deleted 3 items. Some files failed." << permissionReason << 3LL
            << 1103LL << QStringList{"b", "d"};
        QTest::newRow("bundle fails")
            << QStringList{"Harbor Notes.app"} << "Deleted 3 items. Some files failed."
            << permissionReason << 3LL << 123LL << QStringList{"d"};
        QTest::newRow("all fail") << QStringList{"a", "b", "c", "Harbor Notes.app"}
                                  << "Deleted 0 items. Some files failed." << permissionReason
                                  << 0LL << 0LL << QStringList{"a", "b", "c", "d"};
    }

    void removalOutcomes() {
        QFETCH(QStringList, failing);
        QFETCH(QString, status);
        QFETCH(QString, error);
        QFETCH(qint64, deletedCount);
        QFETCH(qint64, reclaimed);
        QFETCH(QStringList, remaining);
        ScannedSession session;
        CleanerViewModel& model = *session.model;
        model.deleteSelectedFiles();
        DeletionReport report;
        for (const QUrl& url : session.deleter->request(0)) {
            if (!failing.contains(url.fileName()))
                report.deleted.append(url);
            else
                report.failures.append({QUuid::createUuid(), url,
                                        report.failures.isEmpty() ? permissionReason : goneReason});
        }

        session.deleter->finish(0, report);

        QVERIFY(!model.isDeleting());
        QCOMPARE(model.statusMessage(), status);
        QCOMPARE(model.showErrorAlert(), !error.isEmpty());
        QCOMPARE(model.errorMessage(), error);
        QCOMPARE(model.showSuccessState(), deletedCount > 0);
        QCOMPARE(model.lastDeletedCount(), deletedCount);
        QCOMPARE(model.lastReclaimedSize(), reclaimed);
        QCOMPARE(session.remainingNames(), remaining);
        // Failed rows stay selected, ready for another try.
        QCOMPARE(model.selectedFiles().size(), remaining.size() - 1);
        QVERIFY(model.hasDroppedApp());
    }

    // A removal has no identity: its outcome arrives even after the window was reset.
    void resetDuringRemoval() {
        ScannedSession session;
        CleanerViewModel& model = *session.model;
        model.deleteSelectedFiles();
        model.resetSelection();
        QVERIFY(!model.isDeleting());

        session.deleter->finish(0, {session.deleter->request(0), {}});

        QCOMPARE(model.statusMessage(), "Moved 4 items to Trash.");
        QVERIFY(model.showSuccessState());
        QCOMPARE(model.lastDeletedCount(), 4);
        QCOMPARE(model.lastReclaimedSize(), 1123);
        QVERIFY(!model.hasDroppedApp() && !model.isDeleting());
        QCOMPARE(model.files()->count(), 0);
    }

    // The real service reports an item that vanished beforehand as removed.
    void itemAlreadyGone() {
        ScannedSession session;
        CleanerViewModel::Collaborators real{
            session.scanner, std::make_shared<FileDeletionService>(), &session.preferences,
            &session.permissions, [](const QUrl&) { return QFuture<qint64>(); }};
        CleanerViewModel model(real);
        model.handleDroppedApp(session.bundleURL);
        const QString present = session.dir.createFileOfSize("home/Library/Caches/present", 10);
        const QString gone = session.dir.path("home/Library/Caches/gone");
        session.scanner->finish(1, {{leftover(present, ScanCategory::caches, 10),
                                     leftover(gone, ScanCategory::caches, 30)},
                                    {}});

        model.deleteSelectedFiles();

        QTRY_VERIFY(model.showSuccessState());
        QCOMPARE(model.statusMessage(), "Moved 3 items to Trash.");
        QCOMPARE(model.lastDeletedCount(), 3);
        QCOMPARE(model.lastReclaimedSize(), 40);
        QVERIFY(!model.showErrorAlert());
        QCOMPARE(model.files()->count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRemovalFlow)
#include "TestRemovalFlow.moc"
