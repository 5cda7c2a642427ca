#include "FaultInjectingFileSystem.h"
#include "TestDir.h"
#include "Unprivileged.h"
#include "removal/PermissionManager.h"

#include <QDir>
#include <QTest>

using namespace tidewell;

const QString mail = QStringLiteral("Library/Mail");

class TestPermissionManager : public QObject {
    Q_OBJECT

private slots:
    void detectsAccessFromTheProbeFolders_data() {
        const QStringList probes = PermissionManager::fullDiskAccessProbePaths;
        QTest::addColumn<QStringList>("folders"); // the probe folders that exist
        QTest::addColumn<QString>("failing");     // the probe whose listing fails
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("granted");
        QTest::addColumn<int>("listed"); // how many of the folders were listed, in order
        QTest::newRow("read refused stops the probe") << probes << probes[1] << 257 << false << 2;
        QTest::newRow("write refused") << probes << probes[0] << 513 << false << 1;
        QTest::newRow("other error is inconclusive") << probes << probes[0] << 4 << true << 4;
        QTest::newRow("missing skipped") << QStringList{probes[3]} << probes[1] << 257 << true << 1;
    }

    void detectsAccessFromTheProbeFolders() {
        QFETCH(QStringList, folders);
        QFETCH(QString, failing);
        QFETCH(int, code);
        QFETCH(bool, granted);
        QFETCH(int, listed);
        TestDir home;
        QStringList expected;
        for (const QString& folder : folders)
            expected.append(home.createDirectory(folder));
        FaultInjectingFileSystem fileSystem;
        fileSystem.failListing(home.path(failing), code);

        PermissionManager manager(fileSystem, home.path());

        QCOMPARE(manager.hasFullDiskAccess(), granted);
        QCOMPARE(fileSystem.listedPaths(), expected.first(listed));
    }

    void detectsARealUnreadableProbeFolder() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        TestDir home;
        home.createFile(mail + "/V10/message");
        home.setMode(mail, 0);
        PermissionManager manager(FileSystem::real(), home.path());
        QVERIFY(!manager.hasFullDiskAccess());
    }

    // One prompt per loss of access, only after unreadable folders; one re-check on return.
    void promptAndRecheck() {
        TestDir home;
        const QString guarded = home.createDirectory(mail);
        FaultInjectingFileSystem fileSystem;
        fileSystem.failListing(guarded, 513);
        PermissionManager manager(fileSystem, home.path());
        const auto scan = [&](const QStringList& unreadable) {
            manager.checkStatus();
            manager.setPermissionDeniedPaths(unreadable);
            manager.applyPromptDecision(!unreadable.isEmpty());
        };
        QStringList opened;

        scan({"/a", "/b"});
        QVERIFY(manager.showPermissionPromptAlert() && manager.hasPermissionWarning());
        manager.setShowPermissionPromptAlert(false); // the window closes the prompt
        scan({"/b"});
        QVERIFY(!manager.showPermissionPromptAlert() && manager.hasShownPermissionPrompt());

        manager.setSettingsOpener([&](const QUrl& link, const QString& path) {
            opened.append(link.toString() + ' ' + path);
        });
        manager.openFullDiskAccessSettings();
        QCOMPARE(opened, QStringList{"x-apple.systempreferences:com.apple.preference.security?"
                                     "Privacy_AllFiles /b"});
        const qsizetype listings = fileSystem.listedPaths().size();
        QVERIFY(!manager.recheckAfterSettingsIfPending()); // still denied
        QVERIFY(!manager.recheckAfterSettingsIfPending()); // nothing pending: no check
        QCOMPARE(fileSystem.listedPaths().size(), listings + 1);

        manager.openFullDiskAccessSettings();
        QDir(guarded).removeRecursively();
        QVERIFY(manager.recheckAfterSettingsIfPending());
        QVERIFY(!manager.shouldRecheckPermissionAfterSettings() && manager.hasFullDiskAccess());
        QVERIFY(manager.permissionDeniedPaths().isEmpty() && !manager.hasShownPermissionPrompt());
        scan({"/c"}); // granted: no prompt, no banner
        QVERIFY(!manager.showPermissionPromptAlert() && !manager.hasPermissionWarning());

        home.createDirectory(mail); // access lost again: a new prompt
        scan({"/d"});
        QVERIFY(manager.showPermissionPromptAlert());
    }
};

QTEST_GUILESS_MAIN(TestPermissionManager)
#include "TestPermissionManager.moc"
