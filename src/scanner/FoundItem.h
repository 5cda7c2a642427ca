#pragma once

#include "model/ItemEvidence.h"

#include <QList>
#include <QString>

namespace tidewell {

// An item a scan keeps, with what showed it to be the app's.
struct FoundItem {
    QString path;
    ItemEvidence evidence;

    friend bool operator==(const FoundItem&, const FoundItem&) = default;
};

} // namespace tidewell
