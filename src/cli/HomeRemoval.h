#pragma once

#include "AppBatch.h"
#include "WorkHome.h"
#include "removal/DeletionReport.h"
#include "removal/RemovalJournal.h"
#include "removal/RemovalPlan.h"
#include "session/PackageRemoval.h"

#include <QList>
#include <QUrl>

#include <memory>
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
    // Only offered for review, not certainly the app's: left where they are unless the removal
    // takes them too.
    QList<ScannedFile> offeredLeft = {};
    DeletionReport deletion = {};
    std::optional<int> uninstallExitCode = {}; // only once the command ran
};

// What one removal does in one home: every app's part.
struct HomeRemoval {
    WorkHome home;
    QList<AppRemoval> apps;

    // The removal of the scanned apps in home: each app's plan (what starts selected, with
    // withOffered what is only offered too, and the app itself where it goes with its leftovers)
    // and its package manager's command. In a user's home the removal is
    // confined to it, and a per-user installation's command is only shown: run here it would act
    // on the administrator's own installation.
    static HomeRemoval plan(const WorkHome& home, const QList<ScannedApp>& scanned,
                            bool withOffered);
};

// Moves every planned item to the Trash of its home's user; what the Trash refuses stays in the
// apps' DeletionReport::trashRefusals. Stops between items once stopRequested answers true.
// With a journal (the process's own, whoever's home it works in), each app's removal is an entry
// of it, begun before its first item; an app whose entry cannot be written is not removed.
void trashPlannedItems(QList<HomeRemoval>& removals, const std::function<bool()>& stopRequested,
                       const std::shared_ptr<const RemovalJournal>& journal);

// Why the journal kept an app from being removed at all; empty when none was.
QString journalRefusal(const QList<HomeRemoval>& removals);

// The items the Trash refused that may be removed in place instead: those of the process's own
// user. In another user's home the user's Trash is the only place their items go.
QList<DeletionFailure> trashRefusals(const QList<HomeRemoval>& removals);

// Removes in place what the Trash refused when removeThem and trashRefusals lists it, else counts
// it among the failures; either way in the app's journal entry.
void settleTrashRefusals(QList<HomeRemoval>& removals, bool removeThem,
                         const std::function<bool()>& stopRequested,
                         const std::shared_ptr<const RemovalJournal>& journal);

// Runs each runnable package manager's command once, however many homes it was planned for, and
// records its exit code wherever it was planned, in the journal too.
void runUninstallCommands(QList<HomeRemoval>& removals, const RemovalJournal* journal);

// Whether everything planned went: no failure, nothing left unattempted, every command run
// succeeded.
bool isComplete(const QList<HomeRemoval>& removals);

} // namespace tidewell
