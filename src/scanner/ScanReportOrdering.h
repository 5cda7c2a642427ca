#pragma once

#include "model/ScannedFile.h"

#include <QList>
#include <QSet>
#include <QStringList>

namespace tidewell {

// Drops every item that lies inside another item of the list; the rest ordered shortest path
// first (in user-perceived characters), then by path.
QList<ScannedFile> collapseNestedMatches(QList<ScannedFile> items);

// Report order, stable: larger first; equal sizes by file name, case-insensitive, in the
// user's collation.
void sortForReport(QList<ScannedFile>& items);

// The paths ascending by Unicode code point.
QStringList sortedByCodePoint(const QSet<QString>& paths);

} // namespace tidewell
