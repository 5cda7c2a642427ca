#pragma once

#include "AppReader.h"
#include "FileListModel.h"
#include "HeldApp.h"
#include "HeldApps.h"
#include "PackageUninstaller.h"
#include "RemovalOutcome.h"
#include "model/ScannedFile.h"
#include "platform/Host.h"
#include "platform/ProgramRunner.h"
#include "scanner/ScanReport.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUuid>
#include <QVariantList>

#include <memory>

namespace tidewell {

class AppScans;
class FileDeleting;
class LeftoverScanning;
class PermissionManager;
class PreferenceStore;
class RemovalJournal;
class RemovalPlan;
struct DeletionReport;

// The state of the main window and the operations of one cleaning session: the apps it holds
// (apps; app is the first), the scans for their leftovers, the selection, their removal
// (outcome) and the package managers' commands for the apps themselves (uninstaller is the
// first app's). Lives on the main thread; long work runs elsewhere and its results are applied
// here. The file chooser that picks apps belongs to the window, which hands the chosen apps to
// handleDroppedApps() exactly like a drop.
class CleanerViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(tidewell::HeldApp* app READ app CONSTANT)
    Q_PROPERTY(tidewell::HeldApps* apps READ apps CONSTANT)
    Q_PROPERTY(tidewell::FileListModel* files READ files CONSTANT)
    Q_PROPERTY(tidewell::RemovalOutcome* outcome READ outcome CONSTANT)
    Q_PROPERTY(tidewell::PackageUninstaller* uninstaller READ uninstaller CONSTANT)
    Q_PROPERTY(bool useSpotlight READ useSpotlight NOTIFY useSpotlightChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool showDeleteConfirmation READ showDeleteConfirmation WRITE
                   setShowDeleteConfirmation NOTIFY showDeleteConfirmationChanged)
    Q_PROPERTY(bool showErrorAlert READ showErrorAlert WRITE setShowErrorAlert NOTIFY
                   showErrorAlertChanged)
    Q_PROPERTY(
        QString errorMessage READ errorMessage WRITE setErrorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(qint64 selectedCount READ selectedCount NOTIFY selectionChanged)
    Q_PROPERTY(qint64 selectedSize READ selectedSize NOTIFY selectionChanged)
    // False when a selected item could not be sized whole: selectedSize is then a lower bound.
    Q_PROPERTY(bool selectedSizeComplete READ selectedSizeComplete NOTIFY selectionChanged)
    Q_PROPERTY(bool isAllSelected READ isAllSelected NOTIFY selectionChanged)
    Q_PROPERTY(bool isAnySelected READ isAnySelected NOTIFY selectionChanged)
    Q_PROPERTY(
        QVariantList categoryBreakdown READ categoryBreakdown NOTIFY categoryBreakdownChanged)
    // One map per held app, in order, for the heading of its rows: {name, path, itemCount (its
    // rows), selectedBytes (its selected rows and the app itself where it goes with them),
    // selectedSizeComplete}.
    Q_PROPERTY(QVariantList appGroups READ appGroups NOTIFY selectionChanged)
    // Every folder the last scan could not read, whatever the permission state.
    Q_PROPERTY(QStringList unreadableFolders READ unreadableFolders NOTIFY itemsLeftAloneChanged)
    // The items the last scan found but leaves alone, one entry per reason in the order they are
    // listed: {reason: "sharedSettingsFile", "dconfFolder" or "undecodableName", paths}. The
    // folders it could not read are in unreadableFolders.
    Q_PROPERTY(QVariantList itemsLeftAlone READ itemsLeftAlone NOTIFY itemsLeftAloneChanged)

public:
    // What the window shows: no app; an app waiting for a scan the user starts; its scan
    // running; its leftovers (perhaps none); their removal running; what the removal did.
    enum Phase { Empty, AwaitingScan, Scanning, Results, Removing, Outcome };
    Q_ENUM(Phase)

    using SizeEstimator = HeldApp::SizeEstimator;
    using DescriptorReader = AppReader::DescriptorReader;

    // What the view model works with; every empty member is replaced by the real default.
    struct Collaborators {
        std::shared_ptr<LeftoverScanning> scanner;
        std::shared_ptr<FileDeleting> deletion;
        PreferenceStore* preferences = nullptr;
        PermissionManager* permissions = nullptr;
        SizeEstimator sizeEstimator;
        DescriptorReader descriptorReader; // by default on a worker thread
        // By default on this process's host.
        PackageUninstaller::Lookup uninstallLookup = {};
        // By default on a worker thread, on this process's host.
        HeldApp::PackagedSizeLookup packagedSizeLookup = {};
        // Where the deletion service records removals, undone from here; by default this
        // process's host's.
        std::shared_ptr<const RemovalJournal> journal = {};
    };

    // The scanner, removal with its journal, intake, uninstall command's and package size's
    // lookups that work on host, asking its programs through programs; the preferences,
    // permissions and size estimate are left to their defaults.
    static Collaborators collaboratorsOn(const Host& host,
                                         std::shared_ptr<const ProgramRunner> programs);

    explicit CleanerViewModel(std::shared_ptr<LeftoverScanning> scanner = {},
                              std::shared_ptr<FileDeleting> deletion = {},
                              PreferenceStore* preferences = nullptr, QObject* parent = nullptr);
    explicit CleanerViewModel(Collaborators collaborators, QObject* parent = nullptr);

    // Published state.
    Phase phase() const { return m_phase; }
    HeldApp* app() const { return m_apps->app(0); }
    HeldApps* apps() const { return m_apps; }
    FileListModel* files() const { return m_files; }
    RemovalOutcome* outcome() const { return m_outcome; }
    PackageUninstaller* uninstaller() const { return m_apps->uninstaller(0); }
    bool useSpotlight() const { return m_useSpotlight; }
    QString statusMessage() const { return m_statusMessage; }
    bool showDeleteConfirmation() const { return m_showDeleteConfirmation; }
    void setShowDeleteConfirmation(bool show);
    bool showErrorAlert() const { return m_showErrorAlert; }
    void setShowErrorAlert(bool show);
    QString errorMessage() const { return m_errorMessage; }
    void setErrorMessage(const QString& message);
    QStringList unreadableFolders() const;
    QVariantList itemsLeftAlone() const;

    // Derived values, computed on every read.
    QList<ScannedFile> selectedFiles() const;
    bool isAllSelected() const;
    bool isAnySelected() const;
    qint64 selectedSize() const;
    bool selectedSizeComplete() const { return m_files->selectedSizeComplete(); }
    qint64 selectedCount() const;
    // One map per category of the selected files: all five categories for bundles' leftovers,
    // per group (ItemGroup) where a Linux application is among the apps: {category: raw value
    // or group key, categoryName: its name in the user's language, totalBytes, itemCount,
    // sizeComplete}.
    QVariantList categoryBreakdown() const;
    QVariantList appGroups() const;

    // Operations; each returns at once.
    Q_INVOKABLE void handleDroppedApp(const QUrl& url);
    // Takes in the apps the items at urls name, in place of the ones held; the items that name
    // none are refused in the error alert.
    Q_INVOKABLE void handleDroppedApps(const QList<QUrl>& urls);
    // Does nothing while a removal runs or its outcome is on show.
    Q_INVOKABLE void scanForLeftovers(bool isUserInitiated);
    Q_INVOKABLE void toggleSelectAll();
    Q_INVOKABLE void requestDeletion();
    Q_INVOKABLE void deleteSelectedFiles();
    // Puts back from the Trash what the removal on show moved there; the outcome tells how it
    // went (outcome.undoStatus).
    Q_INVOKABLE void undoRemoval();
    Q_INVOKABLE void resetSelection();

signals:
    void phaseChanged();
    void useSpotlightChanged();
    void statusMessageChanged();
    void showDeleteConfirmationChanged();
    void showErrorAlertChanged();
    void errorMessageChanged();
    void selectionChanged();
    void categoryBreakdownChanged();
    void itemsLeftAloneChanged();

private:
    void setPhase(Phase phase);
    void setStatusMessage(const QString& message);
    void reportError(const QString& message);
    void setItemsLeftAlone(const QList<LeftAloneItem>& items);
    // Empties the list and everything the last scan found.
    void clearScanResults();
    // The held apps that go along with the selection, with their sizes.
    QList<const HeldApp*> appsGoingWithSelection() const;

    void takeIn(const QList<AppDescriptor>& apps, const QStringList& refusals);
    void startScan();
    void applyScanReports(const QList<ScannedApp>& scanned, bool accessGranted);
    void applyDeletionReports(const QUuid& deletionID, const QList<DeletionReport>& reports,
                              const QList<RemovalPlan>& plans);

    std::shared_ptr<FileDeleting> m_deletion;
    std::shared_ptr<const RemovalJournal> m_journal;
    PreferenceStore* m_preferences = nullptr;
    PermissionManager* m_permissions = nullptr;

    Phase m_phase = Empty;
    AppReader* m_reader = nullptr;
    HeldApps* m_apps = nullptr;
    AppScans* m_scans = nullptr;
    FileListModel* m_files = nullptr;
    RemovalOutcome* m_outcome = nullptr;
    // Each app's folders of the last scan: the removal of its items stays inside them.
    QList<QStringList> m_scanRoots;
    QList<LeftAloneItem> m_itemsLeftAlone;
    bool m_useSpotlight = true;
    QString m_statusMessage;
    bool m_showDeleteConfirmation = false;
    bool m_showErrorAlert = false;
    QString m_errorMessage;

    QUuid m_activeDeletionID;
};

} // namespace tidewell
