#include "session/AppPreferences.h"
#include "session/PreferenceStore.h"

#include "TestDir.h"

#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    // The first launch reads every setting on; registration lives in memory only, so the
    // user's file holds only the choice they made, which survives the next launch's.
    void storedChoiceSurvivesRegistrationAtNextLaunch() {
        const QString file = m_dir.path("settings.ini");
        {
            PreferenceStore firstLaunch(file);
            AppPreferences::registerDefaults(firstLaunch);
            // Each key is also the name of the store's property.
            for (const char* key : {"confirmBeforeRemovingFiles", "autoScanAfterDroppingApp",
                                    "showCategoryDashboard"})
                QVERIFY2(firstLaunch.boolValue(key) && firstLaunch.property(key).toBool(), key);
            QVERIFY(!firstLaunch.boolValue("neverRegistered"));
            firstLaunch.setShowCategoryDashboard(false);
        }
        QCOMPARE(QSettings(file, QSettings::IniFormat).allKeys(),
                 QStringList{"showCategoryDashboard"});
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
