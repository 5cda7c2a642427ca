#include "TestDir.h"
#include "platform/FileSystem.h"
#include "ui/BundleIconProvider.h"
#include "ui/IconCache.h"
#include "ui/TidewellApp.h"

#include <QGuiApplication>
#include <QTest>

using namespace tidewell;

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TidewellApp::prepareApplication(); }

    void keysFollowTheExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("key");
        QTest::newRow("property list") << "/home/u/Library/Preferences/Tool.plist"
                                       << "file:plist";
        QTest::newRow("upper case extension") << "/x/Tool.PLIST"
                                              << "file:plist";
        QTest::newRow("folder") << "/home/u/Library/Application Support/Tool"
                                << "dir:";
        QTest::newRow("identifier-named folder") << "/x/Containers/com.example.tool"
                                                 << "file:tool";
        QTest::newRow("bundle with slash") << "/Applications/Tool.app/"
                                           << "file:app";
        QTest::newRow("hidden name") << "/x/.DS_Store"
                                     << "dir:";
    }
    void keysFollowTheExtension() {
        QFETCH(QString, path);
        QFETCH(QString, key);
        QCOMPARE(IconCache::keyForPath(path), key);
    }

    void looksUpEachKindOnce() {
        IconCache& cache = IconCache::shared();
        const int before = cache.lookupCount();
        const QPixmap folder = cache.iconForKey(IconCache::keyForPath("/a/Tool"), 1.0);
        cache.iconForKey(IconCache::keyForPath("/b/Other"), 1.0);
        const QPixmap plist = cache.iconForKey(IconCache::keyForPath("/a/A.plist"), 1.0);
        cache.iconForKey(IconCache::keyForPath("/a/B.PLIST"), 1.0);
        QCOMPARE(cache.lookupCount(), before + 2);
        QVERIFY(!folder.isNull());
        QVERIFY(!plist.isNull());
        QVERIFY(cache.get("plist", false).has_value());
        QVERIFY(!cache.get("plist", true).has_value());
    }

    void bundleNamesItsIconFile_data() {
        QTest::addColumn<QVariant>("iconFile");
        QTest::addColumn<QString>("expected"); // relative to the bundle; empty: none
        QTest::newRow("name without extension")
            << QVariant("AppIcon") << "Contents/Resources/AppIcon.icns";
        QTest::newRow("name with extension")
            << QVariant("Tool.icns") << "Contents/Resources/Tool.icns";
        QTest::newRow("no icon") << QVariant() << "";
        QTest::newRow("path outside the bundle") << QVariant("../../../../etc/passwd") << "";
    }
    void bundleNamesItsIconFile() {
        QFETCH(QVariant, iconFile);
        QFETCH(QString, expected);
        TestDir dir;
        QVariantMap info{{"CFBundleIdentifier", "com.example.tool"}};
        if (iconFile.isValid())
            info.insert("CFBundleIconFile", iconFile);
        const QString bundle = dir.createAppBundle("Tool.app", info);
        const QString found = BundleIconProvider::iconFilePath(FileSystem::real(), bundle);
        QCOMPARE(found, expected.isEmpty() ? QString() : bundle + "/" + expected);
    }
};

QTEST_MAIN(TestIcons)
#include "TestIcons.moc"
