#include "FaultInjectingFileSystem.h"
#include "TableProgramRunner.h"
#include "TestDir.h"
#include "model/LinuxAppIdentity.h"
#include "platform/DconfDatabase.h"
#include "scanner/LeftoverScannerService.h"
#include "scanner/LinuxLeftoverFinder.h"

#include <QSemaphore>
#include <QTest>

using namespace tidewell;

namespace {

AppDescriptor app(const QString& id, const QStringList& exec, const QString& flatpakId = {},
                  const QString& snapName = {}, const QString& icon = {}) {
    DesktopEntry entry;
    entry.filePath = QStringLiteral("/usr/share/applications/") + id + QStringLiteral(".desktop");
    entry.desktopFileId = id;
    entry.name = QStringLiteral("Some App");
    entry.execArguments = exec;
    entry.flatpakId = flatpakId;
    entry.snapName = snapName;
    entry.icon = icon;
    return linuxapp::describe(entry);
}

AppDescriptor named(const QString& id, const QString& name, const QStringList& exec) {
    AppDescriptor described = app(id, exec);
    described.displayName = name;
    return described;
}

// A Flatpak of a vendor's edition, whose window class names it after the vendor.
AppDescriptor edition(const QString& id, const QString& command, const QString& windowClass) {
    DesktopEntry entry;
    entry.filePath = QStringLiteral("/usr/share/applications/") + id + QStringLiteral(".desktop");
    entry.desktopFileId = id;
    entry.name = QStringLiteral("Some Edition");
    entry.execArguments = {"flatpak", "run", "--command=" + command, id};
    entry.flatpakId = id;
    entry.startupWMClass = windowClass;
    return linuxapp::describe(entry);
}

AppDescriptor flatpak(const QString& id, const QString& command) {
    return app(id, {"flatpak", "run", "--command=" + command, id}, id);
}

} // namespace

class TestLinuxLeftoverFinder : public QObject {
    Q_OBJECT

    TestDir m_home;
    QList<AppDescriptor> m_installed;

    Host host() const { return Host::withDefaults(m_home.path()); }
    // Kate's scan through fileSystem.
    ScanReport linuxScan(FileSystem& fileSystem) const {
        LeftoverScannerService service(nullptr, host(), nullptr, fileSystem, 1);
        return service.scan(m_installed.first(), false).result();
    }
    QStringList relativePaths(const QStringList& paths) const {
        QStringList relative;
        for (const QString& path : paths)
            relative.append(path.mid(m_home.path().size() + 1));
        return relative;
    }
    QStringList matchedPaths(const ScanReport& report) const {
        QStringList paths;
        for (const ScannedFile& match : report.matches)
            paths.append(match.id);
        return relativePaths(paths);
    }

private slots:
    void initTestCase() {
        const QStringList files{
            // Kate's own, and another KDE app's and the desktop's files beside them.
            ".config/katerc", ".local/state/katestaterc", ".local/share/kate/sessions/a",
            ".cache/kate/x", ".config/kwriterc", ".config/kdeglobals", ".local/share/katenotes/n",
            "Kate/my-notes.txt",
            // GIMP as a Flatpak.
            ".var/app/org.gimp.GIMP/config/x", ".var/app/org.gimp.GIMP.Plugin.Resynth/x",
            ".local/share/flatpak/overrides/org.gimp.GIMP", ".config/GIMP/2.10/gimprc",
            ".gimp-2.8/x", ".gimpish/x",
            // JetBrains and Xfce keep one folder per app below a shared one.
            ".config/JetBrains/PyCharmCE2024.3/options.xml", ".config/JetBrains/IdeaIC2024.3/o",
            ".config/xfce4/terminal/terminalrc", ".config/xfce4/panel/p",
            // A snap.
            "snap/firefox/common/x", "snap/firefox-beta/x", ".mozilla/firefox/x",
            // Icons by exact name.
            ".local/share/icons/hicolor/48x48/apps/kate.png",
            ".local/share/icons/hicolor/48x48/apps/kate-extra.png",
            ".local/share/kxmlgui5/kate/k.rc", ".local/share/kxmlgui5/kwrite/k.rc",
            ".local/share/icons/hicolor/48x48/apps/kwrite.png"};
        for (const QString& file : files)
            m_home.createFile(file, "x");
        m_home.createDesktopEntry(".config/autostart/org.gimp.GIMP.desktop",
                                  {.name = "G", .exec = "flatpak run org.gimp.GIMP"});
        m_home.createDesktopEntry(".config/autostart/weatherbar.desktop",
                                  {.name = "W", .exec = "weatherbar"});
        m_home.createFile(".config/systemd/user/kate-sync.service",
                          "[Unit]\nDescription=x\n[Service]\nExecStart=/usr/bin/kate --sync\n");
        m_home.createFile(".config/systemd/user/backup.service",
                          "[Service]\nExecStart=/usr/bin/restic backup\n");
        m_home.createFile(".local/share/dbus-1/services/org.kde.kate.service",
                          "[D-BUS Service]\nName=org.kde.kate\nExec=/usr/bin/kate\n");
        m_home.createFile(".local/share/dbus-1/services/org.example.Weatherbar.service",
                          "[D-BUS Service]\nName=org.example.Weatherbar\nExec=weatherbar\n");
        m_home.createDesktopEntry(".local/share/applications/kate-session.desktop",
                                  {.name = "K", .exec = "kate -s work"});
        // Programs the user installed: a program folder, a shared bin folder, another
        // installer's program, an AppImage kept in Downloads, and links to them.
        for (const char* file :
             {"Applications/Driftnote/driftnote", "Applications/bin/tool", ".local/bin/pipthing",
              "Downloads/Gull.AppImage", "Applications/Other.AppImage",
              ".local/share/icons/hicolor/64x64/apps/appimagekit_ab_gull.png",
              ".local/share/icons/hicolor/64x64/apps/appimagekit_cd_x.png"})
            m_home.createFile(file, "x");
        m_home.createSymlink(".local/bin/driftnote", "../../Applications/Driftnote/driftnote");
        m_home.createSymlink(".local/bin/gull", m_home.path("Downloads/Gull.AppImage"));
        m_home.createSymlink(".local/bin/other", "../../Applications/Other.AppImage");
        m_home.createDesktopEntry(".local/share/applications/appimagekit_ab-Gull.desktop",
                                  {.name = "Gull",
                                   .exec = m_home.path("Downloads/Gull.AppImage"),
                                   .icon = "appimagekit_ab_gull"});
        m_installed = {app("org.kde.kate", {"kate"}, {}, {}, "kate"),
                       flatpak("org.gimp.GIMP", "gimp-2.10"),
                       flatpak("com.jetbrains.PyCharm-Community", "pycharm"),
                       app("xfce4-terminal", {"xfce4-terminal"}),
                       app("firefox_firefox", {"/snap/bin/firefox"}, {}, "firefox")};
    }

    void findsOwnLeftoversOnly_data() {
        QTest::addColumn<AppDescriptor>("scanned");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("kde rc files, data, cache, launchers, icon; the user's Kate folder offered")
            << m_installed.at(0)
            << QStringList{".cache/kate identifier", ".config/katerc identifier",
                           // Runs a kate by a path the app's own Exec does not name.
                           ".config/systemd/user/kate-sync.service launcherByName",
                           ".local/share/applications/kate-session.desktop launcher",
                           ".local/share/dbus-1/services/org.kde.kate.service launcherByName",
                           ".local/share/icons/hicolor/48x48/apps/kate.png icon",
                           ".local/share/kate identifier", ".local/share/kxmlgui5/kate identifier",
                           ".local/state/katestaterc identifier", "Kate userWork"};
        QTest::newRow("flatpak: its folders by exact id, dot folder by first piece, autostart")
            << m_installed.at(1)
            << QStringList{
                   ".config/GIMP identifier", ".config/autostart/org.gimp.GIMP.desktop identifier",
                   ".gimp-2.8 identifier", ".local/share/flatpak/overrides/org.gimp.GIMP sandbox",
                   ".var/app/org.gimp.GIMP sandbox"};
        QTest::newRow("one folder below its vendor's, by a prefix only")
            << m_installed.at(2) << QStringList{".config/JetBrains/PyCharmCE2024.3 partialName"};
        QTest::newRow("vendor and name in two components")
            << m_installed.at(3) << QStringList{".config/xfce4/terminal identifier"};
        QTest::newRow("snap folder by exact name; a dot folder named otherwise is missed")
            << m_installed.at(4) << QStringList{"snap/firefox sandbox"};
        // Rated Risky by where they lie, so only offered once sized.
        QTest::newRow("program folder named for it and a link to it; no shared bin folder")
            << app("driftnote", {m_home.path("Applications/Driftnote/driftnote")})
            << QStringList{".local/bin/driftnote fullName", "Applications/Driftnote fullName"};
        QTest::newRow("a program in a shared folder stays")
            << app("tool", {m_home.path("Applications/bin/tool")}) << QStringList{};
        QTest::newRow("another installer's program in ~/.local/bin stays")
            << app("pipthing", {"pipthing"}) << QStringList{};
        // The AppImage it runs, wherever it lies, is the app itself, not a leftover.
        QTest::newRow("AppImage launcher: its link, launcher and icon")
            << app("appimagekit_ab-Gull", {m_home.path("Downloads/Gull.AppImage")})
            << QStringList{".local/bin/gull fullName",
                           ".local/share/applications/appimagekit_ab-Gull.desktop identifier",
                           ".local/share/icons/hicolor/64x64/apps/appimagekit_ab_gull.png icon"};
        QTest::newRow("an icon another app uses claims neither its folders nor the icon")
            << app("kate-viewer", {"kate-viewer"}, {}, {}, "kate") << QStringList{};
    }
    void findsOwnLeftoversOnly() {
        QFETCH(AppDescriptor, scanned);
        QFETCH(QStringList, expected);
        QStringList found;
        for (const FoundItem& item :
             LinuxLeftoverFinder(scanned, m_installed + QList{scanned},
                                 Host::withDefaults(m_home.path()), FileSystem::real())
                 .find()
                 .items)
            found.append(item.path.mid(m_home.path().size() + 1) + " " +
                         rawValue(item.evidence.code));
        found.sort();
        QCOMPARE(found, expected);
    }

    // Each rule with a made-up app and, where it matters, the installed rival that decides it:
    // what the scan of the first app finds of one item, as "code" or "none".
    void judgesEachItemAgainstItsRivals_data() {
        QTest::addColumn<QList<AppDescriptor>>("apps"); // the scanned app, then the others
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("expected");
        // Its id and its program differ, so a name shows which of the two it holds.
        const AppDescriptor loom = app("org.threadworks.Weave", {"/usr/bin/loom"});
        const auto row = [](const char* name, const QList<AppDescriptor>& apps, const char* item,
                            const char* expected) {
            QTest::newRow(name) << apps << QString(item) << QString(expected);
        };
        // A Qt organisation's folder that no installed app claims holds the app's own entry.
        row("organisation folder", {loom}, ".config/Threadworks/loom.conf", "fullName");
        row("organisation data", {loom}, ".local/share/Threadworks/Loom", "fullName");
        row("folder another app claims", {loom, app("weaver", {"weaver"})},
            ".config/weaver/loom.conf", "none");
        row("only a start of the name", {loom}, ".config/Threadworks/loomish.conf", "none");
        // Front ends of one program share its folder while both are installed.
        row("front end alone", {app("quillsync-gtk", {"quillsync-gtk"})}, ".config/quillsync",
            "fullName");
        row("front end beside its sibling",
            {app("quillsync-gtk", {"quillsync-gtk"}), app("quillsync-qt", {"quillsync-qt"})},
            ".config/quillsync", "claimedByInstalledApp");
        // Two apps of one name: a tie is never decided for the app being removed.
        row("name of two apps",
            {named("a.harbor", "Harbor Notes", {"hn-a"}),
             named("b.harbor", "Harbor Notes", {"hn-b"})},
            ".config/Harbor Notes", "claimedByInstalledApp");
        row("name of one app", {named("a.harbor", "Harbor Notes", {"hn-a"})},
            ".config/Harbor Notes", "fullName");
        // A dot entry that another installed app names exactly is that app's.
        row("rival's exact name", {loom, app("loom-bar", {"loom-bar"})}, ".loom-bar", "none");
        row("hyphenated name alone", {loom}, ".loom-bar", "partialName");
        row("qualified by '_'", {loom, app("loom-bar", {"loom-bar"})}, ".loom_history", "fullName");
        row("qualified by a version", {loom}, ".loom-2.8", "fullName");
        row("the app's id", {loom}, ".config/weave", "identifier");
        // Versioned folders of a vendor's editions: by the edition's own name, a prefix only
        // offered, the edition installed beside it wins its own.
        const AppDescriptor community =
            edition("com.threadworks.Loom-Community", "loom", "threadworks-loom-ce");
        const AppDescriptor pro =
            edition("com.threadworks.Loom-Pro", "loom", "threadworks-loom-pro");
        row("edition's own name", {community}, ".config/Threadworks/LoomCE2026.1", "fullName");
        row("another edition by prefix", {community}, ".config/Threadworks/LoomPro2026.1",
            "partialName");
        row("another edition installed", {community, pro}, ".config/Threadworks/LoomPro2026.1",
            "none");
        // An edition's own name may abbreviate the other words of its name ("LoomWC" of
        // "Weaver-Loom-Community"); a sibling's abbreviation shares only the word.
        const AppDescriptor weaverCommunity =
            edition("com.threadworks.Weaver-Loom-Community", "loom", {});
        const AppDescriptor weaverClassic =
            edition("com.threadworks.Weaver-Loom-Classic", "loom", {});
        const AppDescriptor weaverUltimate =
            edition("com.threadworks.Weaver-Loom-Ultimate", "loom", {});
        row("abbreviated edition name", {weaverCommunity}, ".config/Threadworks/LoomWC2026.1",
            "fullName");
        row("abbreviation another installed edition shares", {weaverCommunity, weaverClassic},
            ".config/Threadworks/LoomWC2026.1", "claimedByInstalledApp");
        row("sibling's abbreviation, sibling gone", {weaverCommunity},
            ".config/Threadworks/LoomWU2026.1", "partialName");
        row("sibling's abbreviation, sibling installed", {weaverCommunity, weaverUltimate},
            ".config/Threadworks/LoomWU2026.1", "none");
        row("abbreviation outside the vendor's folder", {weaverCommunity}, ".config/LoomWC2026.1",
            "none");
        row("xfconf channel", {loom}, ".config/xfce4/xfconf/xfce-perchannel-xml/loom.xml",
            "fullName");
        row("home folder of the user's", {loom}, "Loom", "userWork");
    }
    void judgesEachItemAgainstItsRivals() {
        QFETCH(QList<AppDescriptor>, apps);
        QFETCH(QString, item);
        QFETCH(QString, expected);
        TestDir home;
        const bool isFile = item.endsWith(".conf") || item.endsWith(".xml");
        home.createFile(item + (isFile ? "" : "/x"), "x");
        QString found = "none";
        for (const FoundItem& leftover :
             LinuxLeftoverFinder(apps.first(), apps, Host::withDefaults(home.path()),
                                 FileSystem::real())
                 .find()
                 .items) {
            if (leftover.path == home.path(item))
                found = rawValue(leftover.evidence.code);
        }
        QCOMPARE(found, expected);
    }

    // A launcher is certain when it runs the app's own program file, offered when it runs a
    // program of the app's name from elsewhere.
    void launchersByTheProgramTheyRun_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the app's program") << "/opt/loom/bin/loom --hidden"
                                           << "launcher";
        QTest::newRow("one of its name") << "loom --hidden"
                                         << "launcherByName";
        QTest::newRow("another program") << "weaver"
                                         << "none";
    }
    void launchersByTheProgramTheyRun() {
        QFETCH(QString, exec);
        QFETCH(QString, expected);
        TestDir home;
        home.createDesktopEntry(".config/autostart/loom-tray.desktop",
                                {.name = "Loom tray", .exec = exec});
        const AppDescriptor loom = app("org.threadworks.Weave", {"/opt/loom/bin/loom"});
        QString found = "none";
        for (const FoundItem& leftover :
             LinuxLeftoverFinder(loom, {loom}, Host::withDefaults(home.path()), FileSystem::real())
                 .find()
                 .items)
            found = rawValue(leftover.evidence.code);
        QCOMPARE(found, expected);
    }

    // A folder the finder is refused is reported, with every leftover it could still reach; one
    // that fails for another reason is not.
    void scanReportsRefusedFolders_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<QStringList>("unreadable");
        QTest::addColumn<QStringList>("lost"); // the leftovers the failing folder hides
        QTest::newRow("XDG cache folder") << ".cache" << int(NoReadPermissionError)
                                          << QStringList{".cache"} << QStringList{".cache/kate"};
        QTest::newRow("folder one level down")
            << ".local/share/kxmlgui5" << int(NoReadPermissionError)
            << QStringList{".local/share/kxmlgui5"} << QStringList{".local/share/kxmlgui5/kate"};
        // Walks of the icon themes below it are refused too.
        QTest::newRow("home folder")
            << "" << int(NoReadPermissionError) << QStringList{""}
            << QStringList{".local/share/icons/hicolor/48x48/apps/kate.png", "Kate"};
        QTest::newRow("missing folder")
            << ".cache" << int(NoSuchFileError) << QStringList{} << QStringList{".cache/kate"};
        QTest::newRow("other error")
            << ".cache" << 5 << QStringList{} << QStringList{".cache/kate"};
    }
    void scanReportsRefusedFolders() {
        QFETCH(QString, failing);
        QFETCH(int, errorCode);
        QFETCH(QStringList, unreadable);
        QFETCH(QStringList, lost);
        FaultInjectingFileSystem fileSystem;
        fileSystem.failListing(m_home.path(failing), errorCode);
        const ScanReport report = linuxScan(fileSystem);
        QCOMPARE(relativePaths(pathsLeftAlone(report.leftAlone, LeftAloneReason::unreadable)),
                 unreadable);
        QStringList expected = matchedPaths(linuxScan(FileSystem::real()));
        QVERIFY(expected.contains(".config/katerc"));
        for (const QString& path : lost)
            expected.removeOne(path);
        QCOMPARE(matchedPaths(report), expected);
    }

    // Cancelling a Linux scan's future stops it before the next folder is listed, and the scan
    // delivers nothing.
    void abandonedScanStopsAtTheNextFolder() {
        FaultInjectingFileSystem fileSystem;
        QFuture<ScanReport> future;
        QSemaphore futureStored;
        fileSystem.whenListing([&](const QString&) {
            futureStored.acquire();
            future.cancel();
        });
        LeftoverScannerService service(nullptr, host(), nullptr, fileSystem, 1);
        future = service.scan(m_installed.first(), false);
        futureStored.release();
        future.waitForFinished();
        QVERIFY(future.isCanceled());
        QCOMPARE(future.resultCount(), 0);
        QCOMPARE(fileSystem.listedPaths().size(), 1);
    }

    void dconfFoldersByExactId_data() {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("topmost folder, any case")
            << QStringList{"org.example.Notes"} << QStringList{"/org/example/notes/"};
        QTest::newRow("each id once") << QStringList{"org.example.Notes", "org.example.notes"}
                                      << QStringList{"/org/example/notes/"};
        QTest::newRow("on a label boundary only")
            << QStringList{"org.example.Note"} << QStringList{};
        QTest::newRow("two labels could be anyone's")
            << QStringList{"example.notes", "", "org..notes"} << QStringList{};
    }
    void dconfFoldersByExactId() {
        QFETCH(QStringList, ids);
        QFETCH(QStringList, expected);
        const QStringList folders{"/org/example/notes/window/", "/org/example/notes/",
                                  "/org/example/notes-pro/", "/example/notes/x/",
                                  "/org/gnome/desktop/interface/"};
        QCOMPARE(dconf::foldersNamedBy(folders, ids), expected);
    }

    // The dconf tool is asked through the runner, and only when an id could name a folder.
    void asksDconfOnlyForReverseDnsIds() {
        TableProgramRunner programs;
        programs.answer("dconf", "[org/example/Notes/window]\nx=1\n[org/gnome/desktop]\n",
                        {"dump", "/"});
        const Host host = Host::withDefaults(m_home.path());
        QCOMPARE(
            LinuxLeftoverFinder(app("org.example.Notes", {"notes"}), {}, host, FileSystem::real())
                .dconfFoldersOfApp(programs),
            QStringList{"/org/example/Notes/"});
        QCOMPARE(LinuxLeftoverFinder(app("notes", {"notes"}), {}, host, FileSystem::real())
                     .dconfFoldersOfApp(programs),
                 QStringList{});
        QCOMPARE(programs.calls(), (QList<QStringList>{{"dconf", "dump", "/"}}));
    }
};

QTEST_APPLESS_MAIN(TestLinuxLeftoverFinder)
#include "TestLinuxLeftoverFinder.moc"
