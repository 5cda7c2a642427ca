#include "HomeRemoval.h"

#include "CliOutput.h"
#include "model/PathRules.h"
#include "platform/RealProgramRunner.h"
#include "removal/FileDeletionService.h"
#include "scanner/ItemClassification.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include <utility>

namespace tidewell {

namespace {

using Method = RemovalOptions::Method;

AppRemoval planApp(const ScannedApp& scanned, const WorkHome& home, bool withOffered) {
    const AppDescriptor& app = scanned.app;
    const QList<ScannedFile>& found = scanned.report.matches;
    AppRemoval removal{
        scanned,
        RemovalPlan(withOffered ? found : filesWithSelection(found, true), scanned.report.roots,
                    app,
                    [&app] { return directorySize(app.appURL.toLocalFile(), FileSystem::real()); }),
        uninstallCommand(app, home.host, RealProgramRunner(home.host.programPath))};
    if (!withOffered)
        removal.offeredLeft = filesWithSelection(found, false);
    if (home.account) {
        removal.outsideHome = removal.plan.confineTo(home.host.home);
        if (pathrules::liesInside(app.appURL.toLocalFile(), home.host.home))
            removal.uninstall.runnable = false;
    }
    return removal;
}

// Runs one removal call per app, each in its home with that home's user's Trash.
template <typename Call>
void forEachApp(QList<HomeRemoval>& removals, const std::shared_ptr<const RemovalJournal>& journal,
                const Call& call) {
    for (HomeRemoval& removal : removals) {
        const std::unique_ptr<FileSystem> fileSystem = removal.home.fileSystem();
        FileDeletionService service(removal.home.host, *fileSystem, journal);
        for (AppRemoval& app : removal.apps)
            call(service, app, removal.home);
    }
}

// The part of plan that the Trash refused, with its sizes.
RemovalPlan refusedPart(const RemovalPlan& plan, const QList<DeletionFailure>& refusals) {
    QList<RemovalPlan::Item> refused;
    for (const DeletionFailure& failure : refusals)
        refused.append({failure.url, plan.sizeOf(failure.url)});
    return {refused, plan.scope(), plan.subject()};
}

void append(DeletionReport& report, const DeletionReport& later) {
    report.deleted += later.deleted;
    report.failures += later.failures;
    report.trashed += later.trashed;
    report.removedPermanently += later.removedPermanently;
    report.notAttempted += later.notAttempted;
    if (!later.journalFailure.isEmpty())
        report.journalFailure = later.journalFailure;
}

// Records in removal id's journal entry, when there is one, the items that stay after all.
void recordStaying(const RemovalJournal* journal, qint64 id, const QList<DeletionFailure>& stayed) {
    if (!journal || id == 0)
        return;
    std::variant<JournalEntry, QString> entry = journal->reopen(id);
    JournalEntry* opened = std::get_if<JournalEntry>(&entry);
    for (qsizetype index = 0; opened && index < stayed.size(); ++index)
        opened->record({QDir::cleanPath(stayed[index].url.toLocalFile()),
                        {},
                        RemovalRecord::Outcome::failed,
                        {},
                        stayed[index].reason});
}

} // namespace

HomeRemoval HomeRemoval::plan(const WorkHome& home, const QList<ScannedApp>& scanned,
                              bool withOffered) {
    HomeRemoval removal{home, {}};
    QSet<QUrl> planned; // an item two apps share goes once, with the first
    for (const ScannedApp& app : scanned) {
        removal.apps.append(planApp(app, home, withOffered));
        removal.apps.last().plan.keepUnplanned(planned);
    }
    return removal;
}

void trashPlannedItems(QList<HomeRemoval>& removals, const std::function<bool()>& stopRequested,
                       const std::shared_ptr<const RemovalJournal>& journal) {
    forEachApp(removals, journal,
               [&](FileDeletionService& service, AppRemoval& app, const WorkHome&) {
                   app.deletion =
                       service.deleteItems(app.plan, {Method::trashOnly, stopRequested}).result();
               });
}

QString journalRefusal(const QList<HomeRemoval>& removals) {
    for (const HomeRemoval& removal : removals) {
        for (const AppRemoval& app : removal.apps) {
            if (app.deletion.journalId == 0 && !app.deletion.journalFailure.isEmpty())
                return app.deletion.journalFailure;
        }
    }
    return {};
}

QList<DeletionFailure> trashRefusals(const QList<HomeRemoval>& removals) {
    QList<DeletionFailure> refusals;
    for (const HomeRemoval& removal : removals) {
        for (const AppRemoval& app : removal.apps) {
            if (!removal.home.account)
                refusals += app.deletion.trashRefusals;
        }
    }
    return refusals;
}

void settleTrashRefusals(QList<HomeRemoval>& removals, bool removeThem,
                         const std::function<bool()>& stopRequested,
                         const std::shared_ptr<const RemovalJournal>& journal) {
    forEachApp(removals, journal,
               [&](FileDeletionService& service, AppRemoval& app, const WorkHome& home) {
                   const QList<DeletionFailure> refusals =
                       std::exchange(app.deletion.trashRefusals, {});
                   if (refusals.isEmpty())
                       return;
                   if (!removeThem || home.account || !app.deletion.journalFailure.isEmpty()) {
                       app.deletion.failures += refusals;
                       recordStaying(journal.get(), app.deletion.journalId, refusals);
                       return;
                   }
                   const RemovalOptions inPlace{Method::removeInPlace, stopRequested,
                                                app.deletion.journalId};
                   append(app.deletion,
                          service.deleteItems(refusedPart(app.plan, refusals), inPlace).result());
               });
}

void runUninstallCommands(QList<HomeRemoval>& removals, const RemovalJournal* journal) {
    QHash<QStringList, int> exitCodes;
    for (HomeRemoval& removal : removals) {
        for (AppRemoval& app : removal.apps) {
            if (!app.uninstall.runnable || app.uninstall.isEmpty())
                continue;
            if (!exitCodes.contains(app.uninstall.arguments))
                exitCodes.insert(app.uninstall.arguments, runUninstallCommand(app.uninstall));
            app.uninstallExitCode = exitCodes.value(app.uninstall.arguments);
            const std::optional<QString> unrecorded =
                journal && app.deletion.journalId != 0
                    ? journal->recordPackageRun(app.deletion.journalId,
                                                {app.uninstall.text(), *app.uninstallExitCode})
                    : std::nullopt;
            if (unrecorded)
                CliOutput::printErrorLine(*unrecorded);
        }
    }
}

bool isComplete(const QList<HomeRemoval>& removals) {
    for (const HomeRemoval& removal : removals) {
        for (const AppRemoval& app : removal.apps) {
            if (!app.deletion.failures.isEmpty() || !app.deletion.notAttempted.isEmpty() ||
                app.uninstallExitCode.value_or(0) != 0)
                return false;
        }
    }
    return true;
}

} // namespace tidewell
