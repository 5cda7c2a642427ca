#include "CliRun.h"
#include "TestDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestListCommand : public QObject {
    Q_OBJECT

    TestDir m_dir;

private slots:
    void initTestCase() {
        // The child process finds desktop entries in the test's folders only.
        qputenv("HOME", m_dir.path("home").toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.path("home/.local/share").toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_DIRS", (m_dir.path("system") + ':' + m_dir.path("flatpak/exports/share") +
                                  ':' + m_dir.path("snapd/desktop"))
                                     .toUtf8());
        m_dir.createFile("flatpak/exports/share/applications/org.gimp.GIMP.desktop",
                         "[Desktop Entry]\nType=Application\nName=GIMP\n"
                         "Exec=flatpak run org.gimp.GIMP\nX-Flatpak=org.gimp.GIMP\n");
        m_dir.createFile("snapd/desktop/applications/firefox_firefox.desktop",
                         "[Desktop Entry]\nType=Application\nName=Firefox\n"
                         "Exec=/snap/bin/firefox\nX-SnapInstanceName=firefox\n");
        // The launcher of a deleted AppImage is no installed app.
        m_dir.createFile("home/.local/share/applications/appimagekit_ab-Gone.desktop",
                         "[Desktop Entry]\nType=Application\nName=Gone\nExec=" +
                             m_dir.path("home/Applications/Gone.AppImage").toUtf8() + "\n");
        m_dir.createFile("home/.local/share/applications/kate.desktop",
                         "[Desktop Entry]\nType=Application\nName=Kate\nExec=kate\n");
        // Data named by the apps' ids; the look-alike is nobody's.
        m_dir.createFileOfSize("home/.var/app/org.gimp.GIMP/config/gimprc", 20000);
        m_dir.createFileOfSize("home/.config/katerc", 9000);
        m_dir.createFileOfSize("home/.config/kate-notes/big", 900000);
        m_dir.createFile("system/applications/readme.desktop",
                         "[Desktop Entry]\nType=Link\nName=Readme\nURL=file:///x\n");
    }

    void listsEachKindWithItsId() {
        const CliRun run = CliRun::of({"list", "--json"});
        QCOMPARE(run.exitCode, 0);
        QStringList rows;
        for (const QJsonValue& app : QJsonDocument::fromJson(run.out)["apps"].toArray())
            rows.append(app["kind"].toString() + ' ' + app["id"].toString() + ' ' +
                        app["name"].toString() + ' ' +
                        QString::number(app["dataSizeInBytes"].toInteger() / 10000));
        QCOMPARE(rows, (QStringList{"snap firefox Firefox 0", "flatpak org.gimp.GIMP GIMP 2",
                                    "desktop kate Kate 1"}));
    }

    void rejectsArguments() {
        const CliRun run = CliRun::of({"list", "extra"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("expected no arguments"));
    }
};

QTEST_GUILESS_MAIN(TestListCommand)
#include "TestListCommand.moc"
