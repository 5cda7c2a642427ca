#pragma once

#include "FileSafetyLevel.h"
#include "ItemEvidence.h"
#include "ScanCategory.h"

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QUrl>

namespace tidewell {

// One leftover found by a scan. Only isSelected changes after creation; the scanner starts it
// selected when its evidence is certain.
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
    // Why the scan reports it, and why it starts unselected when it does.
    ItemEvidence evidence = {};

    friend bool operator==(const ScannedFile&, const ScannedFile&) = default;
};

size_t qHash(const ScannedFile& file, size_t seed = 0);

// The files whose isSelected flag is selected, in their order: what starts selected (certain) or
// what is only offered.
QList<ScannedFile> filesWithSelection(const QList<ScannedFile>& files, bool selected);

// How many of files could not be sized whole.
qsizetype notSizedWholeCount(const QList<ScannedFile>& files);

} // namespace tidewell
