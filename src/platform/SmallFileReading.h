#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tidewell {

// Desktop entries, metainfo documents, mimeapps.list, systemd units and D-Bus services hold a
// few kilobytes; a larger one is refused rather than read.
inline constexpr qint64 maximumSettingsFileSize = 1 << 20;

// The whole content of the regular file at path (a link to one is followed). Nothing when it
// is missing or unreadable, holds more than maximumSize bytes, or is no regular file: a FIFO,
// socket or device is never waited on.
std::optional<QByteArray> readSmallFile(const QString& path, qint64 maximumSize);

// The first bytes of a regular file, and how large the whole file is.
struct FileStart {
    QByteArray bytes; // at most the count asked for, fewer when the file is shorter
    qint64 size = 0;
};

// The first count bytes of the regular file at path, under the same rules as readSmallFile
// but whatever the file's size.
std::optional<FileStart> readFileStart(const QString& path, qint64 count);

} // namespace tidewell
