#include "FaultInjectingFileSystem.h"
#include "TestDir.h"
#include "ui/BundleIconProvider.h"
#include "ui/IconCache.h"
#include "ui/TidewellApp.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>

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

    // The bundle's plist is read and its icon decoded on a worker; the view gets it scaled.
    void bundleIconsLoadOffTheGuiThread() {
        TestDir dir;
        const QString bundle = dir.createAppBundle(
            "Tool.app", {{"CFBundleIdentifier", "org.tool"}, {"CFBundleIconFile", "tool.png"}});
        QImage drawn(64, 64, QImage::Format_ARGB32);
        drawn.fill(Qt::red);
        QVERIFY(drawn.save(dir.createDirectory("Tool.app/Contents/Resources") + "/tool.png"));
        FaultInjectingFileSystem fileSystem;
        std::atomic<QThread*> reader = nullptr;
        fileSystem.whenReadingPropertyList(
            [&](const QString&) { reader = QThread::currentThread(); });
        BundleIconProvider provider(fileSystem);

        const std::unique_ptr<QQuickImageResponse> response(
            provider.requestImageResponse(QUrl::toPercentEncoding(bundle), QSize(32, 32)));
        QSignalSpy finished(response.get(), &QQuickImageResponse::finished);
        QVERIFY(finished.wait());

        QVERIFY(reader.load() && reader.load() != QThread::currentThread());
        const std::unique_ptr<QQuickTextureFactory> texture(response->textureFactory());
        QCOMPARE(texture->image().size(), QSize(32, 32));
        QCOMPARE(texture->image().pixelColor(16, 16), QColor(Qt::red));
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
