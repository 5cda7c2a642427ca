#include "CleanerViewModel.h"

#include "AppIntake.h"
#include "AppPreferences.h"
#include "AppScans.h"
#include "AppsRemoval.h"
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
#include "scanner/PackagedAppSize.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

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
    if (!given.packagedSizeLookup)
        given.packagedSizeLookup = std::move(onHost.packagedSizeLookup);
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
    collaborators.packagedSizeLookup = [host, programs](const AppDescriptor& app) {
        return QtConcurrent::run([app, host, programs] {
            return packagedAppSize(app, host, *programs, FileSystem::real());
        });
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
      m_activeDeletionID(QUuid::createUuid()) {
    collaborators = withDefaults(std::move(collaborators));
    m_deletion = std::move(collaborators.deletion);
    m_journal = std::move(collaborators.journal);
    m_outcome = new RemovalOutcome(undoerOf(m_journal), this);
    m_preferences = collaborators.preferences;
    m_permissions = collaborators.permissions;
    m_reader = new AppReader(std::move(collaborators.descriptorReader), this);
    m_apps = new HeldApps(std::move(collaborators.sizeEstimator),
                          std::move(collaborators.packagedSizeLookup),
                          std::move(collaborators.uninstallLookup), this);
    m_scans = new AppScans(std::move(collaborators.scanner), this);

    connect(m_reader, &AppReader::finished, this, &CleanerViewModel::takeIn);
    connect(m_scans, &AppScans::finished, this, &CleanerViewModel::applyScanReports);
    // The held apps and their sizes count in the selection's totals.
    connect(m_apps, &HeldApps::sizesChanged, this, &CleanerViewModel::selectionChanged);
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
    m_files->setAppFiles({});
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
QList<const HeldApp*> CleanerViewModel::appsGoingWithSelection() const {
    QList<const HeldApp*> going;
    for (qsizetype index = 0; index < m_apps->count(); ++index) {
        if (appGoesWithLeftovers(m_apps->app(index)->descriptor()->kind))
            going.append(m_apps->app(index));
    }
    return going;
}

qint64 CleanerViewModel::selectedSize() const {
    qint64 size = m_files->selectedBytes();
    for (const HeldApp* app : appsGoingWithSelection())
        size += app->sizeInBytes();
    return size;
}

qint64 CleanerViewModel::selectedCount() const {
    return m_files->selectedCount() + appsGoingWithSelection().size();
}

QVariantList CleanerViewModel::appGroups() const {
    QVariantList groups;
    const QList<const HeldApp*> going = appsGoingWithSelection();
    for (qsizetype index = 0; index < m_apps->count(); ++index) {
        const HeldApp* app = m_apps->app(index);
        // Before a scan has been applied the apps have no rows yet.
        const FileListModel::AppTotals totals = index < m_files->owners().size()
                                                    ? m_files->totalsOfApp(index)
                                                    : FileListModel::AppTotals{};
        groups.append(QVariantMap{
            {QStringLiteral("name"), app->displayName()},
            {QStringLiteral("path"), app->path()},
            {QStringLiteral("itemCount"), totals.rowCount},
            {QStringLiteral("selectedBytes"),
             totals.selectedBytes + (going.contains(app) ? app->sizeInBytes() : 0)},
            {QStringLiteral("selectedSizeComplete"), totals.selectedNotSizedWhole == 0},
        });
    }
    return groups;
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
    const QList<AppDescriptor>& owners = m_files->owners();
    if (std::any_of(owners.cbegin(), owners.cend(),
                    [](const AppDescriptor& app) { return app.kind != AppKind::bundle; })) {
        for (const ItemGroupTotal& total : m_files->selectedGroupTotals())
            add(rawValue(total.group), displayName(total.group), total);
    } else {
        for (const CategoryTotal& total : m_files->totalsByCategory())
            add(rawValue(total.category), displayName(total.category), total);
    }
    return breakdown;
}

void CleanerViewModel::handleDroppedApp(const QUrl& url) {
    handleDroppedApps({url});
}

void CleanerViewModel::handleDroppedApps(const QList<QUrl>& urls) {
    m_reader->read(urls);
}

void CleanerViewModel::takeIn(const QList<AppDescriptor>& apps, const QStringList& refusals) {
    if (!refusals.isEmpty())
        reportError(refusals.join(u'\n'));
    if (apps.isEmpty())
        return;
    m_scans->abandon();
    m_activeDeletionID = QUuid::createUuid();
    clearScanResults();
    m_apps->hold(apps);
    if (m_preferences->boolValue(AppPreferences::autoScanAfterDroppingApp)) {
        setStatusMessage(tr("Scanning leftovers for %1...").arg(m_apps->names()));
        startScan();
    } else {
        setPhase(AwaitingScan);
        setStatusMessage(tr("Ready to scan leftovers for %1.").arg(m_apps->names()));
    }
}

void CleanerViewModel::scanForLeftovers(bool isUserInitiated) {
    if (m_apps->count() == 0) {
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
    // Access is detected where each scan ends, off the main thread, and travels with its report.
    m_scans->start(m_apps->descriptors(), m_useSpotlight, m_permissions->statusProbe());
}

void CleanerViewModel::applyScanReports(const QList<ScannedApp>& scanned, bool accessGranted) {
    m_permissions->applyStatus(accessGranted);
    m_files->setAppFiles(scanned);
    m_scanRoots.clear();
    for (const ScannedApp& app : scanned)
        m_scanRoots.append(app.report.roots);
    const QList<LeftAloneItem> leftAlone = leftAloneByAll(scanned);
    const QStringList unreadable = pathsLeftAlone(leftAlone, LeftAloneReason::unreadable);
    m_permissions->setPermissionDeniedPaths(accessGranted ? QStringList{} : unreadable);
    setItemsLeftAlone(leftAlone);
    setPhase(Results);
    m_permissions->applyPromptDecision(!unreadable.isEmpty());
    if (m_files->count() == 0)
        setStatusMessage(tr("No leftover files were found."));
    else
        setStatusMessage(tr("Found %n related items.", "", m_files->count()));
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

// Each app's removal is a call of its own, journalled as one removal; the deletion service runs
// them in turn.
void CleanerViewModel::deleteSelectedFiles() {
    const QList<RemovalPlan> plans = AppsRemoval::plans(*m_apps, *m_files, m_scanRoots);
    if (plans.isEmpty())
        return;
    setPhase(Removing);
    setStatusMessage(tr("Moving selected files to Trash..."));
    const QUuid deletionID = QUuid::createUuid();
    m_activeDeletionID = deletionID;
    AppsRemoval::run(*m_deletion, plans)
        .then(this, [this, deletionID, plans](const QList<DeletionReport>& reports) {
            applyDeletionReports(deletionID, reports, plans);
        });
}

void CleanerViewModel::applyDeletionReports(const QUuid& deletionID,
                                            const QList<DeletionReport>& reports,
                                            const QList<RemovalPlan>& plans) {
    // After a reset or another app the outcome no longer belongs to what the window shows.
    if (deletionID != m_activeDeletionID || reports.size() != plans.size())
        return;
    for (const DeletionReport& report : reports) {
        if (!report.journalFailure.isEmpty()) {
            reportError(report.journalFailure);
            break;
        }
    }
    if (AppsRemoval::refusedByJournal(reports)) {
        setPhase(Results);
        setStatusMessage(tr("Nothing was removed."));
        return;
    }
    const QSet<QString> removedPaths = AppsRemoval::removedPaths(reports);
    QSet<QString> removedIds;
    for (const ScannedFile& file : m_files->files()) {
        if (removedPaths.contains(QDir::cleanPath(file.url.toLocalFile())))
            removedIds.insert(file.id);
    }
    m_files->removeFilesWithIds(removedIds);
    m_outcome->show(reports, plans);
    AppsRemoval::recordUninstalls(*m_apps, reports, plans, m_journal);
    // The outcome panel lists every item left in place with its reason.
    const auto deletedCount = int(m_outcome->removedCount());
    if (m_outcome->failures().isEmpty())
        setStatusMessage(tr("Moved %n items to Trash.", "", deletedCount));
    else
        setStatusMessage(tr("Deleted %n items. Some files failed.", "", deletedCount));
    setPhase(Outcome);
}

void CleanerViewModel::undoRemoval() {
    if (m_phase == Outcome)
        m_outcome->undo();
}

void CleanerViewModel::resetSelection() {
    m_reader->forget();
    m_scans->abandon();
    m_activeDeletionID = QUuid::createUuid();
    m_apps->clear();
    clearScanResults();
    m_permissions->setShowPermissionPromptAlert(false);
    m_outcome->clear();
    setPhase(Empty);
    setStatusMessage(tr("Drop your apps here"));
}

} // namespace tidewell
