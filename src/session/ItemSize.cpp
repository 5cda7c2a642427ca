#include "ItemSize.h"

#include "platform/FileSystem.h"
#include "scanner/ItemClassification.h"

#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace tidewell::ItemSize {

namespace {

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

qint64 calculateItemSize(const QString& path, const FileSystem& fileSystem) {
    if (!fileSystem.exists(path))
        return 0;
    if (!fileSystem.isDirectory(path))
        return regularFileSize(path, fileSystem);
    return directorySize(path, fileSystem).bytes;
}

QFuture<qint64> estimateInBackground(const QUrl& url) {
    return QtConcurrent::run(&lowPriorityPool(), [path = url.toLocalFile()] {
        return calculateItemSize(path, FileSystem::real());
    });
}

} // namespace tidewell::ItemSize
