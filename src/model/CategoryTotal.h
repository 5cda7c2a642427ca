#pragma once

#include "ScanCategory.h"
#include "ScannedFile.h"

#include <QList>

namespace tidewell {

// How many items of one category a list of leftovers holds, and their bytes.
struct CategoryTotal {
    ScanCategory category = ScanCategory::other;
    qint64 itemCount = 0;
    qint64 totalBytes = 0;
    bool sizeComplete = true; // every item of the category was sized whole
};

// One entry per ScanCategory, in declaration order, empty categories included; selected or not,
// every file of files counts.
QList<CategoryTotal> categoryTotals(const QList<ScannedFile>& files);

} // namespace tidewell
