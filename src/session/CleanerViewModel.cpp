#include "CleanerViewModel.h"

#include "AppIntake.h"
#include "AppPreferences.h"
#include "ItemSize.h"
#include "PackageRemoval.h"
#include "PreferenceStore.h"
#include "SharedByteFormatter.h"
#include "removal/DeletionReport.h"
#include "removal/FileDeletionService.h"
#include "removal/PermissionManager.h"
#include "scanner/DefaultSpotlightService.h"
#include "scanner/LeftoverScannerService.h"
#include "scanner/ScanReport.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QtConcurrent/QtConcurrentRun>

namespace tidewell {

namespace {

// The path of a location with "." and ".." resolved and no trailing slash.
QString standardizedPath(const QUrl& url) {
    return QDir::cleanPath(url.toLocalFile());
}

CleanerViewModel::Collaborators withDefaults(CleanerViewModel::Collaborators given) {
    if (!given.scanner) {
        given.scanner = std::make_shared<LeftoverScannerService>(
            makeDefaultSpotlightService(), LeftoverScannerService::defaultEnvironment());
    }
    if (!given.deletion)
        given.deletion = std::make_shared<FileDeletionService>();
    if (!given.preferences)
        given.preferences = &PreferenceStore::shared();
    if (!given.permissions)
        given.permissions = &PermissionManager::shared();
    if (!given.sizeEstimator)
        given.sizeEstimator = &ItemSize::estimateInBackground;
    if (!given.descriptorReader) {
        given.descriptorReader = [](const QUrl& url) {
            return QtConcurrent::run([url] { return AppIntake::read(url); });
        };
    }
    return given;
}

} // namespace

CleanerViewModel::CleanerViewModel(std::shared_ptr<LeftoverScanning> scanner,
                                   std::shared_ptr<FileDeleting> deletion,
                                   PreferenceStore* preferences, QObject* parent)
    : CleanerViewModel(
          Collaborators{std::move(scanner), std::move(deletion), preferences, {}, {}, {}}, parent) {
}

CleanerViewModel::CleanerViewModel(Collaborators collaborators, QObject* parent)
    : QObject(parent), m_files(new FileListModel(this)), m_statusMessage(tr("Drop your apps here")),
      m_activeScanID(QUuid::createUuid()), m_activeSizeTaskID(QUuid::createUuid()),
      m_activeDeletionID(QUuid::createUuid()) {
    collaborators = withDefaults(std::move(collaborators));
    m_scanner = std::move(collaborators.scanner);
    m_deletion = std::move(collaborators.deletion);
    m_preferences = collaborators.preferences;
    m_permissions = collaborators.permissions;
    m_sizeEstimator = std::move(collaborators.sizeEstimator);
    m_descriptorReader = std::move(collaborators.descriptorReader);

    // A row's checkbox writes its flag straight into the list; the totals follow it.
    connect(m_files, &FileListModel::selectionChanged, this,
            &CleanerViewModel::notifySelectionTotals);
    connect(m_files, &FileListModel::filesChanged, this, [this] {
        notifySelectionTotals();
        emit categoryBreakdownChanged();
    });
}

CleanerViewModel::~CleanerViewModel() {
    abandonScan();
}

// MARK: published state

QVariantMap CleanerViewModel::droppedApp() const {
    if (!m_droppedApp)
        return {};
    const QString appPath = standardizedPath(m_droppedApp->appURL);
    return {
        {QStringLiteral("displayName"), m_droppedApp->displayName},
        {QStringLiteral("bundleIdentifier"), m_droppedApp->bundleIdentifier},
        {QStringLiteral("appPath"), appPath},
        // A bundle is known by its file name; a Linux application by its name, as its entry's
        // file name is an id.
        {QStringLiteral("fileName"), m_droppedApp->kind == AppKind::bundle
                                         ? QFileInfo(appPath).fileName()
                                         : m_droppedApp->displayName},
    };
}

void CleanerViewModel::setDroppedApp(const std::optional<AppDescriptor>& app) {
    m_droppedApp = app;
    emit droppedAppChanged();
    emit hasDroppedAppChanged();
    notifySelectionTotals();
}

void CleanerViewModel::setDroppedAppSizeInBytes(qint64 size) {
    m_droppedAppSizeInBytes = size;
    emit droppedAppSizeInBytesChanged();
    emit appSizeTextChanged();
    emit selectedSizeChanged();
}

void CleanerViewModel::setFileList(const QList<ScannedFile>& files) {
    m_files->setFiles(files);
}

void CleanerViewModel::setIsScanning(bool scanning) {
    m_isScanning = scanning;
    emit isScanningChanged();
}

void CleanerViewModel::setIsDeleting(bool deleting) {
    m_isDeleting = deleting;
    emit isDeletingChanged();
}

void CleanerViewModel::setStatusMessage(const QString& message) {
    m_statusMessage = message;
    emit statusMessageChanged();
}

void CleanerViewModel::setShowDeleteConfirmation(bool show) {
    m_showDeleteConfirmation = show;
    emit showDeleteConfirmationChanged();
}

void CleanerViewModel::setShowErrorAlert(bool show) {
    m_showErrorAlert = show;
    emit showErrorAlertChanged();
}

void CleanerViewModel::setErrorMessage(const QString& message) {
    m_errorMessage = message;
    emit errorMessageChanged();
}

void CleanerViewModel::setAwaitingManualScan(bool awaiting) {
    m_awaitingManualScan = awaiting;
    emit awaitingManualScanChanged();
}

void CleanerViewModel::setShowSuccessState(bool show) {
    m_showSuccessState = show;
    emit showSuccessStateChanged();
}

void CleanerViewModel::setLastDeletedCount(qint64 count) {
    m_lastDeletedCount = count;
    emit lastDeletedCountChanged();
}

void CleanerViewModel::setLastReclaimedSize(qint64 size) {
    m_lastReclaimedSize = size;
    emit lastReclaimedSizeChanged();
}

// The alert shows errorMessage, so the text goes in first. Only the window closes the alert.
void CleanerViewModel::reportError(const QString& message) {
    setErrorMessage(message);
    setShowErrorAlert(true);
}

void CleanerViewModel::setItemsLeftAlone(const QStringList& unreadableFolders,
                                         const QStringList& undecodableItems,
                                         const QStringList& keptSettingsFiles,
                                         const QStringList& keptDconfFolders) {
    m_unreadableFolders = unreadableFolders;
    emit unreadableFoldersChanged();
    m_undecodableItems = undecodableItems;
    m_keptSettingsFiles = keptSettingsFiles;
    m_keptDconfFolders = keptDconfFolders;
    emit undecodableItemsChanged();
}

void CleanerViewModel::setLastFailures(const QList<DeletionFailure>& failures) {
    m_lastFailures.clear();
    for (const DeletionFailure& failure : failures) {
        const QString path = standardizedPath(failure.url);
        m_lastFailures.append(QVariantMap{{QStringLiteral("path"), path},
                                          {QStringLiteral("fileName"), QFileInfo(path).fileName()},
                                          {QStringLiteral("reason"), failure.reason}});
    }
    emit lastFailuresChanged();
}

// MARK: derived values

QList<ScannedFile> CleanerViewModel::selectedFiles() const {
    return FileListModel::selectedFiles(m_files->files());
}

bool CleanerViewModel::isAllSelected() const {
    return m_files->count() > 0 && m_files->selectedCount() == m_files->count();
}

bool CleanerViewModel::isAnySelected() const {
    return m_files->selectedCount() > 0;
}

// A held bundle or AppImage always goes along with the selection, so it counts as one more
// item. Another Linux application's own files belong to its package manager; the scan lists
// the ones the user installed among the leftovers.
bool CleanerViewModel::appGoesWithSelection() const {
    return m_droppedApp && appGoesWithLeftovers(m_droppedApp->kind);
}

qint64 CleanerViewModel::selectedSize() const {
    return m_files->selectedBytes() + (appGoesWithSelection() ? m_droppedAppSizeInBytes : 0);
}

qint64 CleanerViewModel::selectedCount() const {
    return m_files->selectedCount() + (appGoesWithSelection() ? 1 : 0);
}

QVariantList CleanerViewModel::categoryBreakdown() const {
    QVariantList breakdown;
    for (const FileListModel::CategoryTotal& total : m_files->totalsByCategory()) {
        breakdown.append(QVariantMap{
            {QStringLiteral("category"), rawValue(total.category)},
            {QStringLiteral("categoryName"), displayName(total.category)},
            {QStringLiteral("totalBytes"), total.totalBytes},
            {QStringLiteral("itemCount"), total.itemCount},
            {QStringLiteral("sizeComplete"), total.sizeComplete},
        });
    }
    return breakdown;
}

QString CleanerViewModel::appSizeText() const {
    if (m_droppedAppSizeInBytes == 0)
        return tr("Calculating...");
    return SharedByteFormatter::string(m_droppedAppSizeInBytes);
}

void CleanerViewModel::notifySelectionTotals() {
    emit selectedCountChanged();
    emit selectedSizeChanged();
    emit isAllSelectedChanged();
    emit isAnySelectedChanged();
}

// MARK: intake and size estimate

// The bundle is read on a worker; a newer intake or a reset before it arrives drops it.
void CleanerViewModel::handleDroppedApp(const QUrl& url) {
    const QUuid intakeID = QUuid::createUuid();
    m_activeIntakeID = intakeID;
    m_descriptorReader(url).then(this, [this, intakeID](const AppDescriptor::Result& result) {
        if (intakeID != m_activeIntakeID)
            return;
        takeIn(result);
        if (const auto* app = std::get_if<AppDescriptor>(&result))
            findUninstallCommand(*app, intakeID);
    });
}

// Asking the package database takes a moment; the answer is dropped when another app has
// been taken in since.
void CleanerViewModel::findUninstallCommand(const AppDescriptor& app, const QUuid& intakeID) {
    setUninstallCommand({});
    if (app.kind == AppKind::bundle)
        return;
    QtConcurrent::run([app] {
        return tidewell::uninstallCommand(app, QDir::homePath());
    }).then(this, [this, intakeID](const UninstallCommand& command) {
        if (intakeID == m_activeIntakeID)
            setUninstallCommand(command);
    });
}

void CleanerViewModel::setUninstallCommand(const UninstallCommand& command) {
    setUninstallStatus(false, {});
    if (command == m_uninstall)
        return;
    m_uninstall = command;
    emit uninstallCommandChanged();
}

void CleanerViewModel::setUninstallStatus(bool running, const QString& status) {
    if (running == m_isUninstalling && status == m_uninstallStatus)
        return;
    m_isUninstalling = running;
    m_uninstallStatus = status;
    emit uninstallStatusChanged();
}

QString CleanerViewModel::uninstallOutcomeText(const UninstallOutcome& outcome) {
    if (outcome.exitCode == 0)
        return tr("Uninstalled.");
    if (outcome.exitCode < 0)
        return tr("The command could not be run.");
    if (outcome.lastLine.isEmpty())
        return tr("The command failed with exit code %1.").arg(outcome.exitCode);
    return tr("The command failed: %1").arg(outcome.lastLine);
}

void CleanerViewModel::runUninstallCommand() {
    // The click is the only question asked, so the command must name the app on show.
    if (m_isUninstalling || !m_droppedApp || !m_uninstall.uninstallsExactly(*m_droppedApp))
        return;
    const QUuid intakeID = m_activeIntakeID;
    setUninstallStatus(true, tr("Uninstalling…"));
    QtConcurrent::run([command = m_uninstall] {
        return runUninstallCommandUnattended(command);
    }).then(this, [this, intakeID](const UninstallOutcome& outcome) {
        if (intakeID != m_activeIntakeID)
            return;
        setUninstallStatus(false, uninstallOutcomeText(outcome));
        // Done once: the package is gone.
        if (outcome.exitCode == 0) {
            m_uninstall.runnable = false;
            emit uninstallCommandChanged();
        }
    });
}

void CleanerViewModel::takeIn(const AppDescriptor::Result& result) {
    if (const auto* error = std::get_if<AppDescriptorError>(&result)) {
        reportError(errorDescription(*error));
        return;
    }
    const AppDescriptor& app = std::get<AppDescriptor>(result);
    abandonScan();
    setDroppedApp(app);
    m_activeDeletionID = QUuid::createUuid();
    setFileList({});
    m_permissions->setPermissionDeniedPaths({});
    setItemsLeftAlone();
    setDroppedAppSizeInBytes(0);
    triggerAppSizeEstimation(app.appURL);
    if (m_preferences->boolValue(AppPreferences::autoScanAfterDroppingApp)) {
        setStatusMessage(tr("Scanning leftovers for %1...").arg(app.displayName));
        scanForLeftovers(true);
    } else {
        setAwaitingManualScan(true);
        setStatusMessage(tr("Ready to scan leftovers for %1.").arg(app.displayName));
    }
}

void CleanerViewModel::triggerAppSizeEstimation(const QUrl& bundleURL) {
    const QUuid taskID = QUuid::createUuid();
    m_activeSizeTaskID = taskID;
    m_sizeEstimator(bundleURL).then(
        this, [this, taskID](qint64 size) { applySizeEstimate(taskID, size); });
}

void CleanerViewModel::applySizeEstimate(const QUuid& taskID, qint64 size) {
    if (taskID != m_activeSizeTaskID)
        return;
    setDroppedAppSizeInBytes(size);
}

// MARK: scan

void CleanerViewModel::scanForLeftovers(bool isUserInitiated) {
    if (!m_droppedApp) {
        if (isUserInitiated)
            reportError(tr("Select an app first."));
        return;
    }
    setAwaitingManualScan(false);
    setIsScanning(true);
    setFileList({});
    m_permissions->setPermissionDeniedPaths({});
    setItemsLeftAlone();
    setStatusMessage(tr("Scanning library folders..."));
    abandonScan();
    const QUuid scanID = QUuid::createUuid();
    m_activeScanID = scanID;
    m_activeScan = m_scanner->scan(*m_droppedApp, m_useSpotlight);
    // Access is detected where the scan ends, off the main thread, and travels with its report.
    m_activeScan
        .then([probe = m_permissions->statusProbe()](const ScanReport& report) {
            return std::pair<ScanReport, bool>(report, probe());
        })
        .then(this, [this, scanID](const std::pair<ScanReport, bool>& outcome) {
            applyScanReport(scanID, outcome.first, outcome.second);
        });
}

void CleanerViewModel::abandonScan() {
    if (!m_activeScan.isFinished())
        m_activeScan.cancel();
    m_activeScan = {};
}

void CleanerViewModel::applyScanReport(const QUuid& scanID, const ScanReport& report,
                                       bool accessGranted) {
    // A newer scan or a reset owns the state now, including isScanning.
    if (scanID != m_activeScanID)
        return;
    m_permissions->applyStatus(accessGranted);
    setFileList(report.matches);
    m_scanRoots = report.roots;
    m_permissions->setPermissionDeniedPaths(accessGranted ? QStringList{}
                                                          : report.permissionDeniedPaths);
    setItemsLeftAlone(report.permissionDeniedPaths, report.undecodablePaths,
                      report.keptSettingsFiles, report.keptDconfFolders);
    setIsScanning(false);
    m_permissions->applyPromptDecision(!report.permissionDeniedPaths.isEmpty());
    if (report.matches.isEmpty())
        setStatusMessage(tr("No leftover files were found."));
    else
        setStatusMessage(tr("Found %n related items.", "", int(report.matches.size())));
}

// MARK: selection and removal

void CleanerViewModel::toggleSelectAll() {
    m_files->setAllSelected(!isAllSelected());
}

void CleanerViewModel::requestDeletion() {
    if (!isAnySelected()) {
        reportError(tr("Select at least one file before deleting."));
        return;
    }
    if (m_preferences->boolValue(AppPreferences::confirmBeforeRemovingFiles))
        setShowDeleteConfirmation(true);
    else
        deleteSelectedFiles();
}

void CleanerViewModel::deleteSelectedFiles() {
    QList<QUrl> urls;
    for (const ScannedFile& file : selectedFiles())
        urls.append(file.url);
    if (appGoesWithSelection())
        urls.append(m_droppedApp->appURL);
    const qint64 count = selectedCount();
    const qint64 bytes = selectedSize();
    if (urls.isEmpty())
        return;
    setIsDeleting(true);
    setStatusMessage(tr("Moving selected files to Trash..."));
    const QUuid deletionID = QUuid::createUuid();
    m_activeDeletionID = deletionID;
    const RemovalScope scope{
        m_scanRoots, appGoesWithSelection() ? standardizedPath(m_droppedApp->appURL) : QString()};
    m_deletion->deleteItems(urls, scope)
        .then(this, [this, deletionID, count, bytes](const DeletionReport& report) {
            applyDeletionReport(deletionID, report, count, bytes);
        });
}

void CleanerViewModel::applyDeletionReport(const QUuid& deletionID, const DeletionReport& report,
                                           qint64 count, qint64 bytes) {
    // After a reset or another app the outcome no longer belongs to what the window shows.
    if (deletionID != m_activeDeletionID)
        return;
    QSet<QString> removedPaths;
    for (const QUrl& url : report.deleted)
        removedPaths.insert(standardizedPath(url));
    const qint64 reclaimed = reclaimedSize(report);
    QSet<QString> removedIds;
    for (const ScannedFile& file : m_files->files()) {
        if (removedPaths.contains(standardizedPath(file.url)))
            removedIds.insert(file.id);
    }
    m_files->removeFilesWithIds(removedIds);
    setIsDeleting(false);

    const qint64 deletedCount = report.deleted.size();
    setLastFailures(report.failures);
    if (report.failures.isEmpty()) {
        setStatusMessage(tr("Moved %n items to Trash.", "", int(deletedCount)));
        setLastDeletedCount(count);
        setLastReclaimedSize(bytes);
    } else {
        // The outcome panel lists every item left in place with its reason.
        setStatusMessage(tr("Deleted %n items. Some files failed.", "", int(deletedCount)));
        setLastDeletedCount(deletedCount);
        setLastReclaimedSize(reclaimed);
    }
    setShowSuccessState(true);
}

// Bytes freed by the removed locations, looked up against the rows before they are taken out.
qint64 CleanerViewModel::reclaimedSize(const DeletionReport& report) const {
    QHash<QUrl, qint64> selectedSizes;
    for (const ScannedFile& file : selectedFiles())
        selectedSizes.insert(file.url, file.sizeInBytes);
    const QString appPath =
        appGoesWithSelection() ? standardizedPath(m_droppedApp->appURL) : QString();
    qint64 total = 0;
    for (const QUrl& url : report.deleted) {
        if (appGoesWithSelection() && standardizedPath(url) == appPath)
            total += m_droppedAppSizeInBytes;
        else
            total += selectedSizes.value(url);
    }
    return total;
}

// MARK: reset

void CleanerViewModel::resetSelection() {
    abandonScan();
    m_activeIntakeID = QUuid::createUuid();
    m_activeScanID = QUuid::createUuid();
    m_activeSizeTaskID = QUuid::createUuid();
    m_activeDeletionID = QUuid::createUuid();
    setDroppedApp(std::nullopt);
    setDroppedAppSizeInBytes(0);
    setFileList({});
    m_permissions->setPermissionDeniedPaths({});
    setIsScanning(false);
    setIsDeleting(false);
    setAwaitingManualScan(false);
    m_permissions->setShowPermissionPromptAlert(false);
    setShowSuccessState(false);
    setLastDeletedCount(0);
    setLastReclaimedSize(0);
    setItemsLeftAlone();
    setLastFailures({});
    setUninstallCommand({});
    setStatusMessage(tr("Drop your apps here"));
}

} // namespace tidewell
