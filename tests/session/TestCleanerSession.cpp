#include "SessionFixture.h"

#include "removal/RemovalPlan.h"
#include "session/RemovalOutcome.h"

#include <QMetaProperty>
#include <QTest>

using namespace tidewell;

namespace {

const QString permissionReason = "Permission denied. Grant Full Disk Access and try again.";

// What the scan finds: a (100), b (20) and c (3), selected, and d (at least 7, a folder inside
// it unreadable), not selected.
QList<ScannedFile> fourLeftovers() {
    return {leftover("/h/Library/Caches/a", ScanCategory::caches, 100),
            leftover("/h/Library/Logs/b", ScanCategory::logs, 20),
            leftover("/h/Library/Preferences/c", ScanCategory::preferences, 3),
            leftover("/h/Library/Caches/d", ScanCategory::caches, 7, false, false)};
}

// A scan's report of these leftovers and of the folders it could not read.
ScanReport reportOf(const QList<ScannedFile>& files, const QStringList& unreadable = {}) {
    return {files, leftAloneItems(unreadable, LeftAloneReason::unreadable)};
}

// Every published value of the session, of the objects it publishes and of its permission
// state.
QVariantMap snapshot(const SessionFixture& session) {
    const CleanerViewModel& model = *session.model;
    QVariantMap values;
    for (const QObject* object :
         std::initializer_list<const QObject*>{&model, model.app(), model.files(), model.outcome(),
                                               model.uninstaller(), &session.permissions}) {
        const QMetaObject* meta = object->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            values.insert(QString(meta->className()) + "." + meta->property(i).name(),
                          meta->property(i).read(object));
    }
    return values;
}

// A held bundle of 1000 bytes and its four leftovers.
struct ScannedSession : SessionFixture {
    ScannedSession() {
        takeInHarborNotes(1000);
        scanner->finish(0, {fourLeftovers(), {}});
    }
};

} // namespace

class TestCleanerSession : public QObject {
    Q_OBJECT

private slots:
    void acceptingABundle_data() {
        QTest::addColumn<bool>("autoScan");
        QTest::addColumn<QStringList>("statuses");
        QTest::newRow("auto") << true
                              << QStringList{"Scanning leftovers for Harbor Notes...",
                                             "Scanning library folders..."};
        QTest::newRow("manual") << false
                                << QStringList{"Ready to scan leftovers for Harbor Notes."};
    }

    void acceptingABundle() {
        QFETCH(bool, autoScan);
        QFETCH(QStringList, statuses);
        SessionFixture session({.autoScan = autoScan});
        CleanerViewModel& model = *session.model;
        session.permissions.setPermissionDeniedPaths({"/h/Library/Mail"}); // an earlier scan's
        QStringList published{model.statusMessage()};
        connect(&model, &CleanerViewModel::statusMessageChanged, this,
                [&] { published.append(model.statusMessage()); });

        const QUrl bundle = session.takeInHarborNotes();

        QCOMPARE(published, QStringList{"Drop your apps here"} + statuses);
        QCOMPARE(session.sizes.request(0), bundle);
        QVERIFY(session.permissions.permissionDeniedPaths().isEmpty());
        QCOMPARE(model.phase(),
                 autoScan ? CleanerViewModel::Scanning : CleanerViewModel::AwaitingScan);
        QCOMPARE(session.scanner->count(), autoScan ? 1 : 0);
        model.scanForLeftovers(true); // "Scan Now"
        QCOMPARE(model.phase(), CleanerViewModel::Scanning);
        QVERIFY(session.scanner->request(session.scanner->count() - 1).second);
    }

    // Bundles are read off the main thread: only the latest intake is taken in, none after a
    // reset.
    void onlyTheLatestIntakeIsTakenIn() {
        SessionFixture session({.deferDescriptorReads = true});
        CleanerViewModel& model = *session.model;
        QList<QUrl> bundles;
        for (const char* name : {"A", "B"})
            bundles.append(QUrl::fromLocalFile(session.dir.createAppBundle(
                QString("%1.app").arg(name), {{"CFBundleIdentifier", QString("org.") + name}})));
        model.handleDroppedApp(bundles[0]);
        model.handleDroppedApp(bundles[1]);
        QVERIFY(!model.app()->isHeld());
        session.descriptors.finish(1, AppDescriptor::from(bundles[1]));
        session.descriptors.finish(0, AppDescriptor::from(bundles[0]));
        QCOMPARE(model.app()->identifier(), "org.B");
        model.handleDroppedApp(bundles[0]);
        model.resetSelection();
        session.descriptors.finish(2, AppDescriptor::from(bundles[0]));
        QVERIFY(!model.app()->isHeld());
        QCOMPARE(session.scanner->count(), 1);
    }

    // A bad bundle leaves the session exactly as it was, apart from the alert.
    void rejectingABundle() {
        ScannedSession session;
        QVariantMap expected = snapshot(session);
        expected["tidewell::CleanerViewModel.errorMessage"] =
            errorDescription(AppDescriptorError::missingBundleIdentifier);
        expected["tidewell::CleanerViewModel.showErrorAlert"] = true;

        session.model->handleDroppedApp(
            QUrl::fromLocalFile(session.dir.createAppBundle("N.app", {{"CFBundleName", "N"}})));

        QCOMPARE(snapshot(session), expected);
        QCOMPARE(session.sizes.count() + session.scanner->count(), 2);
    }

    // Without a bundle only a scan the user asked for is reported, and nothing starts.
    void scanningWithoutABundle() {
        SessionFixture session;
        CleanerViewModel& model = *session.model;
        model.scanForLeftovers(false);
        QVERIFY(!model.showErrorAlert() && model.errorMessage().isEmpty());
        model.scanForLeftovers(true);
        QCOMPARE(model.errorMessage(), "Select an app first.");
        QVERIFY(model.showErrorAlert() && model.phase() == CleanerViewModel::Empty);
        QCOMPARE(session.scanner->count(), 0);
    }

    void staleResultsAreDropped_data() {
        QTest::addColumn<bool>("found"); // whether the scan that counts finds anything
        QTest::newRow("second scan") << false;
        QTest::newRow("reset") << false;
        QTest::newRow("newer bundle") << true;
    }

    void staleResultsAreDropped() {
        QFETCH(bool, found);
        const QByteArray interruption = QTest::currentDataTag();
        SessionFixture session;
        session.setAccessGranted(false);
        CleanerViewModel& model = *session.model;
        session.takeInHarborNotes();
        if (interruption == "second scan")
            model.scanForLeftovers(true);
        else if (interruption == "newer bundle")
            model.handleDroppedApp(QUrl::fromLocalFile(
                session.dir.createAppBundle("Tide.app", {{"CFBundleIdentifier", "org.tide"}})));
        else
            model.resetSelection();
        QCOMPARE(model.phase() == CleanerViewModel::Scanning, interruption != "reset");
        QVERIFY(session.scanner->isCanceled(0)); // the abandoned walk may stop at once
        const QVariantMap before = snapshot(session);

        session.scanner->finish(0, reportOf(fourLeftovers(), {"/h/Library/Mail"}));
        if (interruption != "second scan") // a scan leaves the size estimate current
            session.sizes.finish(0, 5000);
        QCOMPARE(snapshot(session), before);
        if (interruption == "reset")
            return;

        // The current work still lands.
        session.scanner->finish(1, {found ? fourLeftovers() : QList<ScannedFile>(), {}});
        QCOMPARE(model.statusMessage(),
                 found ? "Found 4 related items." : "No leftover files were found.");
        QCOMPARE(model.phase(), CleanerViewModel::Results);
        session.sizes.finish(session.sizes.count() - 1, 2'500'000);
        QCOMPARE(model.selectedSize(), 2'500'000 + (found ? 123 : 0));
    }

    // The prompt comes once; the banner's list follows every scan; a reset clears both.
    void permissionHandOffAcrossScans() {
        SessionFixture session;
        session.setAccessGranted(false);
        PermissionManager& permissions = session.permissions;
        CleanerViewModel& model = *session.model;
        session.takeInHarborNotes();
        for (const QStringList& denied :
             QList<QStringList>{{}, {"/h/Library/Mail"}, {"/h/Library/Safari"}}) {
            model.scanForLeftovers(true);
            QVERIFY(permissions.permissionDeniedPaths().isEmpty());
            session.scanner->finish(session.scanner->count() - 1, reportOf({}, denied));
            QCOMPARE(permissions.permissionDeniedPaths(), denied);
            QCOMPARE(permissions.showPermissionPromptAlert(), denied.contains("/h/Library/Mail"));
            permissions.setShowPermissionPromptAlert(false); // the user closes the prompt
        }
        session.setAccessGranted(true); // seen at the next scan: no banner
        model.scanForLeftovers(false);
        session.scanner->finish(session.scanner->count() - 1, reportOf({}, {"/h/Library/Safari"}));
        QVERIFY(permissions.permissionDeniedPaths().isEmpty());
        // Without a permission to ask for (Linux), the folders still reach the window.
        QCOMPARE(model.unreadableFolders(), QStringList{"/h/Library/Safari"});
        model.scanForLeftovers(false);
        QVERIFY(model.unreadableFolders().isEmpty());
        session.scanner->finish(session.scanner->count() - 1, reportOf({}, {"/h/Library/Safari"}));

        permissions.setShowPermissionPromptAlert(true);
        model.setShowErrorAlert(true);
        model.resetSelection();
        QVERIFY(!permissions.showPermissionPromptAlert() && !model.app()->isHeld());
        QVERIFY(model.unreadableFolders().isEmpty());
        QVERIFY(model.showErrorAlert()); // only the user closes an alert
    }

    // The found items a scan leaves alone reach the notice by reason, in the order it lists
    // them; the folders it could not read go to the banner instead. The next scan clears both.
    void itemsLeftAloneByReason() {
        SessionFixture session;
        CleanerViewModel& model = *session.model;
        session.takeInHarborNotes();
        ScanReport report = reportOf({}, {"/h/.config/locked"});
        report.leftAlone +=
            leftAloneItems({"/h/a\ufffd", "/h/b\ufffd"}, LeftAloneReason::undecodableName) +
            leftAloneItems({"/h/.config/mimeapps.list"}, LeftAloneReason::sharedSettingsFile);
        session.scanner->finish(0, report);
        QCOMPARE(model.unreadableFolders(), QStringList{"/h/.config/locked"});
        const QVariantList expected{
            QVariantMap{{"reason", "sharedSettingsFile"},
                        {"paths", QStringList{"/h/.config/mimeapps.list"}}},
            QVariantMap{{"reason", "undecodableName"},
                        {"paths", QStringList{"/h/a\ufffd", "/h/b\ufffd"}}}};
        QCOMPARE(model.itemsLeftAlone(), expected);
        model.scanForLeftovers(false);
        QVERIFY(model.itemsLeftAlone().isEmpty() && model.unreadableFolders().isEmpty());
    }

    void selectionAndTotals_data() {
        QTest::addColumn<QList<bool>>("rows");
        QTest::addColumn<int>("files");          // selected rows
        QTest::addColumn<qint64>("size");        // selected, bundle included
        QTest::addColumn<bool>("whole");         // whether size is the selection's whole size
        QTest::addColumn<bool>("toggledOn");     // what "select all" does next
        QTest::addColumn<QVariantMap>("caches"); // the dashboard's selected caches
        const auto caches = [](qint64 count, qint64 bytes, bool whole) {
            return QVariantMap{{"category", "Caches"},
                               {"categoryName", "Caches"},
                               {"itemCount", count},
                               {"totalBytes", bytes},
                               {"sizeComplete", whole}};
        };
        QTest::newRow("some") << QList<bool>{true, true, true, false} << 3 << 1123LL << true << true
                              << caches(1, 100, true);
        QTest::newRow("none") << QList<bool>{false, false, false, false} << 0 << 1000LL << true
                              << true << caches(0, 0, true);
        QTest::newRow("all") << QList<bool>{true, true, true, true} << 4 << 1130LL << false << false
                             << caches(2, 107, false);
    }

    // The bundle goes along with every removal, so it counts in the totals, not in the list. A
    // total holding an item not sized whole is only a lower bound.
    void selectionAndTotals() {
        QFETCH(QList<bool>, rows);
        QFETCH(int, files);
        QFETCH(qint64, size);
        QFETCH(bool, whole);
        QFETCH(bool, toggledOn);
        QFETCH(QVariantMap, caches);
        ScannedSession session;
        CleanerViewModel& model = *session.model;
        for (int row = 0; row < rows.size(); ++row)
            model.files()->setSelected(row, rows[row]);
        QCOMPARE(model.selectedFiles().size(), files);
        QCOMPARE(model.selectedCount(), files + 1);
        QCOMPARE(model.selectedSize(), size);
        QCOMPARE(model.selectedSizeComplete(), whole);
        QVERIFY(model.isAnySelected() == (files > 0) && model.isAllSelected() == (files == 4));
        QCOMPARE(model.categoryBreakdown().at(2).toMap(), caches);
        QCOMPARE(model.categoryBreakdown().at(1).toMap().value("sizeComplete"), true);

        model.toggleSelectAll();
        QCOMPARE(model.selectedFiles().size(), toggledOn ? 4 : 0);
        QCOMPARE(model.selectedCount(), toggledOn ? 5 : 1);
        QCOMPARE(model.selectedSize(), toggledOn ? 1130 : 1000);
        QCOMPARE(model.selectedSizeComplete(), !toggledOn);
    }

    void removalNeedsASelection() {
        ScannedSession session;
        session.model->toggleSelectAll(); // all
        session.model->toggleSelectAll(); // none
        session.model->requestDeletion();
        QCOMPARE(session.model->errorMessage(), "Select at least one file before deleting.");
        QVERIFY(session.model->showErrorAlert() && session.deleter->count() == 0);
    }

    void removalOutcomes_data() {
        QTest::addColumn<QString>("failing"); // the items the service refuses, comma-separated
        QTest::addColumn<bool>("reset");      // the window is reset while removing
        QTest::addColumn<QString>("status");
        QTest::addColumn<qint64>("reclaimed");
        QTest::addColumn<QString>("remaining"); // the rows left, * when selected
        const QString moved = "Moved 4 items to Trash.", app = "Harbor Notes.app";
        const QString failed = "Deleted %1 items. Some files failed.";
        QTest::newRow("all moved") << "" << false << moved << 1123LL << "d";
        QTest::newRow("middle fails") << "b" << false << failed.arg(3) << 1103LL << "b*,d";
        QTest::newRow("bundle fails") << app << false << failed.arg(3) << 123LL << "d";
        QTest::newRow("all") << "a,b,c," + app << false << failed.arg(0) << 0LL << "a*,b*,c*,d";
        // The window moved on: the late outcome must not bring back a panel or a count.
        QTest::newRow("reset while removing") << "b" << true << "Drop your apps here" << 0LL << "";
    }

    void removalOutcomes() {
        QFETCH(QString, failing);
        QFETCH(bool, reset);
        QFETCH(QString, status);
        QFETCH(qint64, reclaimed);
        QFETCH(QString, remaining);
        const QStringList refused = failing.split(',', Qt::SkipEmptyParts);
        ScannedSession session;
        CleanerViewModel& model = *session.model;
        model.requestDeletion(); // no confirmation asked
        QCOMPARE(model.statusMessage(), "Moving selected files to Trash...");
        QCOMPARE(model.phase(), CleanerViewModel::Removing);
        model.scanForLeftovers(false); // a rescan waits until the window starts over
        QCOMPARE(session.scanner->count(), 1);
        if (reset)
            model.resetSelection();
        DeletionReport report;
        // The Trash takes the leftovers and refuses the bundle, which is removed in place.
        const QString bundle = "Harbor Notes.app";
        for (const QUrl& url : session.deleter->request(0)) {
            if (!refused.contains(url.fileName())) {
                report.deleted.append(url);
                (url.fileName() == bundle ? report.removedPermanently : report.trashed).append(url);
            } else // the first failure's reason is the one shown
                report.failures.append(
                    {QUuid::createUuid(), url,
                     report.failures.isEmpty() ? permissionReason : "File no longer exists."});
        }

        session.deleter->finish(0, report);

        QCOMPARE(model.statusMessage(), status);
        QVERIFY(!model.showErrorAlert()); // the outcome panel names the failures instead
        QCOMPARE(model.phase(), reset ? CleanerViewModel::Empty : CleanerViewModel::Outcome);
        QCOMPARE(model.outcome()->removedCount(), reset ? 0 : qint64(4 - refused.size()));
        QCOMPARE(model.outcome()->reclaimedBytes(), reclaimed);
        QVERIFY(model.outcome()->reclaimedSizeComplete()); // d, not sized whole, stayed
        const bool bundleRemoved = !reset && !refused.contains(bundle);
        QCOMPARE(model.outcome()->deletedInPlaceCount(), bundleRemoved ? 1LL : 0LL);
        QCOMPARE(model.outcome()->deletedInPlaceBytes(), bundleRemoved ? 1000LL : 0LL);
        QCOMPARE(model.outcome()->trashedBytes() + model.outcome()->deletedInPlaceBytes(),
                 reclaimed);
        QStringList failures;
        for (const QVariant& failure : model.outcome()->failures())
            failures.append(failure.toMap()["fileName"].toString() + ": " +
                            failure.toMap()["reason"].toString());
        QCOMPARE(failures.size(), reset ? 0 : refused.size());
        if (!failures.isEmpty())
            QCOMPARE(failures.first(), refused.first() + ": " + permissionReason);
        QStringList names;
        for (const ScannedFile& file : model.files()->files())
            names.append(file.url.fileName() + (file.isSelected ? "*" : ""));
        QCOMPARE(names.join(','), remaining); // failed rows stay selected for another try
        QCOMPARE(model.app()->isHeld(), !reset);
        model.scanForLeftovers(false);
        QCOMPARE(session.scanner->count(), 1);
    }

    // Freeing an item not sized whole reclaims at least the bytes counted.
    void reclaimedSizeOfAnItemNotSizedWhole() {
        ScannedSession session;
        CleanerViewModel& model = *session.model;
        model.toggleSelectAll(); // d goes too
        model.requestDeletion();
        DeletionReport report;
        report.deleted = session.deleter->request(0);
        session.deleter->finish(0, report);
        QCOMPARE(model.outcome()->reclaimedBytes(), 1130);
        QVERIFY(!model.outcome()->reclaimedSizeComplete());
    }

    // Several apps at once: each app's rows under it in the order given (its offered ones under
    // their own heading), an item both scans found only under the first, the totals over every
    // app and bundle, a removal per app.
    void severalAppsAtOnce() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SessionFixture session;
        CleanerViewModel& model = *session.model;
        const QUrl harbor = session.takeInHarborNotes();
        const QUrl tide = QUrl::fromLocalFile(
            session.dir.createAppBundle("Apps/Tide.app", {{"CFBundleIdentifier", "org.tide"}}));
        const QUrl nameless =
            QUrl::fromLocalFile(session.dir.createAppBundle("N.app", {{"CFBundleName", "N"}}));
        model.handleDroppedApps({harbor, nameless, tide, harbor});
        // What names no app is refused aloud; the others are taken, each once.
        QCOMPARE(model.errorMessage(),
                 errorDescription(AppDescriptorError::missingBundleIdentifier));
        QCOMPARE(model.apps()->names(), "Harbor Notes and Tide");
        QCOMPARE(session.scanner->count(), 3);
        QVERIFY(session.scanner->isCanceled(0));
        session.sizes.finish(1, 1000);
        session.sizes.finish(2, 500);
        const ScannedFile shared = leftover("/h/Library/Caches/shared", ScanCategory::caches, 7);
        session.scanner->finish(
            2, {{leftover("/h/Library/Logs/tide", ScanCategory::logs, 20, false), shared}, {}});
        QCOMPARE(model.phase(), CleanerViewModel::Scanning); // until every scan is in
        session.scanner->finish(
            1, {{shared, leftover("/h/Library/Caches/harbor", ScanCategory::caches, 100)}, {}});

        QStringList rows;
        for (int row = 0; row < model.files()->count(); ++row) {
            const QModelIndex index = model.files()->index(row);
            rows.append(index.data(FileListModel::FileIdRole).toString() + "@" +
                        index.data(FileListModel::AppIndexRole).toString() +
                        (index.data(FileListModel::StartsAppGroupRole).toBool() ? "^" : "") +
                        (index.data(FileListModel::StartsReviewGroupRole).toBool() ? "*" : ""));
        }
        QCOMPARE(rows, (QStringList{"/h/Library/Caches/shared@0^", "/h/Library/Caches/harbor@0",
                                    "/h/Library/Logs/tide@1^*"}));
        const auto groupText = [&model] {
            QStringList groups;
            for (const QVariant& group : model.appGroups())
                groups.append(QString("%1 %2 %3")
                                  .arg(group.toMap()["name"].toString(),
                                       group.toMap()["itemCount"].toString(),
                                       group.toMap()["selectedBytes"].toString()));
            return groups;
        };
        QCOMPARE(groupText(), (QStringList{"Harbor Notes 2 1107", "Tide 1 500"}));
        QCOMPARE(model.selectedCount(), 4); // two rows and two bundles
        QCOMPARE(model.selectedSize(), 1607);
        model.files()->setSelected(2, true);
        QCOMPARE(groupText(), (QStringList{"Harbor Notes 2 1107", "Tide 1 520"}));

        model.requestDeletion();
        QCOMPARE(session.deleter->count(), 2);
        const auto paths = [](const QList<QUrl>& urls) {
            QStringList names;
            for (const QUrl& url : urls)
                names.append(url.fileName());
            return names.join(',');
        };
        QCOMPARE(paths(session.deleter->request(0)), "shared,harbor,Harbor Notes.app");
        QCOMPARE(paths(session.deleter->request(1)), "tide,Tide.app");
        for (qsizetype call = 1; call >= 0; --call) {
            DeletionReport report{session.deleter->request(call), {}};
            report.trashed = report.deleted;
            report.journalId = call + 1;
            session.deleter->finish(call, report);
        }
        QCOMPARE(model.phase(), CleanerViewModel::Outcome);
        QCOMPARE(model.outcome()->trashedCount(), 5);
        QCOMPARE(model.outcome()->trashedBytes(), 1627);
        QCOMPARE(model.statusMessage(), "Moved 5 items to Trash.");
        QCOMPARE(model.files()->count(), 0);
        QLocale::setDefault(QLocale::c());
    }

    // Undoing the removal of several apps puts back each app's removal in turn and tells of
    // them together.
    void undoingSeveralRemovals() {
        QList<qint64> undone;
        RemovalOutcome outcome([&undone](qint64 id) {
            undone.append(id);
            UndoReport report;
            report.restored = QStringList(int(id), "/h/item");
            return QtFuture::makeReadyFuture(std::optional<UndoReport>(report));
        });
        QList<DeletionReport> reports;
        QList<RemovalPlan> plans;
        for (const qint64 id : {2, 0, 3}) { // the middle removal has no journal entry
            const QUrl url = QUrl::fromLocalFile(QString("/h/item%1").arg(id));
            reports.append({{url}, {}, {url}, {}, {}, {}, id});
            plans.append(RemovalPlan({{url, {10, true}}}, {}, {}));
        }
        outcome.show(reports, plans);
        QCOMPARE(outcome.trashedBytes(), 30);
        QVERIFY(outcome.canUndo());
        outcome.undo();
        QTRY_VERIFY(!outcome.isUndoing());
        QCOMPARE(undone, (QList<qint64>{2, 3}));
        QCOMPARE(outcome.undoStatus(), "Put back 5 item(s).");
        QVERIFY(!outcome.canUndo());
    }
};

QTEST_GUILESS_MAIN(TestCleanerSession)
#include "TestCleanerSession.moc"
