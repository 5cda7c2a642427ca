#pragma once

#include "FileSystem.h"

#include <QByteArray>
#include <QString>

namespace tidewell {

// Codes for failures that are neither a missing item nor a refused permission. They stay clear
// of the codes that callers compare (4, 257, 513).
enum UnclassifiedFileErrorCode : int {
    UnknownReadError = 256,
    UnknownWriteError = 512,
    LinkInPathError = 514,      // a folder on the item's path is a symbolic link
    NoTrashOnVolumeError = 515, // no Trash on the item's file system may be used
    LinkInTrashError = 516,     // a folder of the Trash is a symbolic link (or no folder)
    ItemExistsError = 517,      // something already lies where the item would go
};

enum class FileAccess { reading, writing };

// Numeric file error code for a failed system call: a refused permission becomes 257 when
// reading and 513 when writing, a missing item 4, anything else the unknown code of the access.
int fileErrorCode(int errnoValue, FileAccess access);

// The folder to name for a change that failed with errnoValue in folder (its path as the kernel
// sees it): folder when a permission was refused, else nothing.
QString refusingFolder(int errnoValue, const QByteArray& folder);

// The system's one-line description of errnoValue.
QString errnoMessage(int errnoValue);

// The bytes the kernel sees for a path (UTF-8, the file name encoding Qt uses on Unix).
inline QByteArray encodedPath(const QString& path) {
    return path.toUtf8();
}

// Decodes one file name read from the kernel. Bytes that are not valid UTF-8 have no faithful
// QString form: each invalid sequence becomes U+FFFD, as Qt's own listings do, so the path
// names no file and can only be shown.
QString decodeFileName(const char* bytes, qsizetype length);

} // namespace tidewell
