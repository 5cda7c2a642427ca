#include "RemovedAppSearch.h"

#include "AppCatalogue.h"
#include "BundleOrphanFinder.h"
#include "DebianOrphanFinder.h"
#include "ItemClassification.h"

#include <algorithm>

namespace tidewell {

namespace {

bool isWithin(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + u'/');
}

// Leaves out of each app the paths an earlier one lists, and those inside or around them, then
// the apps left with nothing.
void leaveOutRepeatedPaths(QList<RemovedApp>& apps) {
    QStringList taken;
    for (RemovedApp& app : apps) {
        app.items.removeIf([&taken](const Orphan& item) {
            return std::any_of(taken.cbegin(), taken.cend(), [&item](const QString& other) {
                return isWithin(item.path, other) || isWithin(other, item.path);
            });
        });
        for (const Orphan& item : app.items)
            taken.append(item.path);
    }
    apps.removeIf(
        [](const RemovedApp& app) { return app.items.isEmpty() && app.dconfFolders.isEmpty(); });
}

} // namespace

OrphanReport findRemovedApps(const Host& host, const ProgramRunner& programs,
                             const FileSystem& fileSystem, QThreadPool& pool,
                             const CancellationToken& cancel) {
    const AppCatalogue installed = AppCatalogue::read(host, fileSystem, pool);
    QList<AppDescriptor> bundles;
    QList<AppDescriptor> linuxApps;
    for (const AppDescriptor& app : installed.apps())
        (app.kind == AppKind::bundle ? bundles : linuxApps).append(app);
    OrphanReport report = DebianOrphanFinder(host, linuxApps, programs, fileSystem).find(cancel);
    if (!cancel.isCancelled())
        report.apps.append(BundleOrphanFinder(host, bundles, fileSystem).find());
    if (!cancel.isCancelled())
        report.apps.append(groupedByApp(OrphanFinder(host, installed, fileSystem).find()));
    leaveOutRepeatedPaths(report.apps);
    for (RemovedApp& app : report.apps) {
        for (Orphan& item : app.items)
            item.sizeInBytes = cancel.isCancelled() ? 0 : sizeInBytes(item.path, fileSystem);
    }
    std::stable_sort(report.apps.begin(), report.apps.end(),
                     [](const RemovedApp& a, const RemovedApp& b) {
                         return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
                     });
    return report;
}

} // namespace tidewell
