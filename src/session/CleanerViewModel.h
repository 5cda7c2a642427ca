#pragma once

#include "FileListModel.h"
#include "PackageRemoval.h"
#include "model/AppDescriptor.h"
#include "model/ScannedFile.h"
#include "scanner/ScanReport.h"

#include <QFuture>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

namespace tidewell {

class FileDeleting;
class LeftoverScanning;
class PermissionManager;
class PreferenceStore;
struct DeletionFailure;
struct DeletionReport;

// The state of the main window and the operations of one cleaning session: taking in a
// bundle, estimating its size, scanning for its leftovers, the selection and the removal.
// Lives on the main thread; long work runs elsewhere and its results are applied here.
// The file chooser that picks a bundle belongs to the window, which hands the chosen bundle
// to handleDroppedApp() exactly like a drop.
class CleanerViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantMap droppedApp READ droppedApp NOTIFY droppedAppChanged)
    Q_PROPERTY(bool hasDroppedApp READ hasDroppedApp NOTIFY hasDroppedAppChanged)
    Q_PROPERTY(
        qint64 droppedAppSizeInBytes READ droppedAppSizeInBytes NOTIFY droppedAppSizeInBytesChanged)
    Q_PROPERTY(tidewell::FileListModel* files READ files CONSTANT)
    Q_PROPERTY(bool useSpotlight READ useSpotlight NOTIFY useSpotlightChanged)
    Q_PROPERTY(bool isScanning READ isScanning NOTIFY isScanningChanged)
    Q_PROPERTY(bool isDeleting READ isDeleting NOTIFY isDeletingChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool showDeleteConfirmation READ showDeleteConfirmation WRITE
                   setShowDeleteConfirmation NOTIFY showDeleteConfirmationChanged)
    Q_PROPERTY(bool showErrorAlert READ showErrorAlert WRITE setShowErrorAlert NOTIFY
                   showErrorAlertChanged)
    Q_PROPERTY(
        QString errorMessage READ errorMessage WRITE setErrorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(bool awaitingManualScan READ awaitingManualScan NOTIFY awaitingManualScanChanged)
    Q_PROPERTY(bool showSuccessState READ showSuccessState NOTIFY showSuccessStateChanged)
    Q_PROPERTY(qint64 lastDeletedCount READ lastDeletedCount NOTIFY lastDeletedCountChanged)
    Q_PROPERTY(qint64 lastReclaimedSize READ lastReclaimedSize NOTIFY lastReclaimedSizeChanged)
    Q_PROPERTY(qint64 selectedCount READ selectedCount NOTIFY selectedCountChanged)
    Q_PROPERTY(qint64 selectedSize READ selectedSize NOTIFY selectedSizeChanged)
    // False when a selected item could not be sized whole: selectedSize is then a lower bound.
    Q_PROPERTY(bool selectedSizeComplete READ selectedSizeComplete NOTIFY selectedSizeChanged)
    Q_PROPERTY(bool isAllSelected READ isAllSelected NOTIFY isAllSelectedChanged)
    Q_PROPERTY(bool isAnySelected READ isAnySelected NOTIFY isAnySelectedChanged)
    Q_PROPERTY(
        QVariantList categoryBreakdown READ categoryBreakdown NOTIFY categoryBreakdownChanged)
    Q_PROPERTY(QString appSizeText READ appSizeText NOTIFY appSizeTextChanged)
    Q_PROPERTY(QStringList unreadableFolders READ unreadableFolders NOTIFY unreadableFoldersChanged)
    // The command that uninstalls the held Linux application through its package manager;
    // empty for a bundle or an application no package manager owns.
    Q_PROPERTY(QString uninstallCommand READ uninstallCommand NOTIFY uninstallCommandChanged)
    // Whether the window may run it (Flatpak, snap: no administrator rights through a terminal).
    Q_PROPERTY(
        bool canRunUninstallCommand READ canRunUninstallCommand NOTIFY uninstallCommandChanged)
    // While it runs and after: what became of it; empty before it is run.
    Q_PROPERTY(bool isUninstalling READ isUninstalling NOTIFY uninstallStatusChanged)
    Q_PROPERTY(QString uninstallStatus READ uninstallStatus NOTIFY uninstallStatusChanged)
    // Found items whose names are not valid UTF-8: shown, never offered for removal.
    Q_PROPERTY(QStringList undecodableItems READ undecodableItems NOTIFY undecodableItemsChanged)
    // Settings files that name the held Linux application among other apps' lines: shown,
    // never removed.
    Q_PROPERTY(QStringList keptSettingsFiles READ keptSettingsFiles NOTIFY undecodableItemsChanged)
    Q_PROPERTY(QStringList keptDconfFolders READ keptDconfFolders NOTIFY undecodableItemsChanged)
    Q_PROPERTY(QVariantList lastFailures READ lastFailures NOTIFY lastFailuresChanged)

public:
    // Starts the size estimate of a bundle; the future delivers its on-disk size in bytes.
    using SizeEstimator = std::function<QFuture<qint64>(const QUrl& bundleURL)>;
    // Starts reading a bundle's descriptor.
    using DescriptorReader = std::function<QFuture<AppDescriptor::Result>(const QUrl& bundleURL)>;

    // What the view model works with; every empty member is replaced by the real default.
    struct Collaborators {
        std::shared_ptr<LeftoverScanning> scanner;
        std::shared_ptr<FileDeleting> deletion;
        PreferenceStore* preferences = nullptr;
        PermissionManager* permissions = nullptr;
        SizeEstimator sizeEstimator;
        DescriptorReader descriptorReader; // by default on a worker thread
    };

    explicit CleanerViewModel(std::shared_ptr<LeftoverScanning> scanner = {},
                              std::shared_ptr<FileDeleting> deletion = {},
                              PreferenceStore* preferences = nullptr, QObject* parent = nullptr);
    explicit CleanerViewModel(Collaborators collaborators, QObject* parent = nullptr);
    ~CleanerViewModel() override;

    // Published state.
    QVariantMap droppedApp() const;
    bool hasDroppedApp() const { return m_droppedApp.has_value(); }
    const std::optional<AppDescriptor>& droppedAppDescriptor() const { return m_droppedApp; }
    qint64 droppedAppSizeInBytes() const { return m_droppedAppSizeInBytes; }
    FileListModel* files() const { return m_files; }
    bool useSpotlight() const { return m_useSpotlight; }
    bool isScanning() const { return m_isScanning; }
    bool isDeleting() const { return m_isDeleting; }
    QString statusMessage() const { return m_statusMessage; }
    bool showDeleteConfirmation() const { return m_showDeleteConfirmation; }
    void setShowDeleteConfirmation(bool show);
    bool showErrorAlert() const { return m_showErrorAlert; }
    void setShowErrorAlert(bool show);
    QString errorMessage() const { return m_errorMessage; }
    void setErrorMessage(const QString& message);
    bool awaitingManualScan() const { return m_awaitingManualScan; }
    bool showSuccessState() const { return m_showSuccessState; }
    qint64 lastDeletedCount() const { return m_lastDeletedCount; }
    qint64 lastReclaimedSize() const { return m_lastReclaimedSize; }
    // Every folder the last scan could not read, whatever the permission state.
    QStringList unreadableFolders() const { return m_unreadableFolders; }
    QStringList undecodableItems() const { return m_undecodableItems; }
    QStringList keptSettingsFiles() const { return m_keptSettingsFiles; }
    QStringList keptDconfFolders() const { return m_keptDconfFolders; }
    QString uninstallCommand() const { return m_uninstall.text(); }
    bool canRunUninstallCommand() const { return m_uninstall.runnable; }
    bool isUninstalling() const { return m_isUninstalling; }
    QString uninstallStatus() const { return m_uninstallStatus; }
    // The items the last removal left in place: {path, fileName, reason} each.
    QVariantList lastFailures() const { return m_lastFailures; }

    // Derived values, computed on every read.
    QList<ScannedFile> selectedFiles() const;
    bool isAllSelected() const;
    bool isAnySelected() const;
    qint64 selectedSize() const;
    bool selectedSizeComplete() const { return m_files->selectedSizeComplete(); }
    qint64 selectedCount() const;
    // One map per category: {category: raw text, categoryName: its translation, totalBytes,
    // itemCount, sizeComplete}.
    QVariantList categoryBreakdown() const;
    QString appSizeText() const;

    // Operations; each returns at once.
    Q_INVOKABLE void handleDroppedApp(const QUrl& url);
    Q_INVOKABLE void scanForLeftovers(bool isUserInitiated);
    Q_INVOKABLE void toggleSelectAll();
    Q_INVOKABLE void requestDeletion();
    Q_INVOKABLE void deleteSelectedFiles();
    Q_INVOKABLE void resetSelection();
    // Runs the uninstall command on a worker, once at a time.
    Q_INVOKABLE void runUninstallCommand();

signals:
    void droppedAppChanged();
    void hasDroppedAppChanged();
    void droppedAppSizeInBytesChanged();
    void useSpotlightChanged();
    void isScanningChanged();
    void isDeletingChanged();
    void statusMessageChanged();
    void showDeleteConfirmationChanged();
    void showErrorAlertChanged();
    void errorMessageChanged();
    void awaitingManualScanChanged();
    void showSuccessStateChanged();
    void lastDeletedCountChanged();
    void lastReclaimedSizeChanged();
    void selectedCountChanged();
    void selectedSizeChanged();
    void isAllSelectedChanged();
    void isAnySelectedChanged();
    void categoryBreakdownChanged();
    void appSizeTextChanged();
    void unreadableFoldersChanged();
    void undecodableItemsChanged();
    void uninstallCommandChanged();
    void uninstallStatusChanged();
    void lastFailuresChanged();

private:
    void setDroppedApp(const std::optional<AppDescriptor>& app);
    void setDroppedAppSizeInBytes(qint64 size);
    void setFileList(const QList<ScannedFile>& files);
    void setIsScanning(bool scanning);
    void setIsDeleting(bool deleting);
    void setStatusMessage(const QString& message);
    void setAwaitingManualScan(bool awaiting);
    void setShowSuccessState(bool show);
    void setLastDeletedCount(qint64 count);
    void setLastReclaimedSize(qint64 size);
    void reportError(const QString& message);
    bool appGoesWithSelection() const;
    void findUninstallCommand(const AppDescriptor& app, const QUuid& intakeID);
    void setUninstallCommand(const UninstallCommand& command);
    void setUninstallStatus(bool running, const QString& status);
    static QString uninstallOutcomeText(const UninstallOutcome& outcome);
    void setItemsLeftAlone(const QStringList& unreadableFolders = {},
                           const QStringList& undecodableItems = {},
                           const QStringList& keptSettingsFiles = {},
                           const QStringList& keptDconfFolders = {});
    void setLastFailures(const QList<DeletionFailure>& failures);

    void notifySelectionTotals();
    void takeIn(const AppDescriptor::Result& result);
    void triggerAppSizeEstimation(const QUrl& bundleURL);
    void applySizeEstimate(const QUuid& taskID, qint64 size);
    void applyScanReport(const QUuid& scanID, const ScanReport& report, bool accessGranted);
    // Tells the running scan, if any, that its result is no longer wanted.
    void abandonScan();
    void applyDeletionReport(const QUuid& deletionID, const DeletionReport& report, qint64 count,
                             qint64 bytes);
    qint64 reclaimedSize(const DeletionReport& report) const;

    std::shared_ptr<LeftoverScanning> m_scanner;
    std::shared_ptr<FileDeleting> m_deletion;
    PreferenceStore* m_preferences = nullptr;
    PermissionManager* m_permissions = nullptr;
    SizeEstimator m_sizeEstimator;
    DescriptorReader m_descriptorReader;

    std::optional<AppDescriptor> m_droppedApp;
    qint64 m_droppedAppSizeInBytes = 0;
    QStringList m_scanRoots; // the last scan's folders: removal stays inside them
    FileListModel* m_files = nullptr;
    bool m_useSpotlight = true;
    bool m_isScanning = false;
    bool m_isDeleting = false;
    QString m_statusMessage;
    bool m_showDeleteConfirmation = false;
    bool m_showErrorAlert = false;
    QString m_errorMessage;
    bool m_awaitingManualScan = false;
    bool m_showSuccessState = false;
    qint64 m_lastDeletedCount = 0;
    qint64 m_lastReclaimedSize = 0;
    QStringList m_unreadableFolders;
    QStringList m_undecodableItems;
    QStringList m_keptSettingsFiles;
    QStringList m_keptDconfFolders;
    UninstallCommand m_uninstall;
    bool m_isUninstalling = false;
    QString m_uninstallStatus;
    QVariantList m_lastFailures;

    QUuid m_activeScanID;
    QFuture<ScanReport> m_activeScan;
    QUuid m_activeSizeTaskID;
    QUuid m_activeIntakeID;
    QUuid m_activeDeletionID;
};

} // namespace tidewell
