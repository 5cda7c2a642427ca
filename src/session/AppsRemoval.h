#pragma once

#include "removal/DeletionReport.h"
#include "removal/RemovalPlan.h"

#include <QFuture>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

namespace tidewell {

class FileDeleting;
class FileListModel;
class HeldApps;
class RemovalJournal;

// The removal of what is selected of the held apps: a plan per app with something to remove,
// each run as a call of its own to the deletion service, so journalled as a removal of its own.
class AppsRemoval {
public:
    // The plan of each app of apps that has something to remove: its selected rows in files,
    // inside its folders of scanRoots, and the app itself where it goes with them. An item
    // several apps share goes with the first.
    static QList<RemovalPlan> plans(const HeldApps& apps, const FileListModel& files,
                                    const QList<QStringList>& scanRoots);
    // Hands every plan to deletion, which runs them in turn; their reports, one per plan, once
    // all are in (none when the service was shut down first).
    static QFuture<QList<DeletionReport>> run(FileDeleting& deletion,
                                              const QList<RemovalPlan>& plans);
    // Whether nothing was removed at all because the journal refused every removal.
    static bool refusedByJournal(const QList<DeletionReport>& reports);
    // The items the reports count as deleted, by their clean paths.
    static QSet<QString> removedPaths(const QList<DeletionReport>& reports);
    // Has each app's uninstaller record a command it runs in the journal entry of the app's
    // removal, where it has one.
    static void recordUninstalls(HeldApps& apps, const QList<DeletionReport>& reports,
                                 const QList<RemovalPlan>& plans,
                                 const std::shared_ptr<const RemovalJournal>& journal);
};

} // namespace tidewell
