#pragma once

#include "FileSafetyLevel.h"
#include "ScanCategory.h"

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QUrl>

namespace tidewell {

// One leftover found by a scan. Only isSelected changes after creation.
struct ScannedFile {
    QString id; // path of the standardized url
    QUrl url;   // standardized file URL
    ScanCategory category = ScanCategory::other;
    FileSafetyLevel safety = FileSafetyLevel::risky;
    qint64 sizeInBytes = 0;
    bool isSelected = true;
    // False when some folder inside could not be read (sizeInBytes is then a lower bound), or
    // the item itself could not be sized.
    bool sizeComplete = true;

    friend bool operator==(const ScannedFile&, const ScannedFile&) = default;
};

size_t qHash(const ScannedFile& file, size_t seed = 0);

// How many of files could not be sized whole.
qsizetype notSizedWholeCount(const QList<ScannedFile>& files);

} // namespace tidewell
