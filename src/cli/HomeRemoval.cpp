#include "HomeRemoval.h"

#include "model/PathRules.h"
#include "platform/RealProgramRunner.h"
#include "removal/FileDeletionService.h"
#include "scanner/ItemClassification.h"

#include <QHash>
#include <QSet>

#include <utility>

namespace tidewell {

namespace {

using Method = RemovalOptions::Method;

AppRemoval planApp(const ScannedApp& scanned, const WorkHome& home) {
    const AppDescriptor& app = scanned.app;
    AppRemoval removal{
        scanned,
        RemovalPlan(scanned.report.matches, scanned.report.roots, app,
                    [&app] { return directorySize(app.appURL.toLocalFile(), FileSystem::real()); }),
        uninstallCommand(app, home.host, RealProgramRunner(home.host.programPath))};
    if (home.account) {
        removal.outsideHome = removal.plan.confineTo(home.host.home);
        if (pathrules::liesInside(app.appURL.toLocalFile(), home.host.home))
            removal.uninstall.runnable = false;
    }
    return removal;
}

// Runs one removal call per app, each in its home with that home's user's Trash.
template <typename Call> void forEachApp(QList<HomeRemoval>& removals, const Call& call) {
    for (HomeRemoval& removal : removals) {
        const std::unique_ptr<FileSystem> fileSystem = removal.home.fileSystem();
        FileDeletionService service(removal.home.host, *fileSystem);
        for (AppRemoval& app : removal.apps)
            call(service, app, removal.home);
    }
}

QList<QUrl> urlsOf(const QList<DeletionFailure>& failures) {
    QList<QUrl> urls;
    for (const DeletionFailure& failure : failures)
        urls.append(failure.url);
    return urls;
}

void append(DeletionReport& report, const DeletionReport& later) {
    report.deleted += later.deleted;
    report.failures += later.failures;
    report.trashed += later.trashed;
    report.removedPermanently += later.removedPermanently;
    report.notAttempted += later.notAttempted;
}

} // namespace

HomeRemoval HomeRemoval::plan(const WorkHome& home, const QList<ScannedApp>& scanned) {
    HomeRemoval removal{home, {}};
    QSet<QUrl> planned; // an item two apps share goes once, with the first
    for (const ScannedApp& app : scanned) {
        removal.apps.append(planApp(app, home));
        removal.apps.last().plan.keepOnly(
            [&planned](const QUrl& url) { return !planned.contains(url); });
        for (const QUrl& url : removal.apps.last().plan.urls())
            planned.insert(url);
    }
    return removal;
}

void trashPlannedItems(QList<HomeRemoval>& removals, const std::function<bool()>& stopRequested) {
    forEachApp(removals, [&](FileDeletionService& service, AppRemoval& app, const WorkHome&) {
        app.deletion =
            service
                .deleteItems(app.plan.urls(), app.plan.scope(), {Method::trashOnly, stopRequested})
                .result();
    });
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
                         const std::function<bool()>& stopRequested) {
    forEachApp(removals, [&](FileDeletionService& service, AppRemoval& app, const WorkHome& home) {
        const QList<DeletionFailure> refusals = std::exchange(app.deletion.trashRefusals, {});
        if (refusals.isEmpty())
            return;
        if (!removeThem || home.account) {
            app.deletion.failures += refusals;
            return;
        }
        append(app.deletion, service
                                 .deleteItems(urlsOf(refusals), app.plan.scope(),
                                              {Method::removeInPlace, stopRequested})
                                 .result());
    });
}

void runUninstallCommands(QList<HomeRemoval>& removals) {
    QHash<QStringList, int> exitCodes;
    for (HomeRemoval& removal : removals) {
        for (AppRemoval& app : removal.apps) {
            if (!app.uninstall.runnable || app.uninstall.isEmpty())
                continue;
            if (!exitCodes.contains(app.uninstall.arguments))
                exitCodes.insert(app.uninstall.arguments, runUninstallCommand(app.uninstall));
            app.uninstallExitCode = exitCodes.value(app.uninstall.arguments);
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
