#include "CliHome.h"
#include "CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTest>

namespace {

// As a Debian host with Flatpak and snapd names them, trailing slashes included.
const QByteArray desktopDataFolders =
    "/usr/share/:/var/lib/flatpak/exports/share/:/var/lib/snapd/desktop";

QStringList texts(const QJsonValue& array, const char* key) {
    QStringList found;
    for (const QJsonValue& item : array.toArray())
        found.append(item[key].toString());
    return found;
}

} // namespace

// The installed applications of a fake host given with --root: its system, Flatpak and snapd
// folders as the system's data folders name them, its Flatpak installation; the home stays the
// user's.
class TestListCommand : public QObject {
    Q_OBJECT

    CliHome m_dir;
    const QString m_root = m_dir.path("root");
    const QString m_home = m_dir.home();

private slots:
    void initTestCase() {
        qputenv("XDG_DATA_DIRS", desktopDataFolders);
        m_dir.createFlatpakInstallation("root", "org.example.Tidepool", {.name = "Tidepool"});
        m_dir.createSnap("root", "driftnote", {.name = "Driftnote"});
        m_dir.createDesktopEntry(
            "root/usr/share/applications/readme.desktop",
            {.name = "Readme", .type = "Link", .extraLines = "URL=file:///x\n"});
        // The launcher of a deleted AppImage is no installed app.
        m_dir.createDesktopEntry(
            "home/.local/share/applications/appimagekit_ab-Gone.desktop",
            {.name = "Gone", .exec = m_dir.path("home/Applications/Gone.AppImage")});
        m_dir.createDesktopEntry("home/.local/share/applications/kate.desktop",
                                 {.name = "Kate", .exec = "kate"});
        // Data named by the apps' ids; the look-alike is nobody's.
        m_dir.createFileOfSize("home/.var/app/org.example.Tidepool/config/settings", 20000);
        m_dir.createFile("home/.var/app/org.example.Gone/config/settings", "x");
        m_dir.createFileOfSize("home/.config/katerc", 9000);
        m_dir.createFileOfSize("home/.config/kate-notes/big", 900000);
    }

    // With the data folders of Flatpak's and snapd's profile scripts, and without them (a
    // shell, cron or ssh session): the installed apps are the same.
    void listsEachKindWithItsId_data() {
        QTest::addColumn<QByteArray>("dataFolders");
        QTest::newRow("as the desktop names them") << desktopDataFolders;
        QTest::newRow("unset") << QByteArray();
    }
    void listsEachKindWithItsId() {
        QFETCH(QByteArray, dataFolders);
        dataFolders.isEmpty() ? qunsetenv("XDG_DATA_DIRS") : qputenv("XDG_DATA_DIRS", dataFolders);
        const auto restore = qScopeGuard([] { qputenv("XDG_DATA_DIRS", desktopDataFolders); });
        const CliRun run = CliRun::of({"list", "--json", "--root", m_root});
        QCOMPARE(run.exitCode, 0);
        QStringList rows;
        const QJsonValue apps = QJsonDocument::fromJson(run.out)["apps"];
        for (const QJsonValue& app : apps.toArray())
            rows.append(app["kind"].toString() + ' ' + app["id"].toString() + ' ' +
                        app["name"].toString() + ' ' +
                        QString::number(app["dataSizeInBytes"].toInteger() / 10000));
        QCOMPARE(rows, (QStringList{"snap driftnote Driftnote 0", "desktop kate Kate 1",
                                    "flatpak org.example.Tidepool Tidepool 2"}));
        QCOMPARE(texts(apps, "desktopEntry").filter(m_root + "/var/lib/").size(), 2);
        QVERIFY(!run.out.contains("//"));
    }

    // A scan finds the app by its id among the root's entries only, and orphans count what the
    // root's Flatpak installation holds as installed.
    void scanAndOrphansTakeTheRootsFolders() {
        const CliRun scan =
            CliRun::of({"scan", "org.example.Tidepool", "--json", "--no-index", "--root", m_root});
        QCOMPARE(scan.exitCode, 0);
        const QJsonDocument report = QJsonDocument::fromJson(scan.out);
        QCOMPARE(report["app"]["appPath"].toString(),
                 m_root +
                     "/var/lib/flatpak/exports/share/applications/org.example.Tidepool.desktop");
        QCOMPARE(texts(report["matches"], "path"),
                 QStringList{m_home + "/.var/app/org.example.Tidepool"});
        QCOMPARE(CliRun::of({"scan", "org.example.Tidepool", "--no-index"}).exitCode, 3);

        const auto sandboxOrphans = [this](const QStringList& options) {
            const CliRun run = CliRun::of(QStringList{"orphans", "--json"} + options);
            return texts(QJsonDocument::fromJson(run.out)["orphans"], "path")
                .filter(m_home + "/.var/app/");
        };
        QCOMPARE(sandboxOrphans({"--root", m_root}),
                 QStringList{m_home + "/.var/app/org.example.Gone"});
        QCOMPARE(sandboxOrphans({}), (QStringList{m_home + "/.var/app/org.example.Gone",
                                                  m_home + "/.var/app/org.example.Tidepool"}));
    }
};

QTEST_GUILESS_MAIN(TestListCommand)
#include "TestListCommand.moc"
