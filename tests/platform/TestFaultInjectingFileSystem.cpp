#include "FaultInjectingFileSystem.h"
#include "TestDir.h"

#include <QTest>

using namespace tidewell;

class TestFaultInjectingFileSystem : public QObject {
    Q_OBJECT

private slots:
    void injectedFailuresHitOnlyTheirPath() {
        TestDir dir;
        const QString locked = dir.createDirectory(QStringLiteral("locked"));
        const QString open = dir.createDirectory(QStringLiteral("open"));
        const QString item = dir.createFile(QStringLiteral("open/item"));
        FaultInjectingFileSystem fs;
        fs.failListing(locked + u'/', NoReadPermissionError);
        fs.makeUnreadable(locked);
        fs.failResourceValues(item);
        fs.failTrash(item, 99, QStringLiteral("volume has no Trash"));
        fs.failRemoval(item, NoWritePermissionError);

        QCOMPARE(fs.listDirectory(locked).errorCode, int(NoReadPermissionError));
        QVERIFY(!fs.isReadable(locked));
        QVERIFY(fs.listDirectory(open).ok() && fs.isReadable(open));
        QVERIFY(!fs.resourceValues(item) && fs.resourceValues(open));
        const FileOperationResult trashed = fs.moveToTrash(item);
        QCOMPARE(trashed.errorCode, 99);
        QCOMPARE(trashed.message, u"volume has no Trash");
        QCOMPARE(fs.removePermanently(item).errorCode, int(NoWritePermissionError));
        QVERIFY(fs.exists(item));
        QCOMPARE(fs.listedPaths(), QStringList({locked, open}));
        QCOMPARE(fs.trashedPaths(), QStringList({item}));
    }

    void vanishingItemGoesAfterItsExistenceChecks() {
        TestDir dir;
        const QString folder = dir.createDirectory(QStringLiteral("folder"));
        const QString inner = dir.createFile(QStringLiteral("folder/inner"));
        dir.createFile(QStringLiteral("other"));
        FaultInjectingFileSystem fs;
        fs.vanish(folder, 2);

        QVERIFY(fs.exists(folder));
        QVERIFY(fs.isDirectory(folder + u'/'));
        QVERIFY(!fs.existsNoFollow(folder));
        QVERIFY(!fs.exists(inner));
        QCOMPARE(fs.listDirectory(folder).errorCode, int(NoSuchFileError));
        QCOMPARE(fs.listDirectory(dir.path()).entries.size(), 1);
        QCOMPARE(fs.removePermanently(inner).errorCode, int(NoSuchFileError));
        QVERIFY(FileSystem::real().exists(inner)); // nothing really went
    }
};

QTEST_GUILESS_MAIN(TestFaultInjectingFileSystem)
#include "TestFaultInjectingFileSystem.moc"
