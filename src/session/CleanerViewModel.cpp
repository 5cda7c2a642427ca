#include "CleanerViewModel.h"

#include "AppIntake.h"
#include "AppPreferences.h"
#include "HostFromProcess.h"
#include "ItemSize.h"
#include "PreferenceStore.h"
#include "model/ItemGroup.h"
#include "platform/FileSystem.h"
#include "platform/RealProgramRunner.h"
#include "removal/DeletionReport.h"
#include "removal/FileDeletionService.h"
#include "removal/PermissionManager.h"
#include "removal/RemovalJournal.h"
#include "removal/RemovalPlan.h"
#include "scanner/DefaultSpotlightService.h"
#include "scanner/LeftoverScannerService.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

namespace tidewell {

namespace {

// The name QML knows a reason by.
QString reasonName(LeftAloneReason reason) {
    switch (reason) {
    case LeftAloneReason::unreadable:
        return QStringLiteral("unreadable");
    case LeftAloneReason::sharedSettingsFile:
        return QStringLiteral("sharedSettingsFile");
    case LeftAloneReason::dconfFolder:
        return QStringLiteral("dconfFolder");
    case LeftAloneReason::undecodableName:
        break;
    }
    return QStringLiteral("undecodableName");
}

// The permission state of this process's home over the real file system, made on first use
// and never destroyed: views may still hold it while the process winds down.
PermissionManager& processPermissions(const QString& home) {
    static PermissionManager* const instance = new PermissionManager(FileSystem::real(), home);
    return *instance;
}

CleanerViewModel::Collaborators withDefaults(CleanerViewModel::Collaborators given) {
    // What the caller left out works on this process's host.
    const Host host = hostFromProcess();
    CleanerViewModel::Collaborators onHost = CleanerViewModel::collaboratorsOn(
        host, std::make_shared<RealProgramRunner>(host.programPath));
    if (!given.scanner)
        given.scanner = std::move(onHost.scanner);
    if (!given.deletion)
        given.deletion = std::move(onHost.deletion);
    if (!given.preferences)
        given.preferences = &PreferenceStore::shared();
    if (!given.permissions)
        given.permissions = &processPermissions(host.home);
    if (!given.sizeEstimator)
        given.sizeEstimator = &ItemSize::estimateInBackground;
    if (!given.descriptorReader)
        given.descriptorReader = std::move(onHost.descriptorReader);
    if (!given.uninstallLookup)
        given.uninstallLookup = std::move(onHost.uninstallLookup);
    if (!given.journal)
        given.journal = std::move(onHost.journal);
    return given;
}

} // namespace

CleanerViewModel::Collaborators
CleanerViewModel::collaboratorsOn(const Host& host, std::shared_ptr<const ProgramRunner> programs) {
    Collaborators collaborators;
    collaborators.scanner =
        std::make_shared<LeftoverScannerService>(makeDefaultSpotlightService(host), host, programs);
    collaborators.journal = std::make_shared<RemovalJournal>(RemovalJournal::folderOn(host));
    collaborators.deletion =
        std::make_shared<FileDeletionService>(host, FileSystem::real(), collaborators.journal);
    collaborators.descriptorReader = [programs](const QUrl& url) {
        return QtConcurrent::run(
            [url, programs] { return AppIntake::readDropped(url, *programs); });
    };
    collaborators.uninstallLookup = [host, programs](const AppDescriptor& app) {
        return uninstallCommand(app, host, *programs);
    };
    return collaborators;
}

CleanerViewModel::CleanerViewModel(std::shared_ptr<LeftoverScanning> scanner,
                                   std::shared_ptr<FileDeleting> deletion,
                                   PreferenceStore* preferences, QObject* parent)
    : CleanerViewModel(
          Collaborators{std::move(scanner), std::move(deletion), preferences, {}, {}, {}}, parent) {
}

CleanerViewModel::CleanerViewModel(Collaborators collaborators, QObject* parent)
    : QObject(parent), m_files(new FileListModel(this)), m_statusMessage(tr("Drop your apps here")),
      m_activeScanID(QUuid::createUuid()), m_activeDeletionID(QUuid::createUuid()) {
    collaborators = withDefaults(std::move(collaborators));
    m_scanner = std::move(collaborators.scanner);
    m_deletion = std::move(collaborators.deletion);
    m_journal = std::move(collaborators.journal);
    m_outcome = new RemovalOutcome(undoerOf(m_journal), this);
    m_preferences = collaborators.preferences;
    m_permissions = collaborators.permissions;
    m_app = new HeldApp(std::move(collaborators.descriptorReader),
                        std::move(collaborators.sizeEstimator), this);
    m_uninstaller = new PackageUninstaller(std::move(collaborators.uninstallLookup), this);

    connect(m_app, &HeldApp::taken, this, &CleanerViewModel::takeIn);
    connect(m_app, &HeldApp::rejected, this, &CleanerViewModel::reportError);
    // The held app and its size count in the selection's totals.
    connect(m_app, &HeldApp::changed, this, &CleanerViewModel::selectionChanged);
    connect(m_app, &HeldApp::sizeChanged, this, &CleanerViewModel::selectionChanged);
    // A row's checkbox writes its flag straight into the list; the totals follow it.
    // The dashboard counts what is selected, so it follows the selection too.
    connect(m_files, &FileListModel::selectionChanged, this, [this] {
        emit selectionChanged();
        emit categoryBreakdownChanged();
    });
    connect(m_files, &FileListModel::filesChanged, this, [this] {
        emit selectionChanged();
        emit categoryBreakdownChanged();
    });
}

CleanerViewModel::~CleanerViewModel() {
    abandonScan();
}

void CleanerViewModel::setPhase(Phase phase) {
    if (phase == m_phase)
        return;
    m_phase = phase;
    emit phaseChanged();
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

// The alert shows errorMessage, so the text goes in first. Only the window closes the alert.
void CleanerViewModel::reportError(const QString& message) {
    setErrorMessage(message);
    setShowErrorAlert(true);
}

void CleanerViewModel::setItemsLeftAlone(const QList<LeftAloneItem>& items) {
    m_itemsLeftAlone = items;
    emit itemsLeftAloneChanged();
}

void CleanerViewModel::clearScanResults() {
    m_files->setFiles({});
    m_permissions->setPermissionDeniedPaths({});
    setItemsLeftAlone({});
}

QStringList CleanerViewModel::unreadableFolders() const {
    return pathsLeftAlone(m_itemsLeftAlone, LeftAloneReason::unreadable);
}

QVariantList CleanerViewModel::itemsLeftAlone() const {
    QVariantList groups;
    for (const LeftAloneReason reason : allLeftAloneReasons()) {
        const QStringList paths = pathsLeftAlone(m_itemsLeftAlone, reason);
        if (reason != LeftAloneReason::unreadable && !paths.isEmpty())
            groups.append(QVariantMap{{QStringLiteral("reason"), reasonName(reason)},
                                      {QStringLiteral("paths"), paths}});
    }
    return groups;
}

QList<ScannedFile> CleanerViewModel::selectedFiles() const {
    return filesWithSelection(m_files->files(), true);
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
    return m_app->isHeld() && appGoesWithLeftovers(m_app->descriptor()->kind);
}

qint64 CleanerViewModel::selectedSize() const {
    return m_files->selectedBytes() + (appGoesWithSelection() ? m_app->sizeInBytes() : 0);
}

qint64 CleanerViewModel::selectedCount() const {
    return m_files->selectedCount() + (appGoesWithSelection() ? 1 : 0);
}

// A bundle's leftovers by their five categories; a Linux application's by the groups they fill.
QVariantList CleanerViewModel::categoryBreakdown() const {
    QVariantList breakdown;
    const auto add = [&breakdown](const QString& key, const QString& name, const auto& total) {
        breakdown.append(QVariantMap{
            {QStringLiteral("category"), key},
            {QStringLiteral("categoryName"), name},
            {QStringLiteral("totalBytes"), total.totalBytes},
            {QStringLiteral("itemCount"), total.itemCount},
            {QStringLiteral("sizeComplete"), total.sizeComplete},
        });
    };
    if (m_files->owner().kind != AppKind::bundle) {
        for (const ItemGroupTotal& total : itemGroupTotals(selectedFiles(), m_files->owner()))
            add(rawValue(total.group), displayName(total.group), total);
    } else {
        for (const CategoryTotal& total : m_files->totalsByCategory())
            add(rawValue(total.category), displayName(total.category), total);
    }
    return breakdown;
}

void CleanerViewModel::handleDroppedApp(const QUrl& url) {
    m_app->read(url);
}

void CleanerViewModel::takeIn() {
    const AppDescriptor& app = *m_app->descriptor();
    abandonScan();
    m_activeDeletionID = QUuid::createUuid();
    clearScanResults();
    m_files->setOwner(app);
    m_uninstaller->lookUp(app);
    if (m_preferences->boolValue(AppPreferences::autoScanAfterDroppingApp)) {
        setStatusMessage(tr("Scanning leftovers for %1...").arg(app.displayName));
        startScan();
    } else {
        setPhase(AwaitingScan);
        setStatusMessage(tr("Ready to scan leftovers for %1.").arg(app.displayName));
    }
}

void CleanerViewModel::scanForLeftovers(bool isUserInitiated) {
    if (!m_app->isHeld()) {
        if (isUserInitiated)
            reportError(tr("Select an app first."));
        return;
    }
    if (m_phase != Removing && m_phase != Outcome)
        startScan();
}

void CleanerViewModel::startScan() {
    setPhase(Scanning);
    clearScanResults();
    setStatusMessage(tr("Scanning library folders..."));
    abandonScan();
    const QUuid scanID = QUuid::createUuid();
    m_activeScanID = scanID;
    m_activeScan = m_scanner->scan(*m_app->descriptor(), m_useSpotlight);
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
    // A newer scan or a reset owns the state now, the phase included.
    if (scanID != m_activeScanID)
        return;
    m_permissions->applyStatus(accessGranted);
    m_files->setFiles(report.matches);
    m_scanRoots = report.roots;
    const QStringList unreadable = pathsLeftAlone(report.leftAlone, LeftAloneReason::unreadable);
    m_permissions->setPermissionDeniedPaths(accessGranted ? QStringList{} : unreadable);
    setItemsLeftAlone(report.leftAlone);
    setPhase(Results);
    m_permissions->applyPromptDecision(!unreadable.isEmpty());
    if (report.matches.isEmpty())
        setStatusMessage(tr("No leftover files were found."));
    else
        setStatusMessage(tr("Found %n related items.", "", int(report.matches.size())));
}

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
    if (!m_app->isHeld())
        return;
    const RemovalPlan plan(selectedFiles(), m_scanRoots, *m_app->descriptor(),
                           [this] { return MeasuredSize{m_app->sizeInBytes()}; });
    if (plan.items().isEmpty())
        return;
    setPhase(Removing);
    setStatusMessage(tr("Moving selected files to Trash..."));
    const QUuid deletionID = QUuid::createUuid();
    m_activeDeletionID = deletionID;
    m_deletion->deleteItems(plan).then(this,
                                       [this, deletionID, plan](const DeletionReport& report) {
                                           applyDeletionReport(deletionID, report, plan);
                                       });
}

void CleanerViewModel::applyDeletionReport(const QUuid& deletionID, const DeletionReport& report,
                                           const RemovalPlan& plan) {
    // After a reset or another app the outcome no longer belongs to what the window shows.
    if (deletionID != m_activeDeletionID)
        return;
    if (!report.journalFailure.isEmpty())
        reportError(report.journalFailure);
    if (report.journalId == 0 && !report.journalFailure.isEmpty()) {
        setPhase(Results);
        setStatusMessage(tr("Nothing was removed."));
        return;
    }
    QSet<QString> removedPaths;
    for (const QUrl& url : report.deleted)
        removedPaths.insert(QDir::cleanPath(url.toLocalFile()));
    QSet<QString> removedIds;
    for (const ScannedFile& file : m_files->files()) {
        if (removedPaths.contains(QDir::cleanPath(file.url.toLocalFile())))
            removedIds.insert(file.id);
    }
    m_files->removeFilesWithIds(removedIds);
    m_outcome->show(report, plan);
    recordUninstallsWith(report.journalId);
    // The outcome panel lists every item left in place with its reason.
    const auto deletedCount = int(report.deleted.size());
    if (report.failures.isEmpty())
        setStatusMessage(tr("Moved %n items to Trash.", "", deletedCount));
    else
        setStatusMessage(tr("Deleted %n items. Some files failed.", "", deletedCount));
    setPhase(Outcome);
}

// A package manager's uninstall run from the outcome goes into the removal's journal entry.
void CleanerViewModel::recordUninstallsWith(qint64 journalId) {
    if (journalId == 0 || !m_journal)
        return;
    m_uninstaller->setRunRecorder(
        [journal = m_journal, journalId](const QString& command, int exitCode) {
            journal->recordPackageRun(journalId, {command, exitCode});
        });
}

void CleanerViewModel::undoRemoval() {
    if (m_phase == Outcome)
        m_outcome->undo();
}

void CleanerViewModel::resetSelection() {
    abandonScan();
    m_activeScanID = QUuid::createUuid();
    m_activeDeletionID = QUuid::createUuid();
    m_app->clear();
    clearScanResults();
    m_permissions->setShowPermissionPromptAlert(false);
    m_outcome->clear();
    m_uninstaller->forget();
    setPhase(Empty);
    setStatusMessage(tr("Drop your apps here"));
}

} // namespace tidewell
