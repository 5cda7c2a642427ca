#include "PreferenceStore.h"

#include "AppPreferences.h"

namespace tidewell {

PreferenceStore& PreferenceStore::shared() {
    static PreferenceStore store(
        std::make_unique<QSettings>(QStringLiteral("Tidewell"), QStringLiteral("Tidewell")));
    return store;
}

PreferenceStore::PreferenceStore(const QString& iniFilePath, QObject* parent)
    : QObject(parent), m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

PreferenceStore::PreferenceStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)) {}

PreferenceStore::~PreferenceStore() = default;

void PreferenceStore::registerDefaults(const QVariantMap& defaults) {
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        const bool before = boolValue(it.key());
        m_defaults.insert(it.key(), it.value());
        if (boolValue(it.key()) != before)
            announceChange(it.key());
    }
}

bool PreferenceStore::boolValue(const QString& key) const {
    return m_settings->value(key, m_defaults.value(key, false)).toBool();
}

void PreferenceStore::setBoolValue(const QString& key, bool value) {
    const bool before = boolValue(key);
    m_settings->setValue(key, value);
    // Written at once, so a choice survives a crash and other processes see it.
    m_settings->sync();
    if (value != before)
        announceChange(key);
}

void PreferenceStore::announceChange(const QString& key) {
    emit valueChanged(key);
    if (key == AppPreferences::confirmBeforeRemovingFiles)
        emit confirmBeforeRemovingFilesChanged();
    else if (key == AppPreferences::autoScanAfterDroppingApp)
        emit autoScanAfterDroppingAppChanged();
    else if (key == AppPreferences::showCategoryDashboard)
        emit showCategoryDashboardChanged();
}

bool PreferenceStore::confirmBeforeRemovingFiles() const {
    return boolValue(AppPreferences::confirmBeforeRemovingFiles);
}

void PreferenceStore::setConfirmBeforeRemovingFiles(bool value) {
    setBoolValue(AppPreferences::confirmBeforeRemovingFiles, value);
}

bool PreferenceStore::autoScanAfterDroppingApp() const {
    return boolValue(AppPreferences::autoScanAfterDroppingApp);
}

void PreferenceStore::setAutoScanAfterDroppingApp(bool value) {
    setBoolValue(AppPreferences::autoScanAfterDroppingApp, value);
}

bool PreferenceStore::showCategoryDashboard() const {
    return boolValue(AppPreferences::showCategoryDashboard);
}

void PreferenceStore::setShowCategoryDashboard(bool value) {
    setBoolValue(AppPreferences::showCategoryDashboard, value);
}

} // namespace tidewell
