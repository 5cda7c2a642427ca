#include "session/AppPreferences.h"
#include "session/PreferenceStore.h"

#include "TestDir.h"

#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void firstLaunchReadsEverySettingOn() {
        const QString file = m_dir.path("first.ini");
        {
            PreferenceStore store(file);
            AppPreferences::registerDefaults(store);
            // Each key is also the name of the store's property.
            for (const char* key : {"confirmBeforeRemovingFiles", "autoScanAfterDroppingApp",
                                    "showCategoryDashboard"})
                QVERIFY2(store.boolValue(key) && store.property(key).toBool(), key);
            QVERIFY(!store.boolValue("neverRegistered"));
        }
        // Registration lives in memory only; the user's file stays empty.
        QVERIFY(QSettings(file, QSettings::IniFormat).allKeys().isEmpty());
    }

    void storedChoiceSurvivesRegistrationAtNextLaunch() {
        const QString file = m_dir.path("next.ini");
        {
            PreferenceStore firstLaunch(file);
            AppPreferences::registerDefaults(firstLaunch);
            firstLaunch.setShowCategoryDashboard(false);
        }
        PreferenceStore nextLaunch(file);
        QSignalSpy changes(&nextLaunch, &PreferenceStore::valueChanged);
        AppPreferences::registerDefaults(nextLaunch);
        QCOMPARE(nextLaunch.boolValue("showCategoryDashboard"), false);
        // Registration announces the values it changes; the stored false is not one of them.
        QCOMPARE(changes.size(), 2);
        QVERIFY(!changes.contains({"showCategoryDashboard"}));
        // Only a write that changes the value announces it, through both signals.
        QSignalSpy dashboardSpy(&nextLaunch, &PreferenceStore::showCategoryDashboardChanged);
        nextLaunch.setShowCategoryDashboard(false);
        QVERIFY(nextLaunch.setProperty("showCategoryDashboard", true));
        QCOMPARE(changes.size() + dashboardSpy.size(), 4);
    }

private:
    TestDir m_dir;
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "TestPreferences.moc"
