#include "CategoryTotal.h"

namespace tidewell {

QList<CategoryTotal> categoryTotals(const QList<ScannedFile>& files) {
    QList<CategoryTotal> totals;
    for (const ScanCategory category : allScanCategories())
        totals.append({category});
    for (const ScannedFile& file : files) {
        CategoryTotal& entry = totals[allScanCategories().indexOf(file.category)];
        entry.itemCount += 1;
        entry.totalBytes += file.sizeInBytes;
        entry.sizeComplete = entry.sizeComplete && file.sizeComplete;
    }
    return totals;
}

} // namespace tidewell
