#pragma once

#include "FileDeleting.h"
#include "platform/FileSystem.h"

#include <QThreadPool>

#include <optional>

namespace tidewell {

// Moves items to the Trash, or deletes them outright when the Trash refuses them. Calls run
// one at a time, in the order they were made, on the service's own worker thread.
class FileDeletionService : public FileDeleting {
public:
    explicit FileDeletionService(FileSystem& fileSystem = FileSystem::real());
    ~FileDeletionService() override;

    QFuture<DeletionReport> deleteItems(const QList<QUrl>& urls) override;

    // The text shown for a failed permanent removal.
    static QString failureReason(const FileOperationResult& removal);
    // Why a location must not be touched at all (not a local absolute path, the root, the home
    // folder or one of its ancestors), or nothing when it may be removed.
    static std::optional<QString> refusalReason(const QUrl& url, const QString& homePath);

private:
    DeletionReport deleteNow(const QList<QUrl>& urls);
    // Nothing on success, else the reason shown to the user.
    std::optional<QString> removeItem(const QUrl& url);

    FileSystem& m_fileSystem;
    QThreadPool m_executor;
};

} // namespace tidewell
