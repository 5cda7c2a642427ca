#include "session/AppPreferences.h"
#include "session/PreferenceStore.h"

#include "TestDir.h"

#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void firstLaunchReadsEverySettingOn_data();
    void firstLaunchReadsEverySettingOn();
    void storedChoiceSurvivesRegistrationAtNextLaunch();
    void unknownKeyReadsFalse();
    void propertiesNotifyOnlyOnChange();
    void registrationAnnouncesValuesItChanges();

private:
    QString iniPath() const { return m_dir.path("settings.ini"); }
    TestDir m_dir;
};

void TestPreferences::firstLaunchReadsEverySettingOn_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("confirm") << AppPreferences::confirmBeforeRemovingFiles;
    QTest::newRow("auto scan") << AppPreferences::autoScanAfterDroppingApp;
    QTest::newRow("dashboard") << AppPreferences::showCategoryDashboard;
}

void TestPreferences::firstLaunchReadsEverySettingOn() {
    QFETCH(QString, key);
    PreferenceStore store(m_dir.path(QStringLiteral("first-%1.ini").arg(key)));
    QVERIFY(!store.boolValue(key));
    AppPreferences::registerDefaults(store);
    QVERIFY(store.boolValue(key));
    // Registration lives in memory only; the user's file stays empty.
    QSettings file(m_dir.path(QStringLiteral("first-%1.ini").arg(key)), QSettings::IniFormat);
    QVERIFY(file.allKeys().isEmpty());
}

void TestPreferences::storedChoiceSurvivesRegistrationAtNextLaunch() {
    {
        PreferenceStore firstLaunch(iniPath());
        AppPreferences::registerDefaults(firstLaunch);
        firstLaunch.setShowCategoryDashboard(false);
    }
    PreferenceStore nextLaunch(iniPath());
    AppPreferences::registerDefaults(nextLaunch);
    QCOMPARE(nextLaunch.showCategoryDashboard(), false);
    QCOMPARE(nextLaunch.property("confirmBeforeRemovingFiles").toBool(), true);
}

void TestPreferences::unknownKeyReadsFalse() {
    PreferenceStore store(iniPath());
    AppPreferences::registerDefaults(store);
    QVERIFY(!store.boolValue(QStringLiteral("neverRegistered")));
}

void TestPreferences::propertiesNotifyOnlyOnChange() {
    PreferenceStore store(m_dir.path("notify.ini"));
    AppPreferences::registerDefaults(store);
    QSignalSpy propertySpy(&store, &PreferenceStore::autoScanAfterDroppingAppChanged);
    QSignalSpy keySpy(&store, &PreferenceStore::valueChanged);

    QVERIFY(store.setProperty("autoScanAfterDroppingApp", false));
    QCOMPARE(store.boolValue(AppPreferences::autoScanAfterDroppingApp), false);
    QCOMPARE(propertySpy.count(), 1);
    QCOMPARE(keySpy.count(), 1);
    QCOMPARE(keySpy.at(0).at(0).toString(), AppPreferences::autoScanAfterDroppingApp);

    store.setAutoScanAfterDroppingApp(false);
    QCOMPARE(propertySpy.count(), 1);
}

void TestPreferences::registrationAnnouncesValuesItChanges() {
    PreferenceStore store(m_dir.path("announce.ini"));
    store.setConfirmBeforeRemovingFiles(false);
    QSignalSpy confirmSpy(&store, &PreferenceStore::confirmBeforeRemovingFilesChanged);
    QSignalSpy dashboardSpy(&store, &PreferenceStore::showCategoryDashboardChanged);
    AppPreferences::registerDefaults(store);
    QCOMPARE(confirmSpy.count(), 0); // the stored false still wins
    QCOMPARE(dashboardSpy.count(), 1);
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "TestPreferences.moc"
