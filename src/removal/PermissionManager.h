#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace tidewell {

class FileSystem;

// The Full Disk Access state of the process: whether the guarded library folders can be read,
// which folders the last scan could not read, and whether the user should be prompted.
// Lives on the main thread. Every write of a published property notifies, even when the
// value stays the same.
class PermissionManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool hasFullDiskAccess READ hasFullDiskAccess NOTIFY hasFullDiskAccessChanged)
    Q_PROPERTY(QStringList permissionDeniedPaths READ permissionDeniedPaths WRITE
                   setPermissionDeniedPaths NOTIFY permissionDeniedPathsChanged)
    Q_PROPERTY(bool showPermissionPromptAlert READ showPermissionPromptAlert WRITE
                   setShowPermissionPromptAlert NOTIFY showPermissionPromptAlertChanged)
    Q_PROPERTY(
        bool hasPermissionWarning READ hasPermissionWarning NOTIFY hasPermissionWarningChanged)
    Q_PROPERTY(bool shouldRecheckPermissionAfterSettings READ shouldRecheckPermissionAfterSettings
                   WRITE setShouldRecheckPermissionAfterSettings)
    Q_PROPERTY(bool hasShownPermissionPrompt READ hasShownPermissionPrompt WRITE
                   setHasShownPermissionPrompt)

public:
    // Opens the host's privacy settings; receives the settings link and the first folder that
    // could not be read (empty when none is known).
    using SettingsOpener =
        std::function<void(const QUrl& settingsLink, const QString& firstDeniedPath)>;

    // Checks the status once before returning.
    PermissionManager(FileSystem& fileSystem, QString homePath, QObject* parent = nullptr);

    // Folders below the home folder that the system guards, in the order they are tried.
    static const QStringList fullDiskAccessProbePaths;
    // The link to the Full Disk Access list of the system's privacy settings.
    static QUrl fullDiskAccessSettingsLink();
    // Access counts as granted unless a probe folder exists and refuses to be listed.
    static bool detectFullDiskAccessStatus(const FileSystem& fileSystem, const QString& homePath);

    bool hasFullDiskAccess() const { return m_hasFullDiskAccess; }
    QStringList permissionDeniedPaths() const { return m_permissionDeniedPaths; }
    void setPermissionDeniedPaths(const QStringList& paths);
    bool showPermissionPromptAlert() const { return m_showPermissionPromptAlert; }
    void setShowPermissionPromptAlert(bool show);
    bool hasPermissionWarning() const;
    bool shouldRecheckPermissionAfterSettings() const {
        return m_shouldRecheckPermissionAfterSettings;
    }
    void setShouldRecheckPermissionAfterSettings(bool recheck);
    bool hasShownPermissionPrompt() const { return m_hasShownPermissionPrompt; }
    void setHasShownPermissionPrompt(bool shown);

    void setSettingsOpener(SettingsOpener opener);

    // Re-detects access; when granted, clears the denied folders and re-arms the prompt.
    Q_INVOKABLE void checkStatus();
    // The detection of checkStatus() as a function that any thread may run, so that the disk is
    // read away from the main thread; its answer goes to applyStatus().
    std::function<bool()> statusProbe() const;
    // checkStatus() with the access state already detected.
    void applyStatus(bool granted);
    // Marks a recheck as pending and opens the privacy settings through the installed opener.
    Q_INVOKABLE void openFullDiskAccessSettings();
    // Run when the main window becomes active: consumes a pending recheck and returns whether
    // access is now granted, i.e. whether the window should rescan.
    Q_INVOKABLE bool recheckAfterSettingsIfPending();
    // Run by the scan flow after checkStatus() once it has stored the scan's unreadable
    // folders: raises the prompt the first time a scan without access could not read some.
    void applyPromptDecision(bool scanHadUnreadablePaths);

signals:
    void hasFullDiskAccessChanged();
    void permissionDeniedPathsChanged();
    void showPermissionPromptAlertChanged();
    void hasPermissionWarningChanged();

private:
    void setHasFullDiskAccess(bool granted);

    FileSystem& m_fileSystem;
    QString m_homePath;
    SettingsOpener m_settingsOpener;
    bool m_hasFullDiskAccess = false;
    QStringList m_permissionDeniedPaths;
    bool m_showPermissionPromptAlert = false;
    bool m_shouldRecheckPermissionAfterSettings = false;
    bool m_hasShownPermissionPrompt = false;
};

} // namespace tidewell
