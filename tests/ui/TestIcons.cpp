#include "ui/IconCache.h"
#include "ui/TidewellApp.h"

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
        for (const char* path : {"/a/Tool", "/b/Other", "/a/A.plist", "/a/B.PLIST"})
            QVERIFY(!cache.iconForKey(IconCache::keyForPath(path), 1.0).isNull());
        QCOMPARE(cache.lookupCount(), before + 2);
        QVERIFY(cache.get("plist", false).has_value() && !cache.get("plist", true).has_value());
    }
};

QTEST_MAIN(TestIcons)
#include "TestIcons.moc"
