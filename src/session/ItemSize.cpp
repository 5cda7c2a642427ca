#include "ItemSize.h"

#include "platform/FileSystem.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace tidewell::ItemSize {

namespace {

qint64 preferredSize(const ResourceValues& values) {
    if (values.totalAllocatedSize)
        return *values.totalAllocatedSize;
    if (values.allocatedSize)
        return *values.allocatedSize;
    return values.fileSize.value_or(0);
}

// Size estimates may take long on big bundles; they get their own low-priority threads so
// that neither the window nor the scanner's walks wait behind them. The pool is never
// destroyed: a walk still running when the program quits must not hold up the exit.
QThreadPool& lowPriorityPool() {
    static QThreadPool* pool = [] {
        auto* created = new QThreadPool;
        created->setThreadPriority(QThread::LowPriority);
        return created;
    }();
    return *pool;
}

} // namespace

qint64 regularFileSize(const QString& path, const FileSystem& fileSystem) {
    const std::optional<ResourceValues> values = fileSystem.resourceValues(path);
    return values ? preferredSize(*values) : 0;
}

qint64 calculateItemSize(const QString& path, const FileSystem& fileSystem) {
    if (!fileSystem.exists(path))
        return 0;
    if (!fileSystem.isDirectory(path))
        return regularFileSize(path, fileSystem);
    qint64 total = 0;
    const bool walked = fileSystem.walkTree(path, [&total](const TreeEntry& entry) {
        if (!entry.values.isDirectory)
            total += preferredSize(entry.values);
    });
    const qint64 ownSize = regularFileSize(path, fileSystem);
    return walked ? std::max(total, ownSize) : ownSize;
}

QFuture<qint64> estimateInBackground(const QUrl& url) {
    return QtConcurrent::run(&lowPriorityPool(), [path = url.toLocalFile()] {
        return calculateItemSize(path, FileSystem::real());
    });
}

} // namespace tidewell::ItemSize
