#include "model/ItemGroup.h"

#include <QTest>

using namespace tidewell;

namespace {

const QString home = QStringLiteral("/home/ann");

AppDescriptor linuxApp(AppKind kind, const QString& appPath, const QString& program) {
    AppDescriptor app;
    app.kind = kind;
    app.appURL = QUrl::fromLocalFile(appPath);
    app.linuxFacts.packageId =
        kind == AppKind::flatpak ? QStringLiteral("com.harborlight.Tidepool") : "";
    app.linuxFacts.programPath = program;
    return app;
}

ScannedFile leftover(const QString& path, ScanCategory category, qint64 size,
                     bool complete = true) {
    return {path, QUrl::fromLocalFile(path), category, FileSafetyLevel::safe, size, true, complete};
}

} // namespace

// What a Linux application's leftovers are called in the window, and their totals per group.
class TestItemGroup : public QObject {
    Q_OBJECT

private slots:
    void groupOfALinuxLeftover_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ScanCategory>("category");
        QTest::addColumn<AppKind>("kind");
        QTest::addColumn<ItemGroup>("group");
        const auto support = ScanCategory::applicationSupport;
        QTest::newRow("Flatpak data") << home + "/.var/app/com.harborlight.Tidepool" << support
                                      << AppKind::flatpak << ItemGroup::appData;
        QTest::newRow("Flatpak launcher")
            << home + "/.local/share/flatpak/exports/share/applications/x.desktop" << support
            << AppKind::flatpak << ItemGroup::launchersAndIcons;
        QTest::newRow("user Flatpak install")
            << home + "/.local/share/flatpak/app/com.harborlight.Tidepool" << support
            << AppKind::flatpak << ItemGroup::appItself;
        QTest::newRow("icon") << home + "/.local/share/icons/hicolor/48x48/apps/d.png" << support
                              << AppKind::desktopEntry << ItemGroup::launchersAndIcons;
        QTest::newRow("program link") << home + "/.local/bin/driftnote" << ScanCategory::other
                                      << AppKind::desktopEntry << ItemGroup::launchersAndIcons;
        QTest::newRow("autostart entry")
            << home + "/.config/autostart/driftnote.desktop" << ScanCategory::preferences
            << AppKind::desktopEntry << ItemGroup::autostart;
        QTest::newRow("settings") << home + "/.config/Driftnote" << ScanCategory::preferences
                                  << AppKind::desktopEntry << ItemGroup::settings;
        QTest::newRow("cache") << home + "/.cache/driftnote" << ScanCategory::caches
                               << AppKind::desktopEntry << ItemGroup::cache;
        QTest::newRow("state") << home + "/.local/state/driftnote" << support
                               << AppKind::desktopEntry << ItemGroup::logsAndState;
        QTest::newRow("program folder") << home + "/Applications/Driftnote" << ScanCategory::other
                                        << AppKind::desktopEntry << ItemGroup::appItself;
        QTest::newRow("a folder beside the program")
            << home + "/Applications/Driftnote-old" << ScanCategory::other << AppKind::desktopEntry
            << ItemGroup::appData;
        QTest::newRow("AppImage") << home + "/Applications/Sandpiper.AppImage"
                                  << ScanCategory::other << AppKind::appImage
                                  << ItemGroup::appItself;
    }
    void groupOfALinuxLeftover() {
        QFETCH(QString, path);
        QFETCH(ScanCategory, category);
        QFETCH(AppKind, kind);
        QFETCH(ItemGroup, group);
        const QString appPath = kind == AppKind::appImage
                                    ? home + "/Applications/Sandpiper.AppImage"
                                    : home + "/.local/share/applications/driftnote.desktop";
        const AppDescriptor app =
            linuxApp(kind, appPath, home + "/Applications/Driftnote/driftnote");
        QCOMPARE(rawValue(linuxItemGroup(path, category, app)), rawValue(group));
    }

    void appItself_data() {
        QTest::addColumn<AppKind>("kind");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("itself"); // empty for none
        const QString entry = home + "/.local/share/applications/d.desktop";
        QTest::newRow("AppImage") << AppKind::appImage << "" << entry;
        QTest::newRow("program folder")
            << AppKind::desktopEntry << home + "/Applications/Driftnote/driftnote"
            << home + "/Applications/Driftnote";
        QTest::newRow("program in a bin folder")
            << AppKind::desktopEntry << home + "/.local/bin/driftnote"
            << home + "/.local/bin/driftnote";
        QTest::newRow("system package") << AppKind::desktopEntry << "/usr/bin/lumenedit"
                                        << "";
        QTest::newRow("program by name") << AppKind::desktopEntry << "lumenedit"
                                         << "";
        QTest::newRow("Flatpak") << AppKind::flatpak << "/usr/bin/flatpak"
                                 << "";
    }
    void appItself() {
        QFETCH(AppKind, kind);
        QFETCH(QString, program);
        QFETCH(QString, itself);
        const std::optional<QString> path =
            appItselfPath(linuxApp(kind, home + "/.local/share/applications/d.desktop", program));
        QCOMPARE(path.value_or(QString()), itself);
    }

    // A bundle's leftovers keep their category's name; a Linux application's totals go by group,
    // the empty groups left out.
    void namesAndTotals() {
        const AppDescriptor driftnote = linuxApp(AppKind::desktopEntry, home + "/d.desktop",
                                                 home + "/Applications/Driftnote/driftnote");
        const ScannedFile settings =
            leftover(home + "/.config/Driftnote", ScanCategory::preferences, 10);
        QCOMPARE(itemKindName(settings, AppDescriptor{}), displayName(ScanCategory::preferences));
        QCOMPARE(itemKindName(settings, driftnote), u"Settings");
        const QList<ItemGroupTotal> totals = itemGroupTotals(
            {settings,
             leftover(home + "/.config/autostart/d.desktop", ScanCategory::preferences, 5),
             leftover(home + "/.config/Drift", ScanCategory::preferences, 7, false)},
            driftnote);
        QCOMPARE(totals.size(), 2);
        QCOMPARE(totals[0].group, ItemGroup::settings);
        QCOMPARE(totals[0].itemCount, 2);
        QCOMPARE(totals[0].totalBytes, 17);
        QVERIFY(!totals[0].sizeComplete);
        QCOMPARE(totals[1].group, ItemGroup::autostart);
        QVERIFY(totals[1].sizeComplete);
    }
};

QTEST_APPLESS_MAIN(TestItemGroup)
#include "TestItemGroup.moc"
