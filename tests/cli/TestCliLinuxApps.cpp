#include "CliHome.h"
#include "CliRun.h"
#include "FakeAppImage.h"
#include "JsonPaths.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// scan and remove of Linux apps on a home of their own, with fake package managers on PATH
// that only record that they ran, but for dpkg-query's answers about vim's entry and about
// gimp in the cache folder (which lies outside the home here), which a package claims.
class TestCliLinuxApps : public QObject {
    Q_OBJECT

    CliHome m_dir;
    QString m_gimpEntry;
    bool m_dconfRead = false;

private slots:
    void initTestCase() {
        qputenv("XDG_CACHE_HOME", m_dir.path("cache").toUtf8());
        m_dir.fakePrograms({"flatpak", "snap", "dpkg-query", "apt"},
                           "#!/bin/sh\necho \"$0 $*\" >> \"$TIDEWELL_TEST_RAN\"\n"
                           "[ \"$1\" = -S ] || exit 0\nshift\nfor path; do case $path in\n"
                           "*/vim.desktop) echo \"vim-gtk3: $path\" ;;\n"
                           "*/cache/gimp) echo \"gimp-data: $path\" ;;\nesac; done\n");
        m_gimpEntry = m_dir.createFlatpakInstallation(
            {}, "org.gimp.GIMP",
            {.name = "GIMP", .exec = "flatpak run --command=gimp-2.10 org.gimp.GIMP %U"},
            TestDir::FlatpakScope::user);
        m_dir.createDesktopEntry("system/applications/vim.desktop",
                                 {.name = "Vim", .exec = "vim %F"});
        for (const char* file :
             {"home/.config/GIMP/2.10/gimprc", "home/.var/app/org.gimp.GIMP/x", "home/.vim/vimrc",
              "home/.config/kate/x", "home/GIMP/art.xcf", "cache/gimp/x", "elsewhere/x"})
            m_dir.createFile(file, "x");
        // GIMP is a default among other apps' lines: listed, never removed.
        m_dir.createFile("home/.config/mimeapps.list",
                         "[Default Applications]\nimage/png=org.gimp.GIMP.desktop;eog.desktop;\n"
                         "image/x-xcf=org.gimp.GIMP.Extra.desktop\n");
        // GIMP's settings in dconf beside a look-alike's, when the dconf tool is here to read them.
        m_dconfRead = m_dir.writeDconf("[org/gimp/GIMP/state]\nmaximized=true\n\n"
                                       "[org/gimp/GIMPish]\nx=1\n");
        // Named for GIMP but never offered: a package's path, and a link out of the home.
        m_dir.createSymlink("home/.local/share/gimp", m_dir.path("elsewhere"));
    }

    void scanNamesTheAppByIdOrEntry_data() {
        QTest::addColumn<QString>("argument");
        QTest::newRow("flatpak id") << "org.gimp.GIMP";
        QTest::newRow("desktop entry") << m_gimpEntry;
    }
    void scanNamesTheAppByIdOrEntry() {
        QFETCH(QString, argument);
        QFile::remove(m_dir.path("ran.log"));
        const CliRun run = CliRun::of({"scan", argument, "--json", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        // dpkg is asked about the cache folder's gimp, never about anything in the home.
        const QByteArray log = m_dir.ranLog();
        QVERIFY2(log.contains("dpkg-query -S " + m_dir.path("cache/gimp").toUtf8()) &&
                     !log.contains(m_dir.path("home/").toUtf8()),
                 log.constData());
        QCOMPARE(QJsonDocument::fromJson(run.out)["app"]["kind"].toString(),
                 QStringLiteral("flatpak"));
        QCOMPARE(matchPaths(run.out, true),
                 (QStringList{m_dir.path("home/.config/GIMP"),
                              m_dir.path("home/.var/app/org.gimp.GIMP")}));
        // The user's own folder named for the app is only offered, never selected.
        QCOMPARE(matchPaths(run.out, false), QStringList{m_dir.path("home/GIMP")});
        QCOMPARE(jsonPaths(run.out, "keptSettingsFiles"),
                 QStringList{m_dir.path("home/.config/mimeapps.list")});
        QCOMPARE(jsonPaths(run.out, "keptDconfFolders"),
                 m_dconfRead ? QStringList{"/org/gimp/GIMP/"} : QStringList{});
    }

    // An entry named otherwise than its AppStream component: the component's id finds data.
    void scanFindsDataByTheAppStreamId() {
        const QString entry = m_dir.createDesktopEntry("system/applications/texted.desktop",
                                                       {.name = "TextEd", .exec = "texted"});
        m_dir.createFile("system/metainfo/org.example.TextEd.metainfo.xml",
                         "<component><id>org.example.TextEd</id><launchable type=\"desktop-id\">"
                         "texted.desktop</launchable></component>");
        m_dir.createFile("home/.config/org.example.TextEd/settings.ini", "x");
        m_dir.createFile("home/.config/org.example.TextEditor/settings.ini", "x");
        const CliRun run = CliRun::of({"scan", entry, "--json", "--no-index"});
        QCOMPARE(jsonPaths(run.out, "matches"),
                 QStringList{m_dir.path("home/.config/org.example.TextEd")});
    }

    void scanRejectsUnknownIdsAndBadEntries() {
        QCOMPARE(CliRun::of({"scan", "org.example.Missing", "--no-index"}).err.trimmed(),
                 QByteArray("No installed application has this id."));
        const QString link = m_dir.createDesktopEntry("link.desktop", {.type = "Link"});
        QCOMPARE(CliRun::of({"scan", link, "--no-index"}).err.trimmed(),
                 QByteArray("This desktop entry could not be read."));
    }

    void removeTrashesLeftoversAndShowsThePackageCommand_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("leftover");
        QTest::newRow("flatpak of the user") << "org.gimp.GIMP"
                                             << "flatpak uninstall --user -- org.gimp.GIMP"
                                             << "home/.config/GIMP";
        QTest::newRow("debian package")
            << m_dir.path("system/applications/vim.desktop") << "sudo apt remove -- vim-gtk3"
            << "home/.vim";
    }
    void removeTrashesLeftoversAndShowsThePackageCommand() {
        QFETCH(QString, argument);
        QFETCH(QString, command);
        QFETCH(QString, leftover);
        const CliRun run = CliRun::of({"remove", argument, "--json", "--yes", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out)["uninstallCommand"].toString(), command);
        QVERIFY(!QFile::exists(m_dir.path(leftover)));
        QVERIFY(QFile::exists(m_gimpEntry));
        QVERIFY(QFile::exists(m_dir.path("system/applications/vim.desktop")));
        QVERIFY(QFile::exists(m_dir.path("home/.config/kate/x")));
        QVERIFY(QFile::exists(m_dir.path("home/GIMP/art.xcf")));
        const QByteArray log = m_dir.ranLog();
        QVERIFY2(!log.contains("flatpak") && !log.contains("apt ") && !log.contains("snap"),
                 log.constData());
    }

    // Asked to, remove runs the package manager after the leftovers; never a command that
    // needs administrator rights.
    void removeRunsThePackageManagerWhenAsked() {
        m_dir.createFile("home/.config/GIMP/2.10/gimprc", "x");
        QFile::remove(m_dir.path("ran.log"));
        const CliRun run =
            CliRun::of({"remove", "org.gimp.GIMP", "--json", "--yes", "--uninstall", "--no-index"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out)["uninstallExitCode"].toInt(-1), 0);
        QVERIFY(!QFile::exists(m_dir.path("home/.config/GIMP")));
        QVERIFY(m_dir.ranLog().contains("bin/flatpak uninstall --user -- org.gimp.GIMP"));
        const CliRun apt = CliRun::of({"remove", m_dir.path("system/applications/vim.desktop"),
                                       "--yes", "--uninstall", "--no-index"});
        QVERIFY2(apt.out.contains("To uninstall it, run: sudo apt remove -- vim-gtk3"), apt.out);
        QVERIFY(!m_dir.ranLog().contains("bin/apt ") && !m_dir.ranLog().contains("bin/sudo"));
    }

    // An AppImage is read by the entry it carries; its integration's launcher and its data are
    // its leftovers, and the file itself goes with them.
    void appImageGoesWithItsLeftovers() {
        m_dir.createDesktopEntry("image/gullwing.desktop",
                                 {.name = "Gullwing", .exec = "gullwing %F"});
        const QString appImage = makeFakeAppImage(m_dir, "image", "home/Apps/Gullwing.AppImage");
        if (appImage.isEmpty())
            QSKIP("mksquashfs (squashfs-tools) is not installed; scripts/setup installs it");
        const QString launcher = m_dir.createDesktopEntry(
            "home/.local/share/applications/appimagekit_ab12-Gullwing.desktop",
            {.name = "Gullwing", .exec = appImage + " %F"});
        const QString data = m_dir.createFile("home/.config/Gullwing/settings.ini", "x");
        const CliRun scan = CliRun::of({"scan", appImage, "--json", "--no-index"});
        QCOMPARE(scan.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(scan.out)["app"]["kind"].toString(), "appimage");
        QCOMPARE(jsonPaths(scan.out, "matches"),
                 (QStringList{m_dir.path("home/.config/Gullwing"), launcher}));
        // Its launcher stands for it; with the image gone, the launcher is a plain entry that
        // is listed once and does not go as the app as well.
        const CliRun viaLauncher = CliRun::of({"scan", launcher, "--json", "--no-index"});
        QCOMPARE(QJsonDocument::fromJson(viaLauncher.out)["app"]["appPath"].toString(), appImage);
        QVERIFY(jsonPaths(viaLauncher.out, "matches").contains(launcher));
        QVERIFY(!jsonPaths(viaLauncher.out, "matches").contains(appImage));
        QVERIFY(QFile::rename(appImage, appImage + ".moved"));
        const CliRun imageGone = CliRun::of({"scan", launcher, "--json", "--no-index"});
        QVERIFY(QFile::rename(appImage + ".moved", appImage));
        QVERIFY(!QJsonDocument::fromJson(imageGone.out)["appGoesWithLeftovers"].toBool());
        QCOMPARE(jsonPaths(imageGone.out, "matches").count(launcher), 1);
        QCOMPARE(CliRun::of({"remove", appImage, "--yes", "--no-index"}).exitCode, 0);
        QVERIFY(!QFile::exists(appImage) && !QFile::exists(launcher) && !QFile::exists(data));
        QCOMPARE(CliRun::of({"scan", m_dir.path("home/.config/Gullwing.AppImage")}).err.trimmed(),
                 QByteArray("This AppImage could not be read."));
    }
};

QTEST_GUILESS_MAIN(TestCliLinuxApps)
#include "TestCliLinuxApps.moc"
