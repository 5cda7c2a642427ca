#include "scanner/AppCatalogue.h"
#include "scanner/BundleIdentifiers.h"
#include "scanner/BundleOrphanFinder.h"
#include "scanner/DebianOrphanFinder.h"
#include "scanner/InstalledBundleClaims.h"
#include "scanner/RemovedAppSearch.h"
#include "scanner/RemovedPackages.h"

#include "TableProgramRunner.h"
#include "TestDir.h"

#include <QTest>

using namespace tidewell;

namespace {

const QString metadata = QStringLiteral("/.com.apple.containermanagerd.metadata.plist");

// "<id> <removed date> <items relative to home> [dconf folders]", one line per app.
QStringList summaries(const QList<RemovedApp>& apps, const QString& home) {
    QStringList lines;
    for (const RemovedApp& app : apps) {
        QStringList items;
        for (const Orphan& item : app.items)
            items.append(item.path.mid(home.size() + 1) + (item.offered ? "?" : ""));
        QStringList fields{app.id(), app.removedAt.date().toString(Qt::ISODate), items.join(u','),
                           app.dconfFolders.join(u',')};
        fields.removeAll(QString());
        lines.append(fields.join(u' '));
    }
    return lines;
}

// A Debian host: dpkg keeps two removed packages' configuration files, apt's history purged
// a third, the catalog still names one's app; the installed ones share names with others.
struct DebianHost {
    TestDir d;
    Host host = Host::withDefaults(d.path("home"), d.path("root"));
    TableProgramRunner programs;

    DebianHost() {
        d.createFile("root/var/lib/dpkg/status", "Package: geany\n");
        d.createFile("root/var/lib/dpkg/info/mousepad.list", "/.\n/etc/xdg/mousepad/x.conf\n");
        d.createFile("root/var/log/apt/history.log",
                     "Start-Date: 2024-06-01  10:22:33\nRemove: mousepad:amd64 (0.5)\n");
        d.createGzipFile("root/var/log/apt/history.log.1.gz",
                         "Start-Date: 2024-05-01  09:00:00\nPurge: zathura:amd64 (0.5)\n");
        d.createGzipFile("root/var/lib/swcatalog/yaml/main.yml.gz",
                         "---\nID: org.gnome.Epiphany\nPackage: epiphany-browser\nProvides:\n"
                         "  binaries:\n  - epiphany\n");
        d.createDesktopEntry("root/usr/share/applications/geany.desktop",
                             {.name = "Geany", .exec = "geany %F"});
        for (const char* folder :
             {".config/Mousepad", ".config/geany", ".config/libreoffice", ".local/share/zathura",
              ".config/epiphany", ".vim", ".config/unrelated"})
            d.createFile(QStringLiteral("home/%1/x").arg(folder), "x");
        programs.answer("dconf", "[org/gnome/epiphany/web]\nx=1\n[org/gnome/geany]\ny=2\n");
    }
    void answerDpkg() {
        programs.answer("dpkg-query", "rc  mousepad\nrc  epiphany-browser\nii  geany\n"
                                      "ii  libreoffice-calc\nrc  libreoffice-writer\n"
                                      "ii  vim-common\nrc  vim\n");
    }
    OrphanReport find() const {
        return DebianOrphanFinder(host,
                                  AppCatalogue::readLinuxApps(host, FileSystem::real()).apps(),
                                  programs, FileSystem::real())
            .find();
    }
};

} // namespace

// The applications that are gone, found by what the host still knows of them, and never one
// that is installed or the system's.
class TestRemovedApps : public QObject {
    Q_OBJECT

private slots:
    // Packages with their configuration files kept, or purged as apt's history says, leave
    // folders named by their names; a name an installed package shares (a front end of the same
    // app, a -common package) is never taken.
    void findsRemovedPackagesNeverInstalledOnes() {
        DebianHost world;
        world.answerDpkg();
        const OrphanReport report = world.find();
        QCOMPARE(summaries(report.apps, world.host.home),
                 QStringList({"deb:epiphany-browser .config/epiphany /org/gnome/epiphany/",
                              "deb:mousepad 2024-06-01 .config/Mousepad",
                              "deb:zathura 2024-05-01 .local/share/zathura"}));
        QCOMPARE(report.problems, QStringList());
    }

    // Records that cannot be read cost what they alone would tell, with a line saying so.
    void readsWhatItCanOfBadRecords_data() {
        QTest::addColumn<bool>("dpkgAnswers");
        QTest::addColumn<QByteArray>("rotatedHistory");
        QTest::addColumn<QStringList>("apps");
        QTest::newRow("dpkg silent: the history alone")
            << false << QByteArray() << QStringList{"deb:mousepad", "deb:zathura"};
        QTest::newRow("rotated history corrupt")
            << true << QByteArray("\x1f\x8b not really")
            << QStringList{"deb:epiphany-browser", "deb:mousepad"};
    }
    void readsWhatItCanOfBadRecords() {
        QFETCH(bool, dpkgAnswers);
        QFETCH(QByteArray, rotatedHistory);
        QFETCH(QStringList, apps);
        DebianHost world;
        if (dpkgAnswers)
            world.answerDpkg();
        if (!rotatedHistory.isEmpty())
            world.d.createFile("root/var/log/apt/history.log.1.gz", rotatedHistory);
        const OrphanReport report = world.find();
        QStringList ids;
        for (const RemovedApp& app : report.apps)
            ids.append(app.id());
        QCOMPARE(ids, apps);
        QCOMPARE(report.problems.size(), 1);
    }

    // Which packages are gone: dpkg's records decide where they answer, the history's last
    // word otherwise; a package installed again is not gone.
    void decidesWhichPackagesAreGone_data() {
        QTest::addColumn<QByteArray>("dpkgAnswer"); // empty: dpkg gave none
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<QStringList>("gone"); // name, purged, date of removal
        const QByteArray removeThenInstall =
            "Start-Date: 2024-01-01  10:00:00\nRemove: aa (1)\n\n"
            "Start-Date: 2024-02-01  10:00:00\nInstall: aa (1)\n\n"
            "Start-Date: 2024-03-01  10:00:00\nRemove: bb (1), cc (1)\n";
        QTest::newRow("records and history")
            << QByteArray("ii  aa\nrc  bb\nii  cc\nrc  dd\n") << removeThenInstall
            << QStringList{"bb 0 2024-03-01", "dd 0 "};
        QTest::newRow("history alone") << QByteArray() << removeThenInstall
                                       << QStringList{"bb 0 2024-03-01", "cc 0 2024-03-01"};
        QTest::newRow("removed, then purged by hand")
            << QByteArray("ii  other\n") << removeThenInstall
            << QStringList{"bb 1 2024-03-01", "cc 1 2024-03-01"};
    }
    void decidesWhichPackagesAreGone() {
        QFETCH(QByteArray, dpkgAnswer);
        QFETCH(QByteArray, history);
        QFETCH(QStringList, gone);
        const auto states = dpkgAnswer.isEmpty()
                                ? std::nullopt
                                : std::optional(debian::parsePackageStates(dpkgAnswer));
        QStringList found;
        for (const RemovedPackage& package :
             removedPackages(states, apt::parseHistory(history).events))
            found.append(QStringLiteral("%1 %2 %3")
                             .arg(package.name)
                             .arg(int(package.purged))
                             .arg(package.removedAt.date().toString(Qt::ISODate)));
        QCOMPARE(found, gone);
    }

    // A package's file list names its app; a toolbox of many programs names none by them.
    void namesAnAppByItsFiles() {
        const PackageNames app = PackageNames::inFiles(
            {"/usr/bin/mousepad", "/usr/share/applications/org.xfce.mousepad.desktop",
             "/usr/share/metainfo/org.xfce.mousepad.appdata.xml",
             "/usr/share/icons/hicolor/48x48/apps/org.xfce.mousepad.png",
             "/usr/share/icons/hicolor/64x64/apps/org.xfce.mousepad.png", "/etc/xdg/mousepad"});
        QCOMPARE(app.all("mousepad"),
                 QStringList({"mousepad", "org.xfce.mousepad", "org.xfce.mousepad", "mousepad",
                              "org.xfce.mousepad"}));
        QCOMPARE(PackageNames::inFiles({"/usr/bin/convert", "/usr/bin/display", "/usr/bin/import",
                                        "/usr/bin/identify"})
                     .programs,
                 QStringList());
    }

    // A removed bundle's container is found by its metadata and its preferences by its
    // identifier; an installed app's helper, the system's own and a group container alone never.
    void findsRemovedBundlesNeverInstalledOrSystemOnes() {
        TestDir d;
        const Host host = Host::withDefaults(d.path("home"), d.path("root"));
        d.createAppBundle("root/Applications/Keep.app",
                          {{"CFBundleIdentifier", "com.keep.Keep"}, {"CFBundleName", "Keep"}});
        d.createPlist("home/Library/Containers/8F2A-51C0" + metadata,
                      {{"MCMMetadataIdentifier", "com.gone.Tidemark"}});
        d.createPlist("home/Library/Containers/com.keep.Keep.Share" + metadata,
                      {{"MCMMetadataIdentifier", "com.keep.Keep.Share"}});
        d.createPlist("home/Library/Group Containers/group.com.lonely.Shared" + metadata,
                      {{"MCMMetadataIdentifier", "group.com.lonely.Shared"}});
        for (const char* file :
             {"Preferences/com.gone.Tidemark.plist", "Preferences/com.apple.dock.plist",
              "Preferences/com.keep.Keep.helper.plist", "Preferences/com.keep.Updater.plist",
              "Preferences/com.keep.Sidekick.plist",
              "Saved Application State/"
              "com.keep.Sidekick.savedState/w",
              "Caches/Tidemark/x", "Caches/Keep/x", "Application Support/Gone/x",
              "Application Support/CrashReporter/x"})
            d.createFile(QStringLiteral("home/Library/") + file, "x");
        const auto installed = [&] {
            QThreadPool pool;
            return AppCatalogue::readBundles(host, FileSystem::real(), pool).apps();
        }();
        QCOMPARE(installed.size(), 1);
        const QList<RemovedApp> apps =
            BundleOrphanFinder(host, installed, FileSystem::real()).find();
        QCOMPARE(
            summaries(apps, host.home),
            QStringList({"bundle:com.gone.Tidemark Library/Application Support/Gone?,"
                         "Library/Caches/Tidemark?,Library/Containers/8F2A-51C0,"
                         "Library/Preferences/com.gone.Tidemark.plist",
                         "bundle:com.keep.Sidekick Library/Preferences/com.keep.Sidekick.plist,"
                         "Library/Saved Application State/com.keep.Sidekick.savedState"}));
        // Without the system's Applications folder the host is no macOS-style one.
        QVERIFY(BundleOrphanFinder(host.withRoot(d.path("home")), installed, FileSystem::real())
                    .find()
                    .isEmpty());
    }

    // The bundle that a removed app's preference file or container records names it, and
    // folders named like that bundle are offered; not when the record is ambiguous, the name an
    // installed app's, or the bundle still there.
    void namesAnAppByTheBundleItRecords_data() {
        const QString preferences = "Preferences/com.gone.ab.plist";
        const QString container = "Containers/4F1A" + metadata;
        const QVariantMap sandbox{
            {"SandboxProfileDataValidationInfo",
             QVariantMap{{"SandboxProfileDataValidationParametersKey",
                          QVariantMap{{"application_bundle", "/Applications/Harbor Lights.app"},
                                      {"_HOME", "/Users/alice"}}}}}};
        QTest::addColumn<QString>("file");
        QTest::addColumn<QVariantMap>("contents");
        QTest::addColumn<QString>("app");
        QTest::newRow("where it last ran")
            << preferences
            << QVariantMap{{"LastRunAppBundlePath", "/Applications/Harbor Lights.app"}}
            << "Harbor Lights: Application Support/Harbor Lights?,Preferences/com.gone.ab.plist";
        QTest::newRow("a container's metadata")
            << container << QVariantMap{{"MCMMetadataIdentifier", "com.gone.ab"}, {"Info", sandbox}}
            << "Harbor Lights: Application Support/Harbor Lights?,Containers/4F1A";
        QTest::newRow("two bundles")
            << preferences
            << QVariantMap{{"LastRunAppBundlePath", "/Applications/Harbor Lights.app"},
                           {"Helper", "/Applications/Other.app"}}
            << "com.gone.ab: Preferences/com.gone.ab.plist";
        QTest::newRow("a list of apps")
            << preferences
            << QVariantMap{{"Recent", QVariantList{"/Applications/Harbor Lights.app"}}}
            << "com.gone.ab: Preferences/com.gone.ab.plist";
        QTest::newRow("an installed app's name")
            << preferences << QVariantMap{{"LastRunAppBundlePath", "/Volumes/Old/Keep.app"}}
            << "Keep: Preferences/com.gone.ab.plist";
        QTest::newRow("one of two still there")
            << preferences
            << QVariantMap{{"LastRunAppBundlePath", "/Applications/Harbor Lights.app"},
                           {"Helper", "/Applications/Keep.app"}}
            << "";
        QTest::newRow("the app still there")
            << preferences << QVariantMap{{"LastRunAppBundlePath", "/Applications/Keep.app"}} << "";
    }
    void namesAnAppByTheBundleItRecords() {
        QFETCH(QString, file);
        QFETCH(QVariantMap, contents);
        QFETCH(QString, app);
        TestDir d;
        const Host host = Host::withDefaults(d.path("home"), d.path("root"));
        d.createAppBundle("root/Applications/Keep.app",
                          {{"CFBundleIdentifier", "com.keep.Keep"}, {"CFBundleName", "Keep"}});
        d.createPlist("home/Library/" + file, contents);
        for (const char* folder : {"Application Support/Harbor Lights", "Caches/Keep"})
            d.createFile(QStringLiteral("home/Library/%1/x").arg(folder), "x");
        QThreadPool pool;
        const QList<RemovedApp> apps =
            BundleOrphanFinder(host,
                               AppCatalogue::readBundles(host, FileSystem::real(), pool).apps(),
                               FileSystem::real())
                .find();
        QStringList found;
        for (const RemovedApp& removed : apps) {
            QStringList items;
            for (const Orphan& item : removed.items)
                items.append(item.path.mid(d.path("home/Library/").size()) +
                             (item.offered ? "?" : ""));
            found.append(removed.name + ": " + items.join(u','));
        }
        QCOMPARE(found.join(u'\n'), app);
    }

    void claimsOfTheInstalledApps_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<bool>("claimed");
        QTest::newRow("the system's") << "com.apple.Safari" << true;
        QTest::newRow("apple's group") << "group.com.apple.notes" << true;
        QTest::newRow("an installed app") << "COM.KEEP.KEEP" << true;
        QTest::newRow("its helper") << "com.keep.Keep.helper.renderer" << true;
        QTest::newRow("named after an installed app") << "com.old.keepsake" << false;
        QTest::newRow("a word of an installed app's name") << "net.other.studio" << false;
        QTest::newRow("its older name") << "com.oldvendor.harborlight2" << true;
        QTest::newRow("product of its vendor") << "com.steel.gg.client" << true;
        QTest::newRow("another product of its vendor") << "com.steel.arena" << false;
        QTest::newRow("someone else's") << "org.tidemark.Tidemark" << false;
    }
    void claimsOfTheInstalledApps() {
        QFETCH(QString, identifier);
        QFETCH(bool, claimed);
        AppDescriptor keep;
        keep.displayName = "Keep";
        keep.normalizedIdentifier = "com.keep.keep";
        keep.compactName = "keep";
        AppDescriptor harbor = keep;
        harbor.displayName = "Harborlight";
        harbor.normalizedIdentifier = "io.harborlight.app";
        harbor.compactName = "harborlight";
        AppDescriptor steel = keep;
        steel.displayName = "Steel GG";
        steel.normalizedIdentifier = "com.steel.steel-gg";
        steel.compactName = "steelgg";
        QCOMPARE(InstalledBundleClaims({keep, harbor, steel}).claimsIdentifier(identifier),
                 claimed);
    }

    void identifiersInNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("preferences") << "com.gone.Tidemark.plist"
                                     << "com.gone.Tidemark";
        QTest::newRow("team prefix") << "UBF8T346G9.com.gone.app"
                                     << "com.gone.app";
        QTest::newRow("group") << "group.net.gone.Tool.shared"
                               << "net.gone.Tool.shared";
        QTest::newRow("two labels") << "org.krita.savedState"
                                    << "org.krita";
        QTest::newRow("a log file") << "kodi.old.log"
                                    << "";
        QTest::newRow("a plain name") << "Tidemark"
                                      << "";
        QTest::newRow("too short") << "io.x"
                                   << "";
    }
    void identifiersInNames() {
        QFETCH(QString, name);
        QFETCH(QString, identifier);
        QCOMPARE(bundleids::identifierInName(name), identifier);
    }

    // One app per removed package, Flatpak and program: the user's launcher of a removed
    // package goes with the package, not once more as a launcher whose program is gone.
    void groupsEveryItemUnderOneApp() {
        DebianHost world;
        world.answerDpkg();
        world.d.createDesktopEntry("home/.local/share/applications/mousepad.desktop",
                                   {.name = "Mousepad", .exec = "/usr/bin/mousepad %F"});
        world.d.createFile("home/.var/app/org.b.Gone/config/x", "x");
        world.d.createFile("home/.config/org.b.Gone/x", "x");
        QThreadPool pool;
        const OrphanReport report =
            findRemovedApps(world.host, world.programs, FileSystem::real(), pool);
        QCOMPARE(summaries(report.apps, world.host.home),
                 QStringList({"deb:epiphany-browser .config/epiphany /org/gnome/epiphany/",
                              "deb:mousepad 2024-06-01 .config/Mousepad,"
                              ".local/share/applications/mousepad.desktop",
                              "flatpak:org.b.Gone .config/org.b.Gone,.var/app/org.b.Gone",
                              "deb:zathura 2024-05-01 .local/share/zathura"}));
        for (const RemovedApp& app : report.apps)
            QVERIFY(std::all_of(app.items.cbegin(), app.items.cend(),
                                [](const Orphan& item) { return item.sizeInBytes > 0; }));
    }
};

QTEST_GUILESS_MAIN(TestRemovedApps)
#include "TestRemovedApps.moc"
