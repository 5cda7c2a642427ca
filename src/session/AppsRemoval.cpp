#include "AppsRemoval.h"

#include "FileListModel.h"
#include "HeldApps.h"
#include "removal/FileDeleting.h"
#include "removal/RemovalJournal.h"

#include <QDir>

namespace tidewell {

QList<RemovalPlan> AppsRemoval::plans(const HeldApps& apps, const FileListModel& files,
                                      const QList<QStringList>& scanRoots) {
    QList<RemovalPlan> plans;
    QSet<QUrl> planned;
    for (qsizetype index = 0; index < apps.count(); ++index) {
        const HeldApp* app = apps.app(index);
        RemovalPlan plan(filesWithSelection(files.filesOfApp(index), true), scanRoots.value(index),
                         *app->descriptor(), [app] { return MeasuredSize{app->sizeInBytes()}; });
        plan.keepUnplanned(planned);
        if (!plan.items().isEmpty())
            plans.append(plan);
    }
    return plans;
}

QFuture<QList<DeletionReport>> AppsRemoval::run(FileDeleting& deletion,
                                                const QList<RemovalPlan>& plans) {
    QList<QFuture<DeletionReport>> deletions;
    for (const RemovalPlan& plan : plans)
        deletions.append(deletion.deleteItems(plan));
    return QtFuture::whenAll(deletions.begin(), deletions.end())
        .then([](const QList<QFuture<DeletionReport>>& done) {
            QList<DeletionReport> reports;
            for (const QFuture<DeletionReport>& deletion : done) {
                // Only a service shut down leaves a call without its report: nothing to show.
                if (deletion.resultCount() == 0)
                    return QList<DeletionReport>{};
                reports.append(deletion.result());
            }
            return reports;
        });
}

bool AppsRemoval::refusedByJournal(const QList<DeletionReport>& reports) {
    return std::all_of(reports.cbegin(), reports.cend(), [](const DeletionReport& report) {
        return report.journalId == 0 && !report.journalFailure.isEmpty();
    });
}

QSet<QString> AppsRemoval::removedPaths(const QList<DeletionReport>& reports) {
    QSet<QString> paths;
    for (const DeletionReport& report : reports) {
        for (const QUrl& url : report.deleted)
            paths.insert(QDir::cleanPath(url.toLocalFile()));
    }
    return paths;
}

void AppsRemoval::recordUninstalls(HeldApps& apps, const QList<DeletionReport>& reports,
                                   const QList<RemovalPlan>& plans,
                                   const std::shared_ptr<const RemovalJournal>& journal) {
    for (qsizetype removal = 0; journal && removal < plans.size(); ++removal) {
        const qint64 journalId = reports.at(removal).journalId;
        for (qsizetype index = 0; index < apps.count() && journalId != 0; ++index) {
            if (apps.app(index)->path() == plans.at(removal).subject().appPath)
                apps.uninstaller(index)->setRunRecorder(
                    [journal, journalId](const QString& command, int exitCode) {
                        journal->recordPackageRun(journalId, {command, exitCode});
                    });
        }
    }
}

} // namespace tidewell
