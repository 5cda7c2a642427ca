#include "CliHome.h"
#include "CliRun.h"
#include "FakeAppImage.h"
#include "JsonPaths.h"
#include "TreeSnapshot.h"
#include "Unprivileged.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <memory>
#include <sys/stat.h>

namespace {

// The matches that start selected.
QStringList matchedPaths(const QByteArray& json) {
    return matchPaths(json, true);
}

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

QStringList listedNames(const QByteArray& json) {
    QStringList names;
    for (const QJsonValue& app : QJsonDocument::fromJson(json)["apps"].toArray())
        names.append(app["name"].toString());
    return names;
}

// A run that may meet a FIFO: one that blocks is killed and fails its test. The timeout is far
// above the second each run takes, yet low enough that every run blocking stays within Qt
// Test's limit of five minutes per test function.
CliRun cli(const QStringList& arguments) {
    return CliRun::of(arguments, {}, 20000);
}

} // namespace

// Desktop entries, ids, variables and files written by anyone: an id is never a path, an
// argument never an option, a general tool's launcher never claims that tool's folder, a FIFO
// is never waited on, an oversized entry is refused without being read whole, and a folder
// the user cannot read is reported. Each case gets a home of its own, and whatever is refused
// leaves that home exactly as it was. Runs unprivileged, so that permission bits apply.
class TestHostileLinuxInput : public QObject {
    Q_OBJECT

    std::unique_ptr<CliHome> m_dir;

    QString home(const QString& relative = {}) const { return m_dir->home(relative); }
    // Driftnote's entry in the user's applications folder.
    QString userEntry(const QString& file, DesktopEntryFields fields) {
        fields.name = QStringLiteral("Driftnote");
        return m_dir->createDesktopEntry("home/.local/share/applications/" + file, fields);
    }
    // The home as it stands, its Trash and the journal of removals (in the state folder) left
    // out.
    TreeSnapshot homeSnapshot() const {
        TreeSnapshot tree = snapshotOf(home());
        tree.removeIf([](const auto& item) {
            return item.key().startsWith(".local/share/Trash") ||
                   item.key().startsWith(".local/state");
        });
        return tree;
    }
    QString makeFifo(const QString& relative) {
        const QString path = m_dir->path(relative);
        QDir().mkpath(QFileInfo(path).path());
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0 ? path : QString();
    }

private slots:
    void init() {
        m_dir = std::make_unique<CliHome>();
        m_dir->fakePrograms({"flatpak", "snap", "dpkg-query"});
        for (const char* file : {"thesis/chapter1.tex", ".var/app/org.example.Other/x",
                                 "snap/other/x", ".ssh/id_ed25519", ".gnupg/pubring.kbx",
                                 ".git/config", ".config/driftnote/settings.ini"})
            m_dir->createFile(QStringLiteral("home/") + file, "x");
    }

    // Ids that are no valid Flatpak or snap id, and keys given twice, are refused before any
    // path is built or any program run.
    void idsAreNeverPaths_data() {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QByteArray>("reason");
        const QByteArray flatpak = "its X-Flatpak value is not a valid Flatpak app id";
        const QByteArray snap = "its X-SnapInstanceName value is not a valid snap name";
        const QByteArray twice = "a key or group is given twice";
        for (const char* id : {"../../thesis", ".", "..", "/", "--all", "org.example",
                               "org.example.1App", "org.exa mple.App", "org..example.App"})
            QTest::addRow("flatpak %s", id)
                << "Exec=driftnote\nX-Flatpak=" + QByteArray(id) << flatpak;
        for (const char* name : {"../snap", "..", "--purge", "Other", "other_", "-other"})
            QTest::addRow("snap %s", name)
                << "Exec=driftnote\nX-SnapInstanceName=" + QByteArray(name) << snap;
        QTest::newRow("key twice") << QByteArray("Exec=driftnote\nX-Flatpak=org.example.Other\n"
                                                 "X-Flatpak=org.example.Driftnote")
                                   << twice;
        QTest::newRow("group twice") << QByteArray("X-Flatpak=org.example.Driftnote\n"
                                                   "[Desktop Entry]\nX-Flatpak=org.example.Other")
                                     << twice;
    }
    void idsAreNeverPaths() {
        QFETCH(QByteArray, keys);
        QFETCH(QByteArray, reason);
        const QString entry = userEntry("driftnote.desktop", {.extraLines = keys + '\n'});
        const TreeSnapshot before = homeSnapshot();
        for (const QStringList& arguments :
             {QStringList{"scan", entry, "--no-index"},
              QStringList{"remove", entry, "--yes", "--uninstall", "--no-index"}}) {
            const CliRun run = CliRun::of(arguments);
            QCOMPARE(run.exitCode, 3);
            QCOMPARE(run.err.trimmed(), "This desktop entry is malformed: " + reason + '.');
        }
        const CliRun list = CliRun::of({"list", "--json"});
        QVERIFY2(!list.out.contains("driftnote.desktop"), list.out);
        QCOMPARE(homeSnapshot(), before);
        QCOMPARE(m_dir->ranLog(), QByteArray());
    }

    // The window's command names the id after "--", where no id can pass for an option.
    void argumentsAreNeverOptions() {
        const QString entry =
            userEntry("org.example.Driftnote.desktop", {.exec = "flatpak run org.example.Driftnote",
                                                        .flatpak = "org.example.Driftnote"});
        TreeSnapshot expected = homeSnapshot();
        for (const char* gone : {".config/driftnote", ".config/driftnote/settings.ini",
                                 ".local/share/applications/org.example.Driftnote.desktop"})
            QVERIFY(expected.remove(QString::fromUtf8(gone)) == 1);
        const CliRun run = CliRun::of(
            {"remove", "org.example.Driftnote.desktop", "--yes", "--uninstall", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(m_dir->ranLog().endsWith("flatpak uninstall --user -- org.example.Driftnote\n"),
                 m_dir->ranLog());
        QCOMPARE(homeSnapshot(), expected);
    }

    // A launcher of a general tool tells nothing about an app: the tool's folders stay, and
    // only the launcher itself goes with its leftovers.
    void generalToolsClaimNothing_data() {
        QTest::addColumn<QByteArray>("exec");
        QTest::newRow("ssh") << QByteArray("ssh -X host xterm");
        QTest::newRow("git") << QByteArray("git gui");
        QTest::newRow("gpg") << QByteArray("/usr/bin/gpg --card-edit");
        QTest::newRow("terminal") << QByteArray("x-terminal-emulator -e ssh host");
        QTest::newRow("env and sudo") << QByteArray("env LANG=C sudo -E git");
        QTest::newRow("opener") << QByteArray("xdg-open .ssh/config");
    }
    void generalToolsClaimNothing() {
        QFETCH(QByteArray, exec);
        const QString entry = userEntry("my-tool.desktop", {.exec = QString::fromUtf8(exec)});
        const CliRun run = CliRun::of({"scan", entry, "--json", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(matchedPaths(run.out), QStringList{entry});
    }

    // An Exec that names a folder, or a program the user did not install, claims no folder
    // and no link into it, another app's links included.
    void programFoldersAreNoLeftovers_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("the home") << "~";
        QTest::newRow("a source folder") << "~/src";
        QTest::newRow("the applications folder") << "~/Applications";
        QTest::newRow("a program in a source folder") << "~/src/driftnote";
    }
    void programFoldersAreNoLeftovers() {
        QFETCH(QString, program);
        program.replace(u'~', home());
        m_dir->createFile("home/src/driftnote", "#!/bin/sh\n");
        m_dir->createFile("home/Applications/Other/other", "#!/bin/sh\n");
        m_dir->createSymlink("home/.local/bin/driftnote", home("src/driftnote"));
        m_dir->createSymlink("home/.local/bin/other", home("Applications/Other/other"));
        const QString entry = userEntry("driftnote.desktop", {.exec = program + " %F"});
        const CliRun run = CliRun::of({"scan", entry, "--json", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(matchedPaths(run.out), (QStringList{home(".config/driftnote"), entry}));
    }

    // The user's own launcher of an app goes with its leftovers, and the report says so.
    void theUsersOwnLauncherGoesAlong() {
        const QString entry = userEntry("driftnote.desktop", {.exec = "driftnote"});
        const CliRun scan = CliRun::of({"scan", entry, "--no-index"});
        QVERIFY2(scan.out.contains("is your own launcher of this app"), scan.out);
        QCOMPARE(CliRun::of({"remove", "driftnote", "--yes", "--no-index"}).exitCode, 0);
        QVERIFY(!QFile::exists(entry) && !QFile::exists(home(".config/driftnote")));
        QVERIFY(!CliRun::of({"list", "--json"}).out.contains("driftnote"));
    }

    // Variables that would pass the user's own files off as settings are ignored, with a word.
    void xdgVariablesNeverNameTheUsersFiles_data() {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QString>("value");
        QTest::newRow("config is the home") << QByteArray("XDG_CONFIG_HOME") << "~";
        QTest::newRow("config above the home") << QByteArray("XDG_CONFIG_HOME") << "~/..";
        QTest::newRow("data is Documents") << QByteArray("XDG_DATA_HOME") << "~/Documents";
        QTest::newRow("relative cache") << QByteArray("XDG_CACHE_HOME") << ".";
    }
    void xdgVariablesNeverNameTheUsersFiles() {
        QFETCH(QByteArray, variable);
        QFETCH(QString, value);
        value.replace(u'~', home());
        const QString entry = userEntry("driftnote.desktop", {.exec = "driftnote"});
        m_dir->createFile("home/Driftnote/novel.txt", "mine");
        m_dir->createFile("home/driftnote.txt", "mine");
        m_dir->createFile("home/Documents/Driftnote/draft.txt", "mine");
        qputenv(variable.constData(), value.toUtf8());
        const CliRun run = CliRun::of({"scan", entry, "--json", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("Ignoring " + variable + '='), run.err);
        QCOMPARE(matchedPaths(run.out), (QStringList{home(".config/driftnote"), entry}));
        // The user's folder named for the app is only offered; their documents never are.
        QCOMPARE(matchPaths(run.out, false), QStringList{home("Driftnote")});
    }

    // An AppImage named through a link: the link goes, and the image's place is told.
    void appImageThroughALinkKeepsTheImage() {
        m_dir->createDesktopEntry("image/gullwing.desktop",
                                  {.name = "Gullwing", .exec = "gullwing"});
        const QString image = makeFakeAppImage(*m_dir, "image", "home/Apps/Gullwing.AppImage");
        if (image.isEmpty())
            QSKIP("mksquashfs (squashfs-tools) is not installed; scripts/setup installs it");
        const QString link = m_dir->createSymlink("home/Desktop/Gullwing.AppImage", image);
        const CliRun run = CliRun::of({"remove", link, "--yes", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains(image.toUtf8()), run.err);
        QVERIFY(!QFileInfo(link).isSymLink() && QFile::exists(image));
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
        // Where the Linux rules read a desktop entry, unit, D-Bus service or mimeapps.list.
        for (const char* fifo :
             {"home/.local/share/applications/fifo.desktop", "system/applications/fifo.desktop",
              "home/.config/autostart/fifo.desktop", "home/.config/systemd/user/fifo.service",
              "home/.local/share/dbus-1/services/fifo.service", "home/.config/mimeapps.list",
              "home/.local/share/applications/mimeapps.list"})
            QVERIFY(!makeFifo(fifo).isEmpty());
        m_dir->createDesktopEntry("home/.local/share/applications/gullwing.desktop",
                                  entryOf("Gullwing"));
        m_dir->createFile("home/.config/gullwing/settings.ini", "x");
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
        const CliRun run = cli(command + QStringList{makeFifo(file), "--no-index"});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.err.trimmed(), error);
    }

    // An entry past the size limit is refused whole, never cut to a readable start.
    void oversizedDesktopEntriesAreRefused() {
        const QString bulky = m_dir->createDesktopEntry(
            "home/.local/share/applications/bulky.desktop", entryOf("Bulky", commentOf(2 << 20)));
        m_dir->createDesktopEntry("home/.local/share/applications/gullwing.desktop",
                                  entryOf("Gullwing"));
        const CliRun scan = cli({"scan", bulky, "--no-index"});
        QCOMPARE(scan.exitCode, 3);
        QCOMPARE(scan.err.trimmed(), QByteArray("This desktop entry could not be read."));
        const CliRun list = cli({"list", "--json"});
        QCOMPARE(list.exitCode, 0);
        QVERIFY(listedNames(list.out).contains("Gullwing"));
        QVERIFY(!listedNames(list.out).contains("Bulky"));
    }

    // unsquashfs is stopped once the entry outgrows the limit, and waited for.
    void oversizedAppImageEntriesAreRefused() {
        m_dir->createDesktopEntry("image/gullwing.desktop",
                                  entryOf("Gullwing", commentOf(50 << 20)));
        const QString appImage = makeFakeAppImage(*m_dir, "image", "Big.AppImage");
        if (appImage.isEmpty())
            QSKIP("mksquashfs (squashfs-tools) is not installed; scripts/setup installs it");
        const CliRun run = cli({"scan", appImage, "--no-index"});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.err.trimmed(), QByteArray("This AppImage could not be read."));
        QCOMPARE(processesNaming(appImage), QStringList());
    }

    void dconfWritesNothingIntoTheHome() {
        if (!m_dir->writeDconf("[org/example/Gullwing]\nx=1\n"))
            QSKIP("the dconf tool (dconf-cli) is not installed; scripts/setup installs it");
        const QString entry = m_dir->createDesktopEntry(
            "home/.local/share/applications/org.example.Gullwing.desktop", entryOf("Gullwing"));
        const CliRun run = cli({"scan", entry, "--json", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out)["keptDconfFolders"].toArray().toVariantList(),
                 QVariantList{"/org/example/Gullwing/"});
        QVERIFY(!QFileInfo::exists(home(".cache/dconf")));
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
    // What lies in a locked folder is not found, and the folder is reported instead of
    // silently missed.
    void scanJsonListsLockedFolders() {
        QFETCH(QString, locked);
        QFETCH(QStringList, unreadable);
        QFETCH(QStringList, matches);
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        for (const char* file : {"home/.config/textedit/settings", "home/.cache/textedit/c",
                                 "home/.config/Vendor/other/x"})
            m_dir->createFile(file, "x");
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

QTEST_GUILESS_MAIN(TestHostileLinuxInput)
#include "TestHostileLinuxInput.moc"
