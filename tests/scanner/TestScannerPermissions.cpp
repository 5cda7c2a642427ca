#include "scanner/LeftoverScannerService.h"

#include "ScannerTestApps.h"
#include "TestDir.h"
#include "Unprivileged.h"

#include <QTest>

using namespace tidewell;

// Folders the process really may not read, as an unprivileged user meets them.
class TestScannerPermissions : public QObject {
    Q_OBJECT

private slots:
    void unreadableFoldersAreReportedOnceByTheirOwnPath();
};

void TestScannerPermissions::unreadableFoldersAreReportedOnceByTheirOwnPath() {
    TIDEWELL_REQUIRE_UNPRIVILEGED();
    TestDir dir;
    dir.createDirectory("Users/ann/Library/Caches/Locked/com.quillfield.notes");
    dir.createDirectory("Users/ann/Library/Group Containers/group.quillfield.notes");
    dir.createFile("Users/ann/Library/Preferences/com.quillfield.notes.plist");
    dir.createDirectory("Library/Application Support");
    dir.setMode("Users/ann/Library/Caches/Locked", 0);
    dir.setMode("Users/ann/Library/Group Containers", 0);
    dir.setMode("Library", 0);
    LeftoverScannerService service(nullptr, {dir.path("Users/ann"), dir.path()}, FileSystem::real(),
                                   2);
    const ScanReport report = service.scan(scannertest::harborNotes(), true).result();
    const QStringList denied{dir.path("Library"), dir.path("Users/ann/Library/Caches/Locked"),
                             dir.path("Users/ann/Library/Group Containers")};
    QCOMPARE(report.permissionDeniedPaths, denied);
    QCOMPARE(report.matches.size(), 1);
    QCOMPARE(report.matches[0].id,
             dir.path("Users/ann/Library/Preferences/com.quillfield.notes.plist"));
}

QTEST_GUILESS_MAIN(TestScannerPermissions)
#include "TestScannerPermissions.moc"
