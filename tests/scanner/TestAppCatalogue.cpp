#include "scanner/AppCatalogue.h"

#include "HostVariables.h"
#include "TestDir.h"

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
};

QTEST_GUILESS_MAIN(TestAppCatalogue)
#include "TestAppCatalogue.moc"
