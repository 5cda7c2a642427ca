#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariantMap>

#include <memory>

namespace tidewell {

// The user's settings: a per-user QSettings store with an in-memory layer of registration
// defaults underneath. A value the user stored always wins over a registered default.
class PreferenceStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool confirmBeforeRemovingFiles READ confirmBeforeRemovingFiles WRITE
                   setConfirmBeforeRemovingFiles NOTIFY confirmBeforeRemovingFilesChanged)
    Q_PROPERTY(bool autoScanAfterDroppingApp READ autoScanAfterDroppingApp WRITE
                   setAutoScanAfterDroppingApp NOTIFY autoScanAfterDroppingAppChanged)
    Q_PROPERTY(bool showCategoryDashboard READ showCategoryDashboard WRITE setShowCategoryDashboard
                   NOTIFY showCategoryDashboardChanged)

public:
    // The process-wide store (organisation and application "Tidewell").
    static PreferenceStore& shared();
    // A store kept in the given INI file.
    explicit PreferenceStore(const QString& iniFilePath, QObject* parent = nullptr);
    ~PreferenceStore() override;

    // Values used for keys the user has not stored; merged into earlier registrations.
    void registerDefaults(const QVariantMap& defaults);
    // The stored value, else the registered default, else false.
    bool boolValue(const QString& key) const;
    void setBoolValue(const QString& key, bool value);

    bool confirmBeforeRemovingFiles() const;
    void setConfirmBeforeRemovingFiles(bool value);
    bool autoScanAfterDroppingApp() const;
    void setAutoScanAfterDroppingApp(bool value);
    bool showCategoryDashboard() const;
    void setShowCategoryDashboard(bool value);

signals:
    // Emitted when the value read for key changes.
    void valueChanged(const QString& key);
    void confirmBeforeRemovingFilesChanged();
    void autoScanAfterDroppingAppChanged();
    void showCategoryDashboardChanged();

private:
    explicit PreferenceStore(std::unique_ptr<QSettings> settings);
    void announceChange(const QString& key);

    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_defaults;
};

} // namespace tidewell
