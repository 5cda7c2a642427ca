#include "HostVariables.h"
#include "TestDir.h"
#include "platform/AppStreamMetadata.h"
#include "platform/DesktopEntry.h"
#include "platform/SmallFileReading.h"

#include <QTest>

using namespace tidewell;

class TestDesktopEntry : public QObject {
    Q_OBJECT

    TestDir m_dir;

private slots:
    void initTestCase() {
        // GLib reads the locale on its first use in the process.
        qputenv("LANGUAGE", "de");
        qputenv("LC_ALL", "de_DE.UTF-8");
    }

    void readsIdentityKeys() {
        const QString path = m_dir.createDesktopEntry(
            "flatpak/org.gimp.GIMP.desktop",
            {.name = "GIMP",
             .exec = "/usr/bin/flatpak run --command=gimp org.gimp.GIMP \"%U\" \"with space\"",
             .icon = "org.gimp.GIMP",
             .startupWMClass = "gimp",
             .flatpak = "org.gimp.GIMP",
             .extraLines = "Name[de]=GIMP-Bildbearbeitung\n"});
        const auto entry = readDesktopEntry(path);
        QVERIFY(entry);
        QCOMPARE(entry->desktopFileId, QStringLiteral("org.gimp.GIMP"));
        QCOMPARE(entry->flatpakId, QStringLiteral("org.gimp.GIMP"));
        QCOMPARE(entry->startupWMClass, QStringLiteral("gimp"));
        QCOMPARE(entry->execArguments.last(), QStringLiteral("with space"));
        QCOMPARE(entry->execArguments.size(), 6);
        QCOMPARE(entry->name, QStringLiteral("GIMP-Bildbearbeitung"));
    }

    void rejectsWhatIsNoApplication_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("link") << DesktopEntryFields{.name = "x",
                                                    .type = "Link",
                                                    .extraLines = "URL=http://x\n"}
                                     .text();
        QTest::newRow("no group") << QByteArray("[Other]\nType=Application\n");
        QTest::newRow("not a key file") << QByteArray("\x01\x02 binary = [");
    }
    void rejectsWhatIsNoApplication() {
        QFETCH(QByteArray, contents);
        QVERIFY(!readDesktopEntry(m_dir.createFile("reject/x.desktop", contents)));
        QVERIFY(!readDesktopEntry(m_dir.path("missing.desktop")));
    }

    // GLib keeps the last of a repeated key: the entry says when there was another value.
    void reportsRepeatedKeysAndGroups_data() {
        QTest::addColumn<QByteArray>("rest");
        QTest::addColumn<bool>("repeats");
        QTest::newRow("each key once") << QByteArray("X-Flatpak=org.example.App\n") << false;
        QTest::newRow("key with another value")
            << QByteArray("X-Flatpak=org.example.App\nX-Flatpak=../../thesis\n") << true;
        QTest::newRow("key with the same value")
            << QByteArray("X-Flatpak=org.example.App\n X-Flatpak = org.example.App\r\n") << false;
        QTest::newRow("blanks around the equals sign")
            << QByteArray("X-Flatpak=a\n\tX-Flatpak\t= b\n") << true;
        QTest::newRow("localized key") << QByteArray("Name[de]=Ed\nName[de]=Ed2\n") << true;
        QTest::newRow("keys differing in case") << QByteArray("name=Other\n") << false;
        QTest::newRow("group given twice")
            << QByteArray("[Desktop Entry]\nX-Flatpak=org.example.App\n") << true;
        QTest::newRow("group behind a NUL byte")
            << QByteArray("[Desktop Entry]") + '\0' + "junk\nX-Flatpak=b\n"
            << true;
        QTest::newRow("same key in another group")
            << QByteArray("[Desktop Action new]\nName=New\nExec=ed --new\n") << false;
        QTest::newRow("commented out") << QByteArray("#Exec=other\n# Name=Other\n") << false;
    }
    void reportsRepeatedKeysAndGroups() {
        QFETCH(QByteArray, rest);
        QFETCH(bool, repeats);
        const auto entry = parseDesktopEntry(
            DesktopEntryFields{.name = "Ed", .exec = "ed", .extraLines = rest}.text(),
            "ed.desktop");
        QVERIFY(entry);
        QCOMPARE(entry->repeatsKeys, repeats);
    }

    void refusesEntriesPastTheSizeLimit() {
        const QByteArray entry =
            DesktopEntryFields{.name = "Ed", .exec = "ed", .extraLines = "#"}.text();
        const QByteArray padding(maximumSettingsFileSize - entry.size(), 'x');
        QVERIFY(readDesktopEntry(m_dir.createFile("size/fits.desktop", entry + padding)));
        QVERIFY(!readDesktopEntry(m_dir.createFile("size/over.desktop", entry + padding + "x")));
    }

    void readsTheAppStreamComponent_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("launched");
        QTest::newRow("launchable")
            << QByteArray("<?xml version=\"1.0\"?><component type=\"desktop"
                          "-application\"><id>org.example.Ed</id><launchable "
                          "type=\"desktop-id\">ed.desktop</launchable>"
                          "<launchable type=\"url\">x</launchable>"
                          "</component>")
            << "org.example.Ed" << QStringList{"ed.desktop"};
        QTest::newRow("old id naming its entry")
            << QByteArray("<component><id> ed.desktop </id></component>") << "ed"
            << QStringList{"ed.desktop"};
        QTest::newRow("ids of other components are not its own")
            << QByteArray("<component><provides><id>org.other.X</id></provides>"
                          "<id>org.example.Ed</id><launchable type=\"desktop-id\">ed.desktop"
                          "</launchable></component>")
            << "org.example.Ed" << QStringList{"ed.desktop"};
        QTest::newRow("no component") << QByteArray("<components><component><id>a.b.C</id>"
                                                    "</component></components>")
                                      << "" << QStringList{};
        QTest::newRow("no id") << QByteArray("<component><name>Ed</name></component>") << ""
                               << QStringList{};
        QTest::newRow("broken") << QByteArray("<component><id>a.b.C</id>") << "" << QStringList{};
    }
    void readsTheAppStreamComponent() {
        QFETCH(QByteArray, document);
        QFETCH(QString, id);
        QFETCH(QStringList, launched);
        const auto component = appstream::parseComponent(document);
        QCOMPARE(component ? component->id : QString(), id);
        QCOMPARE(component ? component->launchedEntries : QStringList(), launched);
    }

    // The metainfo beside the entry's applications folder, whatever its file is named.
    void findsTheComponentThatLaunchesAnEntry() {
        const QString entry = m_dir.createFile("appstream/share/applications/ed.desktop", "x");
        m_dir.createFile("appstream/share/metainfo/org.example.Other.metainfo.xml",
                         "<component><id>org.example.Other</id><launchable type=\"desktop-id\">"
                         "other.desktop</launchable></component>");
        m_dir.createFile("appstream/share/appdata/ed-legacy.appdata.xml",
                         "<component><id>org.example.Ed</id><launchable type=\"desktop-id\">"
                         "ed.desktop</launchable></component>");
        QCOMPARE(appstream::componentIdFor(entry), QStringLiteral("org.example.Ed"));
        const QString loose = m_dir.createFile("appstream/ed.desktop", "x");
        QCOMPARE(appstream::componentIdFor(loose), QString());
    }
};

QTEST_APPLESS_MAIN(TestDesktopEntry)
#include "TestDesktopEntry.moc"
