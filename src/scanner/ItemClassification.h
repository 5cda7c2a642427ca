#pragma once

#include "FoundItem.h"
#include "model/FileSafetyLevel.h"
#include "model/MeasuredSize.h"
#include "model/ScanCategory.h"
#include "model/ScannedFile.h"

#include <QString>

#include <optional>

namespace tidewell {

class FileSystem;
struct ResourceValues;

// The kind of leftover an item is, from the library folder its path lies in; a dot entry
// directly in home, where programs kept their data before the XDG folders, is application data.
ScanCategory categoryForPath(const QString& path, QStringView home = {});
// How safe removing an item of that category at path is.
FileSafetyLevel safetyFor(ScanCategory category, const QString& path);

// Bytes an item takes by its own values: total allocated, else allocated, else logical size.
qint64 sizeFromValues(const std::optional<ResourceValues>& values);
// The size of one item itself (a folder's own entry, not its contents); 0 when unknown.
qint64 regularFileSize(const QString& path, const FileSystem& fileSystem);
// Everything below a folder, hidden items included, packages inside and other file systems
// mounted below counted as nothing, a file with several names inside counted once; at least the
// folder's own size. Incomplete when a folder below could not be read; nothing counted when the
// folder itself could not.
MeasuredSize directorySize(const QString& path, const FileSystem& fileSystem);
// A folder's total or a file's own size; nothing counted, and incomplete, when the item cannot
// be looked at.
MeasuredSize measuredSize(const QString& path, const FileSystem& fileSystem);
// The bytes measuredSize counts.
qint64 sizeInBytes(const QString& path, const FileSystem& fileSystem);

// The evidence an item is reported with: a Risky item is never certain.
ItemEvidence settledEvidence(const ItemEvidence& found, FileSafetyLevel safety);

// The record of one found item in the home folder home, selected when its settled evidence is
// certain.
ScannedFile makeScannedFile(const FoundItem& found, const QString& home,
                            const FileSystem& fileSystem);

} // namespace tidewell
