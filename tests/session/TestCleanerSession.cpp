#include "SessionFixture.h"
#include "session/SharedByteFormatter.h"

#include <QMetaProperty>
#include <QTest>

using namespace tidewell;

namespace {

ScanReport reportOf(int matchCount, const QStringList& deniedPaths = {}) {
    ScanReport report{{}, deniedPaths};
    for (int i = 1; i <= matchCount; ++i)
        report.matches.append(
            leftover(QString("/h/Library/Caches/n%1").arg(i), ScanCategory::caches, 10 * i));
    return report;
}

// Every published value of the session and of the permission state, to show that a stale
// result writes nothing.
QVariantMap snapshot(const SessionFixture& session) {
    QVariantMap values{{"rows", session.model->files()->count()}};
    for (const QObject* object : {static_cast<const QObject*>(session.model.get()),
                                  static_cast<const QObject*>(&session.permissions)}) {
        const QMetaObject* meta = object->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            values.insert(meta->property(i).name(), meta->property(i).read(object));
    }
    return values;
}

enum class Interruption { secondScan, reset, newerIntake };

} // namespace

class TestCleanerSession : public QObject {
    Q_OBJECT

private slots:
    void newSessionStartsEmpty() {
        SessionFixture session;
        const CleanerViewModel& model = *session.model;
        QCOMPARE(session.accessChecks.count(), 1);
        QCOMPARE(model.statusMessage(), "Drop your apps here");
        QVERIFY(model.useSpotlight() && !model.hasDroppedApp() && model.droppedApp().isEmpty());
        QVERIFY(!model.isScanning() && !model.isDeleting() && !model.awaitingManualScan());
        QVERIFY(!model.showErrorAlert() && !model.showDeleteConfirmation());
        QVERIFY(!model.showSuccessState() && !model.isAnySelected() && !model.isAllSelected());
        QCOMPARE(model.lastDeletedCount() + model.lastReclaimedSize() + model.selectedCount(), 0);
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
        QCOMPARE(model.droppedApp(), QVariantMap({{"displayName", "Harbor Notes"},
                                                  {"bundleIdentifier", "com.harbor.notes"},
                                                  {"appPath", bundle.toLocalFile()},
                                                  {"fileName", "Harbor Notes.app"}}));
        QVERIFY(session.permissions.permissionDeniedPaths().isEmpty());
        QCOMPARE(session.sizes.request(0), bundle);
        QCOMPARE(model.isScanning(), autoScan);
        QCOMPARE(model.awaitingManualScan(), !autoScan);
        QCOMPARE(session.scanner->count(), autoScan ? 1 : 0);

        model.scanForLeftovers(true); // "Scan Now"
        QVERIFY(!model.awaitingManualScan() && model.isScanning());
        const ScanRequest& request = session.scanner->request(session.scanner->count() - 1);
        QVERIFY(request.app.bundleIdentifier == "com.harbor.notes" && request.useSpotlight);
    }

    void rejectingABundle_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantMap>("info"); // empty: no Info.plist at all
        QTest::addColumn<AppDescriptorError>("error");
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
        QFETCH(QString, name);
        QFETCH(QVariantMap, info);
        QFETCH(AppDescriptorError, error);
        SessionFixture session;
        session.takeInHarborNotes(4096);
        session.scanner->finish(0, reportOf(2));
        const QString path = info.isEmpty() ? session.dir.createDirectory(name)
                                            : session.dir.createAppBundle(name, info);
        QVariantMap expected = snapshot(session);
        expected["errorMessage"] = errorDescription(error);
        expected["showErrorAlert"] = true;

        session.model->handleDroppedApp(QUrl::fromLocalFile(path));

        QCOMPARE(snapshot(session), expected);
        QCOMPARE(session.sizes.count() + session.scanner->count(), 2);
    }

    void scanWithoutAnApp_data() {
        QTest::addColumn<bool>("userInitiated");
        QTest::newRow("by the user") << true;
        QTest::newRow("after the settings") << false;
    }

    void scanWithoutAnApp() {
        QFETCH(bool, userInitiated);
        SessionFixture session;
        QVariantMap expected = snapshot(session);
        if (userInitiated) {
            expected["errorMessage"] = "Select an app first.";
            expected["showErrorAlert"] = true;
        }
        session.model->scanForLeftovers(userInitiated);
        QCOMPARE(snapshot(session), expected);
        QCOMPARE(session.scanner->count(), 0);
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
        QCOMPARE(session.model->categoryBreakdown().at(2).toMap(),
                 QVariantMap({{"category", "Caches"},
                              {"itemCount", qint64(matches)},
                              {"totalBytes", qint64(5 * matches * (matches + 1))}}));
    }

    void staleResultsAreDropped_data() {
        QTest::addColumn<Interruption>("interruption");
        QTest::newRow("second scan") << Interruption::secondScan;
        QTest::newRow("reset") << Interruption::reset;
        QTest::newRow("newer bundle") << Interruption::newerIntake;
    }

    void staleResultsAreDropped() {
        QFETCH(Interruption, interruption);
        SessionFixture session;
        session.setAccessGranted(false);
        CleanerViewModel& model = *session.model;
        session.takeInHarborNotes();
        if (interruption == Interruption::secondScan)
            model.scanForLeftovers(true);
        else if (interruption == Interruption::newerIntake)
            model.handleDroppedApp(session.bundle("Tide Clock", "org.tide.clock"));
        else
            model.resetSelection();
        QCOMPARE(model.isScanning(), interruption != Interruption::reset);
        const QVariantMap before = snapshot(session);

        session.scanner->finish(0, reportOf(2, {"/h/Library/Mail"}));
        if (interruption != Interruption::secondScan) // a scan leaves the size estimate current
            session.sizes.finish(0, 5000);
        QCOMPARE(snapshot(session), before);
        if (interruption == Interruption::reset)
            return;

        // The current work still lands.
        session.scanner->finish(1, reportOf(1));
        QCOMPARE(model.statusMessage(), "Found 1 related items.");
        QVERIFY(!model.isScanning());
        QSignalSpy totals(&model, &CleanerViewModel::selectedSizeChanged);
        session.sizes.finish(session.sizes.count() - 1, 2'500'000);
        QCOMPARE(model.appSizeText(), SharedByteFormatter::string(2'500'000));
        QCOMPARE(model.selectedSize(), 2'500'000 + 10);
        QCOMPARE(totals.count(), 1);
    }

    // The prompt comes once per loss of access; the banner's list follows every scan.
    void permissionHandOffAcrossScans() {
        SessionFixture session;
        session.setAccessGranted(false);
        PermissionManager& permissions = session.permissions;
        CleanerViewModel& model = *session.model;

        session.takeInHarborNotes();
        QCOMPARE(session.accessChecks.count(), 2);
        session.scanner->finish(0, reportOf(1)); // nothing was refused: no reason to ask
        QCOMPARE(session.accessChecks.count(), 3);
        QVERIFY(!permissions.showPermissionPromptAlert() &&
                !permissions.hasShownPermissionPrompt());

        model.scanForLeftovers(true);
        session.scanner->finish(1, reportOf(1, {"/h/Library/Mail"}));
        QCOMPARE(permissions.permissionDeniedPaths(), QStringList{"/h/Library/Mail"});
        QVERIFY(permissions.showPermissionPromptAlert() && permissions.hasPermissionWarning());
        permissions.setShowPermissionPromptAlert(false); // the user closes the prompt

        model.scanForLeftovers(true);
        QVERIFY(permissions.permissionDeniedPaths().isEmpty());
        session.scanner->finish(2, reportOf(1, {"/h/Library/Safari"}));
        QCOMPARE(permissions.permissionDeniedPaths(), QStringList{"/h/Library/Safari"});
        QVERIFY(!permissions.showPermissionPromptAlert());

        session.setAccessGranted(true);
        model.scanForLeftovers(false);
        session.scanner->finish(3, reportOf(1, {"/h/Library/Safari"}));
        QVERIFY(permissions.permissionDeniedPaths().isEmpty());
        QVERIFY(!permissions.hasShownPermissionPrompt());

        session.setAccessGranted(false);
        model.scanForLeftovers(true);
        session.scanner->finish(4, reportOf(1, {"/h/Library/Messages"}));
        QVERIFY(permissions.showPermissionPromptAlert());

        model.setErrorMessage("Earlier failure");
        model.setShowErrorAlert(true);
        model.resetSelection();
        QVERIFY(!permissions.showPermissionPromptAlert());
        QVERIFY(permissions.permissionDeniedPaths().isEmpty());
        QVERIFY(model.showErrorAlert()); // only the user closes an alert
    }
};

QTEST_GUILESS_MAIN(TestCleanerSession)
#include "TestCleanerSession.moc"
