#include "LeftAloneItem.h"

namespace tidewell {

const QList<LeftAloneReason>& allLeftAloneReasons() {
    static const QList<LeftAloneReason> reasons{
        LeftAloneReason::unreadable, LeftAloneReason::sharedSettingsFile,
        LeftAloneReason::dconfFolder, LeftAloneReason::undecodableName};
    return reasons;
}

QList<LeftAloneItem> leftAloneItems(const QStringList& paths, LeftAloneReason reason) {
    QList<LeftAloneItem> items;
    items.reserve(paths.size());
    for (const QString& path : paths)
        items.append({path, reason});
    return items;
}

QStringList pathsLeftAlone(const QList<LeftAloneItem>& items, LeftAloneReason reason) {
    QStringList paths;
    for (const LeftAloneItem& item : items) {
        if (item.reason == reason)
            paths.append(item.path);
    }
    return paths;
}

} // namespace tidewell
