#include "scanner/AppCatalogue.h"

#include "HostVariables.h"
#include "TableProgramRunner.h"
#include "TestDir.h"
#include "scanner/PackagedAppSize.h"

#include <QTest>

using namespace tidewell;

// The installed apps of a host as every part of Tidewell sees them.
class TestAppCatalogue : public QObject {
    Q_OBJECT

    static QStringList listed(const AppCatalogue& catalogue) {
        QStringList apps;
        for (const AppDescriptor& app : catalogue.apps())
            apps.append(app.linuxFacts.desktopFileId + ' ' + app.appURL.toLocalFile());
        apps.sort();
        return apps;
    }

    TestDir m_dir;

private slots:
    // The user's entries shadow the system's; a data folder named with a trailing slash gives
    // clean paths; under a root, the system's folders are the root's.
    void listsUserAndSystemEntriesButNoHiddenOnes() {
        const DesktopEntryFields app{.name = "A", .exec = "a"};
        m_dir.createDesktopEntry("system/applications/org.kde.kate.desktop", app);
        m_dir.createDesktopEntry("system/applications/gone.desktop",
                                 {.name = "A", .exec = "a", .hidden = true});
        m_dir.createDesktopEntry("system/applications/mine.desktop", app);
        m_dir.createDesktopEntry("system/applications/kde4/okular.desktop", app);
        m_dir.createDesktopEntry("home/.local/share/applications/mine.desktop", app);
        m_dir.createDesktopEntry("root/usr/share/applications/rooted.desktop", app);
        const QString home = m_dir.path("home");
        const QString system = m_dir.path("system/");
        const Host host = Host::resolve(home, {}, hostVariables({{"XDG_DATA_DIRS", system}}));
        QCOMPARE(listed(AppCatalogue::readLinuxApps(host, FileSystem::real())),
                 (QStringList{"kde4-okular " + system + "applications/kde4/okular.desktop",
                              "mine " + home + "/.local/share/applications/mine.desktop",
                              "org.kde.kate " + system + "applications/org.kde.kate.desktop"}));
        QCOMPARE(
            listed(AppCatalogue::readLinuxApps(Host::withDefaults(home, m_dir.path("root")),
                                               FileSystem::real())),
            (QStringList{"mine " + home + "/.local/share/applications/mine.desktop",
                         "rooted " + m_dir.path("root/usr/share/applications/rooted.desktop")}));
    }

    // Without XDG_DATA_DIRS the installations still count; a launcher whose program is gone,
    // and a malformed entry, are no installed apps, but looking the latter up says why.
    void knowsEveryKindWhateverTheSessionSays() {
        TestDir d;
        d.createFlatpakInstallation("root", "org.a.Exported", {.name = "Exported"});
        d.createFlatpakInstallation({}, "org.a.User", {.name = "User"},
                                    TestDir::FlatpakScope::user);
        d.createSnap("root", "present", {.name = "Present"});
        d.createDirectory("root/var/lib/flatpak/app/org.a.Unexported");
        const QString applications = "home/.local/share/applications/";
        d.createDesktopEntry(applications + "gone.desktop",
                             {.name = "Gone", .exec = d.path("home/Apps/Gone.AppImage")});
        d.createDesktopEntry(applications + "bad.desktop",
                             {.name = "Bad", .exec = "bad", .flatpak = "../../thesis"});
        d.createDesktopEntry(applications + "mine.desktop",
                             {.name = "Mine", .exec = "mine", .snapInstanceName = "mine"});
        d.createFile("root/usr/share/metainfo/ed.metainfo.xml",
                     "<component><id>org.example.Ed</id><launchable type=\"desktop-id\">"
                     "ed.desktop</launchable></component>");
        d.createDesktopEntry("root/usr/share/applications/ed.desktop",
                             {.name = "Ed", .exec = "ed"});
        const Host host = Host::withDefaults(d.path("home"), d.path("root"));
        const AppCatalogue catalogue = AppCatalogue::readLinuxApps(host, FileSystem::real());

        QStringList names;
        for (const AppDescriptor& app : catalogue.apps())
            names.append(app.displayName + ' ' + kindName(app.kind));
        QCOMPARE(names, (QStringList{"Ed desktop", "Exported flatpak", "Mine snap", "Present snap",
                                     "User flatpak"}));
        for (const char* id : {"org.a.Exported", "org.a.User", "org.a.Unexported"})
            QVERIFY2(catalogue.hasFlatpak(id), id);
        QVERIFY(catalogue.hasSnap("present"));
        // A snap named only by the user's own launcher is not installed.
        QVERIFY(!catalogue.hasSnap("mine"));

        const auto idOf = [&catalogue](const QString& id) {
            const auto found = catalogue.find(id);
            if (!found)
                return QStringLiteral("none");
            if (const auto* app = std::get_if<AppDescriptor>(&*found))
                return app->identifier + ' ' + app->linuxFacts.appStreamId;
            return errorDescription(std::get<AppDescriptorError>(*found));
        };
        QCOMPARE(idOf("ed.desktop"), "ed org.example.Ed");
        QCOMPARE(idOf("ed"), "ed org.example.Ed");
        QCOMPARE(idOf("org.a.User"), "org.a.User ");
        QCOMPARE(idOf("bad"), errorDescription(AppDescriptorError::invalidFlatpakId));
        QCOMPARE(idOf("gone"), "none");
        QCOMPARE(idOf(".desktop"), "none");
    }

    void packagedAppsTellTheirInstalledSize_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<qint64>("least"); // -1: no size
        QTest::addColumn<qint64>("most");
        QTest::newRow("system Flatpak") << "org.a.System" << 40000LL << 60000LL;
        QTest::newRow("user Flatpak") << "org.a.User" << 20000LL << 32000LL;
        QTest::newRow("snap") << "present" << 12345LL << 20000LL;
        QTest::newRow("snap without its image") << "imageless" << -1LL << -1LL;
        QTest::newRow("Debian package") << "lumen" << 2048LL * 1024 << 2048LL * 1024;
        QTest::newRow("package dpkg does not know") << "stray" << -1LL << -1LL;
        QTest::newRow("the user's own program") << "mine" << -1LL << -1LL;
    }

    // What the package manager keeps of each: the deployed Flatpak of its installation, the
    // snap's image of its current revision, dpkg's Installed-Size in KiB.
    void packagedAppsTellTheirInstalledSize() {
        QFETCH(QString, id);
        QFETCH(qint64, least);
        QFETCH(qint64, most);
        TestDir d;
        d.createFlatpakInstallation("root", "org.a.System", {.name = "System"});
        d.createFileOfSize("root/var/lib/flatpak/app/org.a.System/current/active/files/a", 40000);
        d.createFlatpakInstallation({}, "org.a.User", {.name = "User"},
                                    TestDir::FlatpakScope::user);
        d.createFileOfSize("home/.local/share/flatpak/app/org.a.User/current/active/files/b",
                           20000);
        d.createSnap("root", "present", {.name = "Present"});
        d.createFileOfSize("root/var/lib/snapd/snaps/present_1.snap", 12345);
        d.createFileOfSize("root/var/lib/snapd/snaps/present_0.snap", 90000); // an older one
        d.createSnap("root", "imageless", {.name = "Imageless"});
        for (const char* name : {"lumen", "stray"})
            d.createDesktopEntry(QString("root/usr/share/applications/%1.desktop").arg(name),
                                 {.name = name, .exec = name});
        d.createFile("home/Apps/Mine/mine");
        d.createDesktopEntry("home/.local/share/applications/mine.desktop",
                             {.name = "Mine", .exec = d.path("home/Apps/Mine/mine")});
        TableProgramRunner programs;
        programs.answer("dpkg-query", "lumen-data, lumen: /usr/share/applications/lumen.desktop\n",
                        {"-S"}, 1);
        programs.answer("dpkg-query", "2048\n", {"-W", "lumen-data"});
        const Host host = Host::withDefaults(d.path("home"), d.path("root"));
        const auto found = AppCatalogue::readLinuxApps(host, FileSystem::real()).find(id);
        QVERIFY(found && std::holds_alternative<AppDescriptor>(*found));

        const std::optional<qint64> size =
            packagedAppSize(std::get<AppDescriptor>(*found), host, programs, FileSystem::real());

        QCOMPARE(size.has_value(), least >= 0);
        QVERIFY2(!size || (*size >= least && *size <= most), qPrintable(QString::number(*size)));
    }
};

QTEST_GUILESS_MAIN(TestAppCatalogue)
#include "TestAppCatalogue.moc"
