#include "ScannedApp.h"

#include "model/AppKind.h"

#include <QSet>

namespace tidewell {

void keepSharedItemsOnce(QList<ScannedApp>& apps) {
    QSet<QUrl> taken;
    for (ScannedApp& scanned : apps) {
        QList<ScannedFile>& matches = scanned.report.matches;
        matches.removeIf([&taken](const ScannedFile& file) { return taken.contains(file.url); });
        for (const ScannedFile& file : std::as_const(matches))
            taken.insert(file.url);
        if (appGoesWithLeftovers(scanned.app.kind))
            taken.insert(scanned.app.appURL);
    }
}

QList<LeftAloneItem> leftAloneByAll(const QList<ScannedApp>& apps) {
    QList<LeftAloneItem> items;
    for (const LeftAloneReason reason : allLeftAloneReasons()) {
        QStringList paths;
        for (const ScannedApp& scanned : apps)
            paths += pathsLeftAlone(scanned.report.leftAlone, reason);
        paths.removeDuplicates();
        items += leftAloneItems(paths, reason);
    }
    return items;
}

QList<AppDescriptor> eachAppOnce(const QList<AppDescriptor>& apps) {
    QList<AppDescriptor> once;
    QSet<QUrl> named;
    for (const AppDescriptor& app : apps) {
        if (!named.contains(app.appURL))
            once.append(app);
        named.insert(app.appURL);
    }
    return once;
}

} // namespace tidewell
