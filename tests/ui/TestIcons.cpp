#include "FaultInjectingFileSystem.h"
#include "TableProgramRunner.h"
#include "TestDir.h"
#include "platform/FileSystem.h"
#include "ui/AppIconProvider.h"
#include "ui/FileKinds.h"
#include "ui/IconCache.h"
#include "ui/IconKeys.h"
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

    // The kind comes from the file system, the file type from the extension.
    void keysFollowTheKindAndExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("isFolder");
        QTest::addColumn<QString>("key");
        QTest::newRow("property list")
            << "/u/Library/Preferences/Tool.plist" << false << "file:plist";
        QTest::newRow("upper case extension") << "/x/Tool.PLIST" << false << "file:plist";
        QTest::newRow("folder") << "/u/Library/Application Support/Tool" << true << "dir:";
        QTest::newRow("identifier-named folder")
            << "/x/Containers/com.example.tool" << true << "dir:";
        QTest::newRow("file without extension") << "/x/Caches/index" << false << "file:";
        QTest::newRow("bundle folder") << "/Applications/Tool.app/" << true << "file:app";
        QTest::newRow("hidden file") << "/x/.DS_Store" << false << "file:";
    }
    void keysFollowTheKindAndExtension() {
        QFETCH(QString, path);
        QFETCH(bool, isFolder);
        QFETCH(QString, key);
        QCOMPARE(IconKeys().keyFor(path, isFolder), key);
    }

    // The answer arrives later, once per path, and is then known at once.
    void kindsComeFromTheFileSystem() {
        TestDir dir;
        const QString folder = dir.createDirectory("com.example.tool");
        const QString file = dir.createFile("Caches.plist.d", QByteArray("x"));
        FileKinds kinds(FileSystem::real());
        QSignalSpy answers(&kinds, &FileKinds::answersChanged);
        // The first answers may come at once or later, depending on the worker; either way
        // each path is looked up once, however often it is asked for meanwhile.
        for (const QString& path : {folder, file, folder})
            kinds.isFolder(path);
        QTRY_COMPARE(answers.size(), 2);
        QCOMPARE(kinds.isFolder(folder), QVariant(true));
        QCOMPARE(kinds.isFolder(file), QVariant(false));
        QCOMPARE(answers.size(), 2);
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
        AppIconProvider provider(fileSystem, std::make_shared<TableProgramRunner>());

        const std::unique_ptr<QQuickImageResponse> response(
            provider.requestImageResponse(QUrl::toPercentEncoding(bundle), QSize(32, 32)));
        QSignalSpy finished(response.get(), &QQuickImageResponse::finished);
        QVERIFY(finished.wait());

        QVERIFY(reader.load() && reader.load() != QThread::currentThread());
        const std::unique_ptr<QQuickTextureFactory> texture(response->textureFactory());
        QCOMPARE(texture->image().size(), QSize(32, 32));
        QCOMPARE(texture->image().pixelColor(16, 16), QColor(Qt::red));
    }

    // A desktop entry's icon, by its path or by its name in the fallback theme.
    void desktopEntryIconsComeFromTheirIconKey() {
        TestDir dir;
        QImage drawn(64, 64, QImage::Format_ARGB32);
        drawn.fill(Qt::blue);
        const QString themed = dir.createDirectory("data/icons/hicolor/128x128/apps");
        QVERIFY(drawn.save(themed + "/org.example.Tide.png"));
        QVERIFY(drawn.save(dir.path("tool.png")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path("data")));
        for (const QString& icon : {QString("org.example.Tide"), dir.path("tool.png")}) {
            const QString entry = dir.createDesktopEntry("x.desktop", {.name = "X", .icon = icon});
            const QImage image = AppIconProvider::loadIcon(
                FileSystem::real(), TableProgramRunner(), entry, QSize(16, 16), QImage());
            QCOMPARE(image.size(), QSize(16, 16));
            QCOMPARE(image.pixelColor(8, 8), QColor(Qt::blue));
        }
    }

    void looksUpEachKindOnce() {
        IconCache& cache = IconCache::shared();
        const int before = cache.lookupCount();
        for (const auto& [path, isFolder] : {std::pair{"/a/Tool", true},
                                             {"/b/Other", true},
                                             {"/a/A.plist", false},
                                             {"/a/B.PLIST", false}})
            QVERIFY(!cache.iconForKey(IconKeys().keyFor(path, isFolder), 1.0).isNull());
        QCOMPARE(cache.lookupCount(), before + 2);
        // Plain folders share one icon, whatever their names end with.
        QVERIFY(cache.get("plist", false).has_value() && cache.get("tool", true).has_value());
        QVERIFY(!cache.get("tool", false).has_value());
    }
};

QTEST_MAIN(TestIcons)
#include "TestIcons.moc"
