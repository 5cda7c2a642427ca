#include "scanner/OrphanFinder.h"

#include "HostVariables.h"
#include "TestDir.h"

#include <QTest>

using namespace tidewell;

namespace {

DesktopEntryFields launcherOf(const QString& exec) {
    return {.name = "X", .exec = exec};
}

} // namespace

// Leftovers of removed applications on a home with installed look-alikes of each kind.
class TestOrphanFinder : public QObject {
    Q_OBJECT

private slots:
    void findsExactlyWhatRemovedAppsLeft() {
        TestDir d;
        const QString home = d.path("home");
        // Installed Flatpaks: one in the system installation, one in the user's, one known only
        // by its exported entry; and one installed snap.
        d.createFlatpakInstallation("root", "org.a.System", {.name = "S"});
        d.createFlatpakInstallation({}, "org.a.User", {.name = "U"}, TestDir::FlatpakScope::user);
        d.createSnap("root", "present", {.name = "P"});
        for (const char* id : {"org.a.System", "org.a.User", "org.a.Exported", "org.b.Gone"})
            d.createFile(QString("home/.var/app/%1/data/x").arg(id), "x");
        for (const char* id : {"org.a.System", "org.b.Gone", "global"})
            d.createFile(QString("home/.local/share/flatpak/overrides/%1").arg(id), "x");
        for (const char* folder : {".config/org.b.Gone/x", ".cache/org.b.Gone/x",
                                   ".config/org.b.GoneToo/x", ".config/org.a.System/x"})
            d.createFile("home/" + QString(folder), "x");
        d.createFile("home/snap/present/x", "x");
        d.createFile("home/snap/gone/x", "x");
        const QString program = d.createFile("home/Apps/tool", "x");
        // The host's program path holds "sh"; this process's PATH plays no part.
        QFile::setPermissions(d.createFile("bin/sh", "x"), QFile::ReadOwner | QFile::ExeOwner);
        QFile::setPermissions(d.createFile("home/.local/bin/mine", "x"),
                              QFile::ReadOwner | QFile::ExeOwner);
        const QMap<QString, DesktopEntryFields> entries{
            {"present.desktop", launcherOf(program + " %U")},
            {"path.desktop", launcherOf("sh -c true")},
            {"local.desktop", launcherOf("mine")},
            {"elsewhere.desktop", launcherOf("cat")},
            {"relative.desktop", launcherOf("./run")},
            {"hidden.desktop", {.name = "X", .exec = "/no/such/hidden", .hidden = true}},
            {"missing.desktop", launcherOf("env LANG=C /no/such/tool --x")},
            {"unknown.desktop", launcherOf("tidewell-no-such-program-4711")},
            {"flatpak.desktop", launcherOf("flatpak run --branch=stable org.b.Gone")},
            {"snap.desktop", {.name = "X", .exec = "gone", .snapInstanceName = "gone"}},
            {"appimagekit_00ff-Live.desktop", launcherOf(program)},
            {"appimagekit_a1b2-Gone.desktop", launcherOf("/no/such/Gone.AppImage")},
        };
        for (auto item = entries.begin(); item != entries.end(); ++item)
            d.createDesktopEntry("home/.local/share/applications/" + item.key(), item.value());
        d.createDesktopEntry("home/.config/autostart/late.desktop", launcherOf("/no/such/late"));
        for (const char* icon : {"appimagekit_00ff_live.png", "appimagekit_a1b2_gone.png",
                                 "appimagekit_c3d4_lost.svg", "tool.png"})
            d.createFile(QString("home/.local/share/icons/hicolor/48x48/apps/") + icon, "x");

        d.createDesktopEntry("root/var/lib/flatpak/exports/share/applications/x.desktop",
                             {.name = "E", .exec = "e", .flatpak = "org.a.Exported"});
        // No XDG_DATA_DIRS: the session names none of Flatpak's or snapd's folders.
        const Host host =
            Host::resolve(home, d.path("root"), hostVariables({{"PATH", d.path("bin")}}));
        const OrphanFinder finder(host, AppCatalogue::readLinuxApps(host, FileSystem::real()),
                                  FileSystem::real());
        QStringList found;
        for (const Orphan& orphan : finder.find())
            found.append(orphan.path.mid(home.size() + 1) + " " +
                         QString::number(int(orphan.cause)) + " " + orphan.subject);
        const QString icons = ".local/share/icons/hicolor/48x48/apps/";
        QCOMPARE(found, QStringList({".cache/org.b.Gone 0 org.b.Gone",
                                     ".config/autostart/late.desktop 3 /no/such/late",
                                     ".config/org.b.Gone 0 org.b.Gone",
                                     ".local/share/applications/appimagekit_a1b2-Gone.desktop 2 "
                                     "/no/such/Gone.AppImage",
                                     ".local/share/applications/elsewhere.desktop 3 cat",
                                     ".local/share/applications/flatpak.desktop 0 org.b.Gone",
                                     ".local/share/applications/missing.desktop 3 /no/such/tool",
                                     ".local/share/applications/snap.desktop 1 gone",
                                     ".local/share/applications/unknown.desktop 3 "
                                     "tidewell-no-such-program-4711",
                                     ".local/share/flatpak/overrides/org.b.Gone 0 org.b.Gone",
                                     icons + "appimagekit_a1b2_gone.png 2 /no/such/Gone.AppImage",
                                     icons + "appimagekit_c3d4_lost.svg 2 appimagekit_c3d4",
                                     ".var/app/org.b.Gone 0 org.b.Gone", "snap/gone 1 gone"}));
    }
};

QTEST_GUILESS_MAIN(TestOrphanFinder)
#include "TestOrphanFinder.moc"
