#pragma once

#include "AppBatch.h"
#include "WorkHome.h"
#include "removal/DeletionReport.h"
#include "removal/RemovalPlan.h"
#include "session/PackageRemoval.h"

#include <QList>
#include <QUrl>

#include <optional>

namespace tidewell {

// One app's part of a removal in one home.
struct AppRemoval {
    ScannedApp scanned;
    RemovalPlan plan;
    UninstallCommand uninstall;
    // Found by the scan of a user's home for an administrator, but outside that home: left
    // alone, as that user's Trash is no place for them.
    QList<QUrl> outsideHome = {};
    DeletionReport deletion = {};
    std::optional<int> uninstallExitCode = {}; // only once the command ran
};

// What one removal does in one home: every app's part.
struct HomeRemoval {
    WorkHome home;
    QList<AppRemoval> apps;

    // The removal of the scanned apps in home: each app's plan (the app itself where it goes
    // with its leftovers) and its package manager's command. In a user's home the removal is
    // confined to it, and a per-user installation's command is only shown: run here it would act
    // on the administrator's own installation.
    static HomeRemoval plan(const WorkHome& home, const QList<ScannedApp>& scanned);
};

// Moves every planned item to the Trash of its home's user; what the Trash refuses stays in the
// apps' DeletionReport::trashRefusals. Stops between items once stopRequested answers true.
void trashPlannedItems(QList<HomeRemoval>& removals, const std::function<bool()>& stopRequested);

// The items the Trash refused that may be removed in place instead: those of the process's own
// user. In another user's home the user's Trash is the only place their items go.
QList<DeletionFailure> trashRefusals(const QList<HomeRemoval>& removals);

// Removes in place what the Trash refused when removeThem and trashRefusals lists it, else counts
// it among the failures.
void settleTrashRefusals(QList<HomeRemoval>& removals, bool removeThem,
                         const std::function<bool()>& stopRequested);

// Runs each runnable package manager's command once, however many homes it was planned for, and
// records its exit code wherever it was planned.
void runUninstallCommands(QList<HomeRemoval>& removals);

// Whether everything planned went: no failure, nothing left unattempted, every command run
// succeeded.
bool isComplete(const QList<HomeRemoval>& removals);

} // namespace tidewell
