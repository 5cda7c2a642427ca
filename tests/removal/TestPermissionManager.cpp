#include "FaultInjectingFileSystem.h"
#include "TestDir.h"
#include "Unprivileged.h"
#include "removal/PermissionManager.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

namespace {

const QString mail = QStringLiteral("Library/Mail");

// A home whose Mail folder refuses to be listed while it exists.
struct GuardedHome {
    explicit GuardedHome(int errorCode) {
        revoke();
        fileSystem.failListing(home.path(mail), errorCode);
    }
    void grant() { QDir(home.path(mail)).removeRecursively(); }
    void revoke() { home.createDirectory(mail); }

    TestDir home;
    FaultInjectingFileSystem fileSystem;
};

} // namespace

class TestPermissionManager : public QObject {
    Q_OBJECT

private slots:
    void detectsAccessFromTheProbeFolders_data();
    void detectsAccessFromTheProbeFolders();
    void detectsARealUnreadableProbeFolder();
    void promptsAgainOnlyAfterAccessWasSeenGranted();
    void rechecksOnceAfterTheSettingsWereOpened();
    void everyWriteOfAPublishedFieldNotifies();
};

void TestPermissionManager::detectsAccessFromTheProbeFolders_data() {
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("granted");
    QTest::addColumn<QStringList>("listed");
    const QStringList all = PermissionManager::fullDiskAccessProbePaths;
    const QString cookies = QStringLiteral("Library/Cookies");
    QTest::newRow("no probe folders")
        << QStringList() << QString() << QString() << 0 << true << QStringList();
    QTest::newRow("all listed") << all << QString() << QString() << 0 << true << all;
    QTest::newRow("read refused stops the probe")
        << all << QString() << mail << 257 << false << QStringList{cookies, mail};
    QTest::newRow("write refused")
        << all << QString() << cookies << 513 << false << QStringList{cookies};
    QTest::newRow("other error is inconclusive") << all << QString() << cookies << 4 << true << all;
    QTest::newRow("missing folders are skipped")
        << QStringList{QStringLiteral("Library/Safari")} << QString()
        << QStringLiteral("Library/Safari") << 257 << false
        << QStringList{QStringLiteral("Library/Safari")};
    QTest::newRow("a probe that is a file is skipped")
        << QStringList() << mail << mail << 257 << true << QStringList();
}

void TestPermissionManager::detectsAccessFromTheProbeFolders() {
    QFETCH(QStringList, folders);
    QFETCH(QString, file);
    QFETCH(QString, failing);
    QFETCH(int, code);
    QFETCH(bool, granted);
    QFETCH(QStringList, listed);
    TestDir home;
    for (const QString& folder : folders)
        home.createDirectory(folder);
    if (!file.isEmpty())
        home.createFile(file);
    FaultInjectingFileSystem fileSystem;
    if (!failing.isEmpty())
        fileSystem.failListing(home.path(failing), code);

    PermissionManager manager(fileSystem, home.path());

    QCOMPARE(manager.hasFullDiskAccess(), granted);
    QStringList expected;
    for (const QString& probe : listed)
        expected.append(home.path(probe));
    QCOMPARE(fileSystem.listedPaths(), expected);
}

void TestPermissionManager::detectsARealUnreadableProbeFolder() {
    TIDEWELL_REQUIRE_UNPRIVILEGED();
    TestDir home;
    home.createFile(mail + QStringLiteral("/V10/message"));
    home.setMode(mail, 0);
    PermissionManager manager(FileSystem::real(), home.path());
    QVERIFY(!manager.hasFullDiskAccess());

    home.setMode(mail, 0755);
    manager.checkStatus();
    QVERIFY(manager.hasFullDiskAccess());
}

void TestPermissionManager::promptsAgainOnlyAfterAccessWasSeenGranted() {
    GuardedHome guarded(513);
    PermissionManager manager(guarded.fileSystem, guarded.home.path());
    const auto scan = [&](const QStringList& unreadable) {
        manager.setPermissionDeniedPaths({});
        manager.checkStatus();
        manager.setPermissionDeniedPaths(unreadable);
        manager.applyPromptDecision(!unreadable.isEmpty());
    };

    scan({});
    QVERIFY(!manager.showPermissionPromptAlert() && !manager.hasShownPermissionPrompt());
    scan({QStringLiteral("/a")});
    QVERIFY(manager.showPermissionPromptAlert());
    QVERIFY(manager.hasPermissionWarning());
    manager.setShowPermissionPromptAlert(false); // the window closes the prompt
    scan({QStringLiteral("/b")});
    QVERIFY(!manager.showPermissionPromptAlert());

    guarded.grant();
    manager.checkStatus();
    QVERIFY(manager.hasFullDiskAccess());
    QVERIFY(manager.permissionDeniedPaths().isEmpty());
    QVERIFY(!manager.hasShownPermissionPrompt());
    manager.setPermissionDeniedPaths({QStringLiteral("/c")});
    manager.setHasShownPermissionPrompt(true);
    manager.applyPromptDecision(true); // granted: re-armed, no prompt, no banner
    QVERIFY(!manager.hasShownPermissionPrompt() && !manager.showPermissionPromptAlert());
    QVERIFY(!manager.hasPermissionWarning());

    guarded.revoke();
    scan({QStringLiteral("/d")});
    QVERIFY(manager.showPermissionPromptAlert());
}

void TestPermissionManager::rechecksOnceAfterTheSettingsWereOpened() {
    GuardedHome guarded(257);
    PermissionManager manager(guarded.fileSystem, guarded.home.path());
    manager.openFullDiskAccessSettings(); // no opener installed: only the flags change
    QVERIFY(manager.hasShownPermissionPrompt());
    QList<std::pair<QUrl, QString>> opened;
    manager.setSettingsOpener([&](const QUrl& link, const QString& path) {
        opened.append({link, path});
    });
    manager.setPermissionDeniedPaths({QStringLiteral("/first"), QStringLiteral("/second")});
    manager.setHasShownPermissionPrompt(false);

    manager.openFullDiskAccessSettings();
    QCOMPARE(opened.size(), 1);
    QCOMPARE(
        opened[0].first.toString(),
        QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"));
    QCOMPARE(opened[0].second, QStringLiteral("/first"));
    QVERIFY(manager.hasShownPermissionPrompt());

    const qsizetype listings = guarded.fileSystem.listedPaths().size();
    QVERIFY(!manager.recheckAfterSettingsIfPending()); // still denied
    QCOMPARE(guarded.fileSystem.listedPaths().size(), listings + 1);
    QVERIFY(!manager.recheckAfterSettingsIfPending()); // nothing pending: no check
    QCOMPARE(guarded.fileSystem.listedPaths().size(), listings + 1);

    manager.openFullDiskAccessSettings();
    guarded.grant();
    QVERIFY(manager.recheckAfterSettingsIfPending());
    QVERIFY(!manager.shouldRecheckPermissionAfterSettings());
}

void TestPermissionManager::everyWriteOfAPublishedFieldNotifies() {
    TestDir home;
    PermissionManager manager(FileSystem::real(), home.path());
    QSignalSpy access(&manager, &PermissionManager::hasFullDiskAccessChanged);
    QSignalSpy paths(&manager, &PermissionManager::permissionDeniedPathsChanged);
    QSignalSpy alert(&manager, &PermissionManager::showPermissionPromptAlertChanged);
    QSignalSpy warning(&manager, &PermissionManager::hasPermissionWarningChanged);

    manager.checkStatus(); // granted, as before: writes all three published fields again
    manager.setPermissionDeniedPaths({});
    manager.setShowPermissionPromptAlert(false);

    QCOMPARE(access.count(), 1);
    QCOMPARE(paths.count(), 2);
    QCOMPARE(alert.count(), 2);
    QCOMPARE(warning.count(), 3);
}

QTEST_GUILESS_MAIN(TestPermissionManager)
#include "TestPermissionManager.moc"
