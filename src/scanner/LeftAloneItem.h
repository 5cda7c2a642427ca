#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tidewell {

// Why a scan leaves something it met where it is, in the order reports list them.
enum class LeftAloneReason {
    unreadable,         // a folder the scan could not read: it may hold more leftovers
    sharedSettingsFile, // names the application among other apps' lines: edited by hand
    dconfFolder,        // a folder of the dconf database holding the application's settings
    // A name that is not valid UTF-8 (shown with U+FFFD): acting on its decoded form could
    // reach another file.
    undecodableName,
};

// One folder or item a scan met and leaves alone: listed so that nothing is lost silently,
// never offered for removal.
struct LeftAloneItem {
    QString path;
    LeftAloneReason reason = LeftAloneReason::unreadable;

    friend bool operator==(const LeftAloneItem&, const LeftAloneItem&) = default;
};

// Every reason, in declaration order.
const QList<LeftAloneReason>& allLeftAloneReasons();
// One item per path, each with that reason.
QList<LeftAloneItem> leftAloneItems(const QStringList& paths, LeftAloneReason reason);
// The paths of the items left alone for that reason, in their order.
QStringList pathsLeftAlone(const QList<LeftAloneItem>& items, LeftAloneReason reason);

} // namespace tidewell
