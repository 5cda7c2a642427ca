#include "CliRun.h"
#include "FakeAppImage.h"
#include "JsonPaths.h"
#include "TestDir.h"
#include "TreeSnapshot.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <memory>

namespace {

// A fake package manager that only records how it was called.
const QByteArray recordingProgram = "#!/bin/sh\necho \"$0 $*\" >> \"$TIDEWELL_TEST_RAN\"\n";

// The matches that start selected.
QStringList matchedPaths(const QByteArray& json) {
    return matchPaths(json, true);
}

} // namespace

// Desktop entries, ids and variables written by anyone: an id is never a path, an argument
// never an option, a general tool's launcher never claims that tool's folder. Each case gets
// a home of its own, and whatever is refused leaves that home exactly as it was.
class TestHostileLinuxInput : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDir> m_dir;

    QString home(const QString& relative = {}) const {
        return m_dir->path(relative.isEmpty() ? QStringLiteral("home") : "home/" + relative);
    }
    // Driftnote's entry in the user's applications folder.
    QString userEntry(const QString& file, DesktopEntryFields fields) {
        fields.name = QStringLiteral("Driftnote");
        return m_dir->createDesktopEntry("home/.local/share/applications/" + file, fields);
    }
    QByteArray ranLog() const {
        QFile log(m_dir->path("ran.log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
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

private slots:
    void init() {
        m_dir = std::make_unique<TestDir>();
        qputenv("HOME", home().toUtf8());
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            qunsetenv(name);
        qputenv("XDG_DATA_HOME", home(".local/share").toUtf8());
        qputenv("XDG_DATA_DIRS", m_dir->path("system").toUtf8());
        qputenv("TIDEWELL_TEST_RAN", m_dir->path("ran.log").toUtf8());
        for (const char* program : {"flatpak", "snap", "dpkg-query"}) {
            const QString path =
                m_dir->createFile(QStringLiteral("bin/") + program, recordingProgram);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        static const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_dir->path("bin").toUtf8() + ':' + path);
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
        QCOMPARE(ranLog(), QByteArray());
    }

    // An operand that looks like an option never reaches a package manager, and the window's
    // command names the id after "--".
    void argumentsAreNeverOptions() {
        for (const QStringList& arguments :
             {QStringList{"remove", "--yes", "--uninstall", "--", "--all"},
              QStringList{"scan", "--", "-y"}}) {
            const CliRun run = CliRun::of(arguments);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("looks like an option"), run.err);
        }
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
        QVERIFY2(ranLog().endsWith("flatpak uninstall --user -- org.example.Driftnote\n"),
                 ranLog());
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
        qputenv("XDG_DATA_HOME", home(".local/share").toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CACHE_HOME");
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
};

QTEST_GUILESS_MAIN(TestHostileLinuxInput)
#include "TestHostileLinuxInput.moc"
