#include "CliRun.h"
#include "FakeAppImage.h"
#include "TestDir.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

namespace {

DesktopEntryFields entryOf(const QString& name, const QByteArray& extraLines = {}) {
    return {.name = name, .exec = name.toLower(), .extraLines = extraLines};
}

// A comment line that makes an entry size bytes larger, and compresses to almost nothing.
QByteArray commentOf(qsizetype size) {
    return "# " + QByteArray(size - 3, 'x') + "\n";
}

// Processes whose command line names path, such as a reader's child left running.
QStringList processesNaming(const QString& path) {
    QStringList found;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile commandLine(QStringLiteral("/proc/") + pid + QStringLiteral("/cmdline"));
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(path.toUtf8()))
            found.append(pid);
    }
    return found;
}

// Where the Linux rules read a desktop entry, unit, D-Bus service or mimeapps.list.
const QStringList fifosInReadFolders{"home/.local/share/applications/fifo.desktop",
                                     "system/applications/fifo.desktop",
                                     "home/.config/autostart/fifo.desktop",
                                     "home/.config/systemd/user/fifo.service",
                                     "home/.local/share/dbus-1/services/fifo.service",
                                     "home/.config/mimeapps.list",
                                     "home/.local/share/applications/mimeapps.list"};

QStringList listedNames(const QByteArray& json) {
    QStringList names;
    for (const QJsonValue& app : QJsonDocument::fromJson(json)["apps"].toArray())
        names.append(app["name"].toString());
    return names;
}

} // namespace

// Files that are no small regular file where Tidewell reads one: FIFOs are never waited on,
// oversized entries are refused without being read whole. A run that blocks is killed and
// fails its test; the timeout is far above the second each run takes, yet low enough that
// every run blocking stays within Qt Test's limit of five minutes per test function.
class TestNonRegularFiles : public QObject {
    Q_OBJECT

    TestDir m_dir;

    static CliRun cli(const QStringList& arguments) { return CliRun::of(arguments, {}, 20000); }

    QString home(const QString& relative) const { return m_dir.path("home/" + relative); }

    QString makeFifo(const QString& relative) {
        const QString path = m_dir.path(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile::remove(path);
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0 ? path : QString();
    }

private slots:
    void initTestCase() {
        qputenv("HOME", home({}).toUtf8());
        for (const char* name :
             {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"})
            qunsetenv(name);
        qputenv("XDG_DATA_HOME", home(".local/share").toUtf8());
        qputenv("XDG_DATA_DIRS", m_dir.path("system").toUtf8());
        for (const char* fifo : {"fifo/x.desktop", "fifo/x.AppImage"})
            QVERIFY(!makeFifo(fifo).isEmpty());
    }

    // Only the test of FIFOs in the home finds them there; the others test their own faults.
    void cleanup() {
        for (const QString& fifo : fifosInReadFolders)
            QFile::remove(m_dir.path(fifo));
    }

    void fifosAreNeverWaitedOn_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("scan") << QStringList{"scan", "gullwing", "--no-index"};
        QTest::newRow("list") << QStringList{"list"};
        QTest::newRow("orphans") << QStringList{"orphans"};
        QTest::newRow("remove") << QStringList{"remove", "gullwing", "--yes", "--no-index"};
    }
    void fifosAreNeverWaitedOn() {
        QFETCH(QStringList, arguments);
        for (const QString& fifo : fifosInReadFolders)
            QVERIFY(!makeFifo(fifo).isEmpty());
        m_dir.createDesktopEntry("home/.local/share/applications/gullwing.desktop",
                                 entryOf("Gullwing"));
        m_dir.createFile("home/.config/gullwing/settings.ini", "x");
        const CliRun run = cli(arguments);
        QVERIFY2(run.exitCode == 0, run.err.constData());
    }

    void fifosGivenAsAppsAreRefused_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("error");
        for (const QStringList& command : {QStringList{"scan"}, QStringList{"remove", "--yes"}}) {
            QTest::addRow("%s desktop entry", qPrintable(command.first()))
                << command << "fifo/x.desktop"
                << QByteArray("This desktop entry could not be read.");
            QTest::addRow("%s AppImage", qPrintable(command.first()))
                << command << "fifo/x.AppImage" << QByteArray("This AppImage could not be read.");
        }
    }
    void fifosGivenAsAppsAreRefused() {
        QFETCH(QStringList, command);
        QFETCH(QString, file);
        QFETCH(QByteArray, error);
        const CliRun run = cli(command + QStringList{m_dir.path(file), "--no-index"});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.err.trimmed(), error);
    }

    // An entry past the size limit is refused whole, never cut to a readable start.
    void oversizedDesktopEntriesAreRefused() {
        const QString bulky = m_dir.createDesktopEntry(
            "home/.local/share/applications/bulky.desktop", entryOf("Bulky", commentOf(2 << 20)));
        m_dir.createDesktopEntry("home/.local/share/applications/gullwing.desktop",
                                 entryOf("Gullwing"));
        const CliRun scan = cli({"scan", bulky, "--no-index"});
        QCOMPARE(scan.exitCode, 3);
        QCOMPARE(scan.err.trimmed(), QByteArray("This desktop entry could not be read."));
        const CliRun list = cli({"list", "--json"});
        QCOMPARE(list.exitCode, 0);
        QVERIFY(listedNames(list.out).contains("Gullwing"));
        QVERIFY(!listedNames(list.out).contains("Bulky"));
        QFile::remove(bulky);
    }

    // unsquashfs is stopped once the entry outgrows the limit, and waited for.
    void oversizedAppImageEntriesAreRefused() {
        m_dir.createDesktopEntry("image/gullwing.desktop",
                                 entryOf("Gullwing", commentOf(50 << 20)));
        const QString appImage = makeFakeAppImage(m_dir, "image", "Big.AppImage");
        if (appImage.isEmpty())
            QSKIP("mksquashfs (squashfs-tools) is not installed; scripts/setup installs it");
        const CliRun run = cli({"scan", appImage, "--no-index"});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.err.trimmed(), QByteArray("This AppImage could not be read."));
        QCOMPARE(processesNaming(appImage), QStringList());
    }

    void dconfWritesNothingIntoTheHome() {
        if (QStandardPaths::findExecutable(QStringLiteral("dconf")).isEmpty())
            QSKIP("the dconf tool (dconf-cli) is not installed; scripts/setup installs it");
        m_dir.createFile("dconf-keyfiles/user", "[org/example/Gullwing]\nx=1\n");
        QVERIFY(QDir().mkpath(home(".config/dconf")));
        QCOMPARE(QProcess::execute(QStringLiteral("dconf"),
                                   {QStringLiteral("compile"), home(".config/dconf/user"),
                                    m_dir.path("dconf-keyfiles")}),
                 0);
        const QString entry = m_dir.createDesktopEntry(
            "home/.local/share/applications/org.example.Gullwing.desktop", entryOf("Gullwing"));
        const CliRun run = cli({"scan", entry, "--json", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out)["keptDconfFolders"].toArray().toVariantList(),
                 QVariantList{"/org/example/Gullwing/"});
        QVERIFY(!QFileInfo::exists(home(".cache/dconf")));
    }
};

QTEST_GUILESS_MAIN(TestNonRegularFiles)
#include "TestNonRegularFiles.moc"
