#include "FileDeletionService.h"

#include <QCoreApplication>
#include <QDir>
#include <QUuid>
#include <QtConcurrent/QtConcurrentRun>

namespace tidewell {

namespace {

QString text(const char* english) {
    return QCoreApplication::translate("FileDeletionService", english);
}

// The path the service acts on: "." and ".." resolved and no trailing slash, so that a link
// named with a trailing slash is never taken for the folder it points to.
QString operatingPath(const QUrl& url) {
    return QDir::cleanPath(url.toLocalFile());
}

bool isLocalAbsolutePath(const QUrl& url) {
    return url.isLocalFile() && url.host().isEmpty() && QDir::isAbsolutePath(url.toLocalFile());
}

// Whether removing path would take the folder at protectedPath with it.
bool contains(const QString& path, const QString& protectedPath) {
    return protectedPath == path || protectedPath.startsWith(path + u'/');
}

} // namespace

FileDeletionService::FileDeletionService(FileSystem& fileSystem) : m_fileSystem(fileSystem) {
    m_executor.setMaxThreadCount(1);
}

FileDeletionService::~FileDeletionService() {
    m_executor.waitForDone();
}

QFuture<DeletionReport> FileDeletionService::deleteItems(const QList<QUrl>& urls) {
    return QtConcurrent::run(&m_executor, [this, urls] { return deleteNow(urls); });
}

QString FileDeletionService::failureReason(const FileOperationResult& removal) {
    switch (removal.errorCode) {
    case NoWritePermissionError:
    case NoReadPermissionError:
#ifdef Q_OS_MACOS
        return text(QT_TRANSLATE_NOOP("FileDeletionService",
                                      "Permission denied. Grant Full Disk Access and try again."));
#else
        // Linux has no Full Disk Access: the folder's own permissions decide.
        return text(QT_TRANSLATE_NOOP(
            "FileDeletionService",
            "Permission denied. Check the permissions of the folder that holds it."));
#endif
    case NoSuchFileError:
        return text(QT_TRANSLATE_NOOP("FileDeletionService", "File no longer exists."));
    default:
        return removal.message;
    }
}

std::optional<QString> FileDeletionService::refusalReason(const QUrl& url,
                                                          const QString& homePath) {
    if (!isLocalAbsolutePath(url))
        return text(QT_TRANSLATE_NOOP("FileDeletionService", "Not a file on this computer."));
    const QString path = operatingPath(url);
    const QString home = homePath.isEmpty() ? QString() : QDir::cleanPath(homePath);
    if (path == u"/" || (!home.isEmpty() && contains(path, home)))
        return text(QT_TRANSLATE_NOOP("FileDeletionService",
                                      "This folder is protected and was not removed."));
    return std::nullopt;
}

DeletionReport FileDeletionService::deleteNow(const QList<QUrl>& urls) {
    DeletionReport report;
    for (const QUrl& url : urls) {
        if (const std::optional<QString> reason = removeItem(url))
            report.failures.append({QUuid::createUuid(), url, *reason});
        else
            report.deleted.append(url);
    }
    return report;
}

std::optional<QString> FileDeletionService::removeItem(const QUrl& url) {
    if (std::optional<QString> refusal = refusalReason(url, m_fileSystem.homePath()))
        return refusal;
    const QString path = operatingPath(url);
    // A dangling link is still an item of its own: only a truly absent path counts as gone.
    if (!m_fileSystem.existsNoFollow(path))
        return std::nullopt;
    if (m_fileSystem.moveToTrash(path).ok())
        return std::nullopt;
    const FileOperationResult removal = m_fileSystem.removePermanently(path);
    if (removal.ok())
        return std::nullopt;
    return failureReason(removal);
}

} // namespace tidewell
