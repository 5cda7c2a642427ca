#include "CliRun.h"
#include "JsonPaths.h"
#include "TestDir.h"
#include "Unprivileged.h"

#include <QTest>

// A Linux app's scan on a home whose folders the user cannot all read: what lies in a locked
// folder is not found, and the locked folder is reported instead of silently missed.
class TestCliUnreadableLinuxFolders : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDir> m_dir;

private slots:
    void init() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        m_dir = std::make_unique<TestDir>();
        qputenv("HOME", m_dir->path("home").toUtf8());
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
            qunsetenv(name);
        qputenv("XDG_CACHE_HOME", m_dir->path("home/.cache").toUtf8());
        qputenv("XDG_DATA_DIRS", m_dir->path("system").toUtf8());
        for (const char* file : {"home/.config/textedit/settings", "home/.cache/textedit/c",
                                 "home/.config/Vendor/other/x"})
            m_dir->createFile(file, "x");
    }

    void scanJsonListsLockedFolders_data() {
        QTest::addColumn<QString>("locked");
        QTest::addColumn<QStringList>("unreadable");
        QTest::addColumn<QStringList>("matches");
        QTest::newRow("XDG cache folder")
            << "home/.cache" << QStringList{"home/.cache"} << QStringList{"home/.config/textedit"};
        QTest::newRow("vendor folder")
            << "home/.config/Vendor" << QStringList{"home/.config/Vendor"}
            << QStringList{"home/.cache/textedit", "home/.config/textedit"};
        QTest::newRow("nothing locked")
            << QString() << QStringList{}
            << QStringList{"home/.cache/textedit", "home/.config/textedit"};
    }
    void scanJsonListsLockedFolders() {
        QFETCH(QString, locked);
        QFETCH(QStringList, unreadable);
        QFETCH(QStringList, matches);
        if (!locked.isEmpty())
            m_dir->setMode(locked, 0);
        const QString entry = m_dir->createDesktopEntry(
            "system/applications/textedit.desktop", {.name = "TextEdit", .exec = "textedit %F"});
        const CliRun run = CliRun::of({"scan", entry, "--json", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        const auto absolute = [this](QStringList paths) {
            for (QString& path : paths)
                path = m_dir->path(path);
            return paths;
        };
        QCOMPARE(jsonPaths(run.out, "permissionDeniedPaths"), absolute(unreadable));
        QCOMPARE(jsonPaths(run.out, "matches"), absolute(matches));
    }
};

QTEST_GUILESS_MAIN(TestCliUnreadableLinuxFolders)
#include "TestCliUnreadableLinuxFolders.moc"
