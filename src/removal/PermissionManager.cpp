#include "PermissionManager.h"

#include "platform/FileSystem.h"

#include <utility>

namespace tidewell {

const QStringList PermissionManager::fullDiskAccessProbePaths = {
    QStringLiteral("Library/Cookies"),
    QStringLiteral("Library/Mail"),
    QStringLiteral("Library/Messages"),
    QStringLiteral("Library/Safari"),
};

PermissionManager::PermissionManager(FileSystem& fileSystem, QString homePath, QObject* parent)
    : QObject(parent), m_fileSystem(fileSystem), m_homePath(std::move(homePath)) {
    checkStatus();
}

QUrl PermissionManager::fullDiskAccessSettingsLink() {
    return QUrl(
        QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"));
}

bool PermissionManager::detectFullDiskAccessStatus(const FileSystem& fileSystem,
                                                   const QString& homePath) {
    for (const QString& probe : fullDiskAccessProbePaths) {
        const QString path = homePath + u'/' + probe;
        if (!fileSystem.isDirectory(path))
            continue;
        const int errorCode = fileSystem.listDirectory(path).errorCode;
        if (errorCode == NoReadPermissionError || errorCode == NoWritePermissionError)
            return false;
    }
    return true;
}

void PermissionManager::setHasFullDiskAccess(bool granted) {
    m_hasFullDiskAccess = granted;
    emit hasFullDiskAccessChanged();
    emit hasPermissionWarningChanged();
}

void PermissionManager::setPermissionDeniedPaths(const QStringList& paths) {
    m_permissionDeniedPaths = paths;
    emit permissionDeniedPathsChanged();
    emit hasPermissionWarningChanged();
}

void PermissionManager::setShowPermissionPromptAlert(bool show) {
    m_showPermissionPromptAlert = show;
    emit showPermissionPromptAlertChanged();
}

bool PermissionManager::hasPermissionWarning() const {
    return !m_hasFullDiskAccess && !m_permissionDeniedPaths.isEmpty();
}

void PermissionManager::setShouldRecheckPermissionAfterSettings(bool recheck) {
    m_shouldRecheckPermissionAfterSettings = recheck;
}

void PermissionManager::setHasShownPermissionPrompt(bool shown) {
    m_hasShownPermissionPrompt = shown;
}

void PermissionManager::setSettingsOpener(SettingsOpener opener) {
    m_settingsOpener = std::move(opener);
}

void PermissionManager::checkStatus() {
    applyStatus(detectFullDiskAccessStatus(m_fileSystem, m_homePath));
}

std::function<bool()> PermissionManager::statusProbe() const {
    return [&fileSystem = m_fileSystem, homePath = m_homePath] {
        return detectFullDiskAccessStatus(fileSystem, homePath);
    };
}

void PermissionManager::applyStatus(bool granted) {
    setHasFullDiskAccess(granted);
    if (!m_hasFullDiskAccess)
        return;
    setPermissionDeniedPaths({});
    setShowPermissionPromptAlert(false);
    setHasShownPermissionPrompt(false);
}

void PermissionManager::openFullDiskAccessSettings() {
    setShouldRecheckPermissionAfterSettings(true);
    setHasShownPermissionPrompt(true);
    const QUrl link = fullDiskAccessSettingsLink();
    if (!link.isValid() || !m_settingsOpener)
        return;
    m_settingsOpener(link, m_permissionDeniedPaths.value(0));
}

bool PermissionManager::recheckAfterSettingsIfPending() {
    if (!m_shouldRecheckPermissionAfterSettings)
        return false;
    setShouldRecheckPermissionAfterSettings(false);
    checkStatus();
    return m_hasFullDiskAccess;
}

void PermissionManager::applyPromptDecision(bool scanHadUnreadablePaths) {
    if (m_hasFullDiskAccess) {
        setHasShownPermissionPrompt(false);
        return;
    }
    if (!scanHadUnreadablePaths || m_hasShownPermissionPrompt)
        return;
    setHasShownPermissionPrompt(true);
    setShowPermissionPromptAlert(true);
}

} // namespace tidewell
