#include "SessionFixture.h"
#include "session/SharedByteFormatter.h"

#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

namespace {

ScanReport reportOf(int matchCount, const QStringList& deniedPaths = {}) {
    ScanReport report;
    for (int i = 0; i < matchCount; ++i) {
        report.matches.append(leftover(QString("/h/Library/Caches/com.harbor.notes.%1").arg(i),
                                       ScanCategory::caches, 10 * (i + 1)));
    }
    report.permissionDeniedPaths = deniedPaths;
    return report;
}

} // namespace

class TestCleanerSession : public QObject {
    Q_OBJECT

private slots:
    void newSessionStartsEmpty() {
        TestDir dir;
        PreferenceStore preferences(dir.path("settings.ini"));
        FaultInjectingFileSystem faults(FileSystem::real());
        PermissionManager permissions(faults, dir.createDirectory("home"));
        QSignalSpy checks(&permissions, &PermissionManager::hasFullDiskAccessChanged);
        CleanerViewModel model({std::make_shared<FakeScanner>(), std::make_shared<FakeDeleter>(),
                                &preferences, &permissions,
                                [](const QUrl&) { return QFuture<qint64>(); }});

        QCOMPARE(checks.count(), 1);
        QCOMPARE(model.statusMessage(), "Drop your apps here");
        QVERIFY(model.useSpotlight());
        QVERIFY(!model.hasDroppedApp() && model.droppedApp().isEmpty());
        QVERIFY(!model.isScanning() && !model.isDeleting() && !model.awaitingManualScan());
        QVERIFY(!model.showErrorAlert() && !model.showDeleteConfirmation());
        QVERIFY(!model.showSuccessState() && !model.isAnySelected() && !model.isAllSelected());
        QCOMPARE(model.files()->count(), 0);
        QCOMPARE(model.selectedCount(), 0);
        QCOMPARE(model.lastDeletedCount() + model.lastReclaimedSize() + model.selectedSize(), 0);
        QCOMPARE(model.appSizeText(), "Calculating...");
    }

    void acceptingABundle_data() {
        QTest::addColumn<bool>("autoScan");
        QTest::addColumn<QStringList>("statuses");
        QTest::newRow("automatic scan")
            << true
            << QStringList{"Scanning leftovers for Harbor Notes...", "Scanning library folders..."};
        QTest::newRow("manual scan")
            << false << QStringList{"Ready to scan leftovers for Harbor Notes."};
    }

    void acceptingABundle() {
        QFETCH(bool, autoScan);
        QFETCH(QStringList, statuses);
        SessionFixture session({.autoScan = autoScan});
        CleanerViewModel& model = *session.model;
        session.permissions.setPermissionDeniedPaths({"/h/Library/Mail"});
        QStringList published;
        connect(&model, &CleanerViewModel::statusMessageChanged, this,
                [&] { published.append(model.statusMessage()); });

        const QUrl bundle = session.takeInHarborNotes();

        QCOMPARE(published, statuses);
        const QVariantMap app = model.droppedApp();
        QCOMPARE(app.value("displayName").toString(), "Harbor Notes");
        QCOMPARE(app.value("bundleIdentifier").toString(), "com.harbor.notes");
        QCOMPARE(app.value("appPath").toString(), bundle.toLocalFile());
        QCOMPARE(app.value("fileName").toString(), "Harbor Notes.app");
        QVERIFY(session.permissions.permissionDeniedPaths().isEmpty());
        QCOMPARE(session.sizes.count(), 1);
        QCOMPARE(session.sizes.request(0), bundle);
        QCOMPARE(model.isScanning(), autoScan);
        QCOMPARE(model.awaitingManualScan(), !autoScan);
        QCOMPARE(session.scanner->count(), autoScan ? 1 : 0);

        // "Scan Now" while waiting for a manual scan.
        model.scanForLeftovers(true);
        QVERIFY(!model.awaitingManualScan());
        QCOMPARE(model.statusMessage(), "Scanning library folders...");
        const ScanRequest& request = session.scanner->request(session.scanner->count() - 1);
        QCOMPARE(request.app.bundleIdentifier, "com.harbor.notes");
        QVERIFY(request.useSpotlight);
    }

    void rejectingABundle_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<QVariantMap>("info");
        QTest::addColumn<AppDescriptorError>("error");
        QTest::newRow("plain file")
            << "notes.txt" << QVariantMap() << AppDescriptorError::notAnAppBundle;
        QTest::newRow("folder without .app")
            << "Harbor Notes" << QVariantMap{{"CFBundleIdentifier", "com.harbor.notes"}}
            << AppDescriptorError::notAnAppBundle;
        QTest::newRow("no Info.plist")
            << "Broken.app" << QVariantMap() << AppDescriptorError::invalidBundle;
        QTest::newRow("no identifier") << "Nameless.app" << QVariantMap{{"CFBundleName", "X"}}
                                       << AppDescriptorError::missingBundleIdentifier;
    }

    // A bad bundle leaves the session exactly as it was, apart from the alert.
    void rejectingABundle() {
        QFETCH(QString, relativePath);
        QFETCH(QVariantMap, info);
        QFETCH(AppDescriptorError, error);
        SessionFixture session;
        CleanerViewModel& model = *session.model;
        session.takeInHarborNotes(4096);
        session.scanner->finish(0, reportOf(2));
        QString path;
        if (relativePath.endsWith(".txt"))
            path = session.dir.createFile(relativePath, "notes");
        else if (info.isEmpty())
            path = session.dir.createDirectory(relativePath);
        else
            path = session.dir.createAppBundle(relativePath, info);
        QSignalSpy statuses(&model, &CleanerViewModel::statusMessageChanged);

        model.handleDroppedApp(QUrl::fromLocalFile(path));

        QCOMPARE(model.errorMessage(), errorDescription(error));
        QVERIFY(model.showErrorAlert());
        QCOMPARE(model.droppedApp().value("fileName").toString(), "Harbor Notes.app");
        QCOMPARE(model.droppedAppSizeInBytes(), 4096);
        QCOMPARE(model.files()->count(), 2);
        QCOMPARE(session.sizes.count(), 1);
        QCOMPARE(session.scanner->count(), 1);
        QCOMPARE(statuses.count(), 0);
    }

    void scanWithoutAnApp_data() {
        QTest::addColumn<bool>("userInitiated");
        QTest::newRow("user") << true;
        QTest::newRow("after settings") << false;
    }

    void scanWithoutAnApp() {
        QFETCH(bool, userInitiated);
        SessionFixture session;
        QSignalSpy errors(session.model.get(), &CleanerViewModel::errorMessageChanged);
        QSignalSpy statuses(session.model.get(), &CleanerViewModel::statusMessageChanged);

        session.model->scanForLeftovers(userInitiated);

        QCOMPARE(session.model->showErrorAlert(), userInitiated);
        QCOMPARE(errors.count(), userInitiated ? 1 : 0);
        QCOMPARE(session.model->errorMessage(), userInitiated ? "Select an app first." : "");
        QCOMPARE(statuses.count(), 0);
        QCOMPARE(session.scanner->count(), 0);
        QVERIFY(!session.model->isScanning());
    }

    void scanResultIsPublished_data() {
        QTest::addColumn<int>("matches");
        QTest::addColumn<QString>("status");
        QTest::newRow("none") << 0 << "No leftover files were found.";
        QTest::newRow("one") << 1 << "Found 1 related items.";
        QTest::newRow("twelve") << 12 << "Found 12 related items.";
    }

    void scanResultIsPublished() {
        QFETCH(int, matches);
        QFETCH(QString, status);
        SessionFixture session;
        session.takeInHarborNotes();
        QSignalSpy breakdown(session.model.get(), &CleanerViewModel::categoryBreakdownChanged);

        session.scanner->finish(0, reportOf(matches));

        QCOMPARE(session.model->statusMessage(), status);
        QVERIFY(!session.model->isScanning());
        QCOMPARE(session.model->files()->files(), reportOf(matches).matches);
        QCOMPARE(breakdown.count(), 1);
        const QVariantMap caches = session.model->categoryBreakdown().at(2).toMap();
        QCOMPARE(caches.value("category").toString(), "Caches");
        QCOMPARE(caches.value("itemCount").toLongLong(), matches);
        QCOMPARE(caches.value("totalBytes").toLongLong(), 5LL * matches * (matches + 1));
    }

    // Only the latest scan may write; the earlier one finds its identity replaced.
    void twoScansInARow() {
        SessionFixture session;
        CleanerViewModel& model = *session.model;
        session.takeInHarborNotes();
        model.scanForLeftovers(true);
        QCOMPARE(session.scanner->count(), 2);

        QSignalSpy scanning(&model, &CleanerViewModel::isScanningChanged);
        session.scanner->finish(0, reportOf(3, {"/h/Library/Mail"}));
        QVERIFY(model.isScanning());
        QCOMPARE(scanning.count(), 0);
        QCOMPARE(model.files()->count(), 0);
        QCOMPARE(model.statusMessage(), "Scanning library folders...");

        session.scanner->finish(1, reportOf(1));
        QVERIFY(!model.isScanning());
        QCOMPARE(model.statusMessage(), "Found 1 related items.");
    }

    void resetDuringAScan() {
        SessionFixture session;
        session.setAccessGranted(false);
        CleanerViewModel& model = *session.model;
        session.takeInHarborNotes();
        model.setErrorMessage("Earlier failure");
        model.setShowErrorAlert(true);

        model.resetSelection();
        QVERIFY(!model.isScanning());
        QVERIFY(model.showErrorAlert()); // only the user closes an alert
        QCOMPARE(model.errorMessage(), "Earlier failure");
        session.scanner->finish(0, reportOf(2, {"/h/Library/Mail"}));

        QVERIFY(!model.isScanning() && !model.hasDroppedApp());
        QCOMPARE(model.files()->count(), 0);
        QCOMPARE(model.statusMessage(), "Drop your apps here");
        QVERIFY(session.permissions.permissionDeniedPaths().isEmpty());
        QVERIFY(!session.permissions.showPermissionPromptAlert());
    }

    void staleSizeEstimates_data() {
        QTest::addColumn<bool>("newerIntake");
        QTest::newRow("reset") << false;
        QTest::newRow("newer intake") << true;
    }

    void staleSizeEstimates() {
        QFETCH(bool, newerIntake);
        SessionFixture session;
        CleanerViewModel& model = *session.model;
        session.takeInHarborNotes();
        if (newerIntake)
            model.handleDroppedApp(session.bundle("Tide Clock", "org.tide.clock"));
        else
            model.resetSelection();

        session.sizes.finish(0, 5000);
        QCOMPARE(model.droppedAppSizeInBytes(), 0);
        QCOMPARE(model.appSizeText(), "Calculating...");
        if (!newerIntake)
            return;

        QSignalSpy totals(&model, &CleanerViewModel::selectedSizeChanged);
        session.sizes.finish(1, 2'500'000);
        QCOMPARE(model.droppedAppSizeInBytes(), 2'500'000);
        QCOMPARE(model.appSizeText(), SharedByteFormatter::string(2'500'000));
        QCOMPARE(model.selectedSize(), 2'500'000);
        QCOMPARE(totals.count(), 1);
    }

    // The prompt comes once per loss of access; the banner's list follows every scan.
    void permissionHandOffAcrossScans() {
        SessionFixture session;
        session.setAccessGranted(false);
        PermissionManager& permissions = session.permissions;
        CleanerViewModel& model = *session.model;
        QSignalSpy checks(&permissions, &PermissionManager::hasFullDiskAccessChanged);

        session.takeInHarborNotes();
        QCOMPARE(checks.count(), 1);
        session.scanner->finish(0, reportOf(1, {"/h/Library/Mail"}));
        QCOMPARE(checks.count(), 2);
        QCOMPARE(permissions.permissionDeniedPaths(), QStringList{"/h/Library/Mail"});
        QVERIFY(permissions.showPermissionPromptAlert());
        QVERIFY(permissions.hasPermissionWarning());
        permissions.setShowPermissionPromptAlert(false); // the user closes the prompt

        model.scanForLeftovers(true);
        QVERIFY(permissions.permissionDeniedPaths().isEmpty());
        session.scanner->finish(1, reportOf(1, {"/h/Library/Safari"}));
        QCOMPARE(permissions.permissionDeniedPaths(), QStringList{"/h/Library/Safari"});
        QVERIFY(!permissions.showPermissionPromptAlert());

        session.setAccessGranted(true);
        model.scanForLeftovers(false);
        session.scanner->finish(2, reportOf(1, {"/h/Library/Safari"}));
        QVERIFY(permissions.permissionDeniedPaths().isEmpty());
        QVERIFY(!permissions.hasShownPermissionPrompt());
        QVERIFY(!permissions.showPermissionPromptAlert());

        session.setAccessGranted(false);
        model.scanForLeftovers(true);
        session.scanner->finish(3, reportOf(1, {"/h/Library/Messages"}));
        QVERIFY(permissions.showPermissionPromptAlert());

        model.resetSelection();
        QVERIFY(!permissions.showPermissionPromptAlert());
        QVERIFY(permissions.permissionDeniedPaths().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCleanerSession)
#include "TestCleanerSession.moc"
