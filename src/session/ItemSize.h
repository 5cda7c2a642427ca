#pragma once

#include <QFuture>
#include <QString>
#include <QUrl>

namespace tidewell {

class FileSystem;

// On-disk size of the bundle the user handed over, measured the way the scanner measures a
// leftover: allocated bytes preferred over logical ones, folders adding nothing themselves,
// nested packages not entered, links inside not followed.
namespace ItemSize {

// Size of whatever is at path (a link to a folder is sized as that folder); 0 when nothing is.
qint64 calculateItemSize(const QString& path, const FileSystem& fileSystem);
// Runs calculateItemSize on the real file system on a low-priority worker thread.
QFuture<qint64> estimateInBackground(const QUrl& url);

} // namespace ItemSize

} // namespace tidewell
