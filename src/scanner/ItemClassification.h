#pragma once

#include "model/FileSafetyLevel.h"
#include "model/MeasuredSize.h"
#include "model/ScanCategory.h"
#include "model/ScannedFile.h"

#include <QString>

#include <optional>

namespace tidewell {

class FileSystem;
struct ResourceValues;

// The kind of leftover an item is, from the library folder its path lies in.
ScanCategory categoryForPath(const QString& path);
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

// The selected record of one found item at a standardized path.
ScannedFile makeScannedFile(const QString& path, const FileSystem& fileSystem);

} // namespace tidewell
