#include "CliHome.h"
#include "CliRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// Every app of the sample Linux home scanned: its own leftovers, none of the look-alikes.
class TestSampleLinuxHome : public QObject {
    Q_OBJECT

    CliHome m_dir;

    QStringList scannedLeftovers(const QString& app) const {
        const CliRun run = CliRun::of({"scan", app, "--json", "--no-index"});
        if (run.exitCode != 0)
            return {QStringLiteral("exit code %1").arg(run.exitCode)};
        QStringList found;
        for (const QJsonValue& item : QJsonDocument::fromJson(run.out)["matches"].toArray())
            found.append(item["path"].toString().mid(m_dir.path("home").size() + 1));
        found.sort();
        return found;
    }

private slots:
    void initTestCase() {
        QCOMPARE(QProcess::execute(QStringLiteral(TIDEWELL_LINUX_SAMPLE_SCRIPT), {m_dir.path()}),
                 0);
    }

    void scansFindOwnLeftoversOnly_data() {
        QTest::addColumn<QString>("app");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("flatpak") << "com.harborlight.Tidepool"
                                 << QStringList{".config/Tidepool",
                                                ".local/share/flatpak/overrides/"
                                                "com.harborlight.Tidepool",
                                                ".var/app/com.harborlight.Tidepool"};
        QTest::newRow("kde app of a system package")
            << "org.kde.lumenedit"
            << QStringList{".config/lumeneditrc", ".local/share/lumenedit",
                           ".local/state/lumeneditstaterc"};
        QTest::newRow("electron app of the user")
            << "driftnote"
            << QStringList{".cache/driftnote",
                           ".config/Driftnote",

                           ".config/autostart/driftnote.desktop",
                           ".local/share/applications/driftnote.desktop",
                           ".local/share/icons/hicolor/128x128/apps/driftnote.png",
                           "Applications/Driftnote"};
        QTest::newRow("look-alike vendor")
            << "com.driftwood.Lumen" << QStringList{".config/lumenrc"};
    }
    void scansFindOwnLeftoversOnly() {
        QFETCH(QString, app);
        QFETCH(QStringList, expected);
        QCOMPARE(scannedLeftovers(app), expected);
    }

    void dconfSettingsAreListedNotRemoved() {
        if (!QFile::exists(m_dir.path("home/.config/dconf/user")))
            QSKIP("dconf is missing: the sample home has no dconf database");
        const CliRun run = CliRun::of({"scan", "com.harborlight.Tidepool", "--json", "--no-index"});
        QCOMPARE(QJsonDocument::fromJson(run.out)["keptDconfFolders"].toArray(),
                 QJsonArray({"/com/harborlight/Tidepool/"}));
    }

    void appImageGoesWithItsIntegrationAndLink() {
        const QString appImage = m_dir.path("home/Applications/Sandpiper-3.0-x86_64.AppImage");
        if (!QFile::exists(appImage))
            QSKIP("mksquashfs is missing: the sample home has no AppImage");
        const QStringList found = scannedLeftovers(appImage);
        QCOMPARE(found.size(), 4);
        QCOMPARE(found.at(0), QStringLiteral(".config/Sandpiper"));
        QCOMPARE(found.at(1), QStringLiteral(".local/bin/sandpiper"));
        QVERIFY(found.at(2).startsWith(".local/share/applications/appimagekit_"));
        QVERIFY(found.at(3).startsWith(".local/share/icons/hicolor/64x64/apps/appimagekit_"));
    }

    void orphansAreExactlyWhatRemovedAppsLeft() {
        const CliRun run = CliRun::of({"orphans", "--json"});
        QCOMPARE(run.exitCode, 0);
        QStringList found;
        for (const QJsonValue& item : QJsonDocument::fromJson(run.out)["orphans"].toArray()) {
            QVERIFY(item["sizeInBytes"].toInteger() > 0 && !item["reason"].toString().isEmpty());
            found.append(item["path"].toString().mid(m_dir.path("home").size() + 1));
        }
        QCOMPARE(found,
                 QStringList(
                     {".config/autostart/oldsync.desktop", ".config/com.harborlight.Seafoam",
                      ".local/share/applications/"
                      "appimagekit_5f2c0e9a-Gullwing.desktop",
                      ".local/share/flatpak/overrides/com.harborlight.Seafoam",
                      ".local/share/icons/hicolor/256x256/apps/"
                      "appimagekit_5f2c0e9a_gullwing.png",
                      ".var/app/com.harborlight.Seafoam", ".var/app/com.harborlight.TidepoolPro"}));
    }
};

QTEST_GUILESS_MAIN(TestSampleLinuxHome)
#include "TestSampleLinuxHome.moc"
