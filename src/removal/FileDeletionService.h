#pragma once

#include "FileDeleting.h"
#include "platform/FileSystem.h"

#include <QThreadPool>

#include <optional>
#include <variant>

namespace tidewell {

// Moves items to the Trash, or deletes them outright when the Trash refuses them. Calls run
// one at a time, in the order they were made, on the service's own worker thread.
class FileDeletionService : public FileDeleting {
public:
    explicit FileDeletionService(FileSystem& fileSystem = FileSystem::real());
    ~FileDeletionService() override;

    QFuture<DeletionReport> deleteItems(const QList<QUrl>& urls,
                                        const RemovalScope& scope) override;

    // The text shown for a failed permanent removal.
    static QString failureReason(const FileOperationResult& removal);
    // Why a location must not be touched at all, or nothing when it may be removed: not a
    // local absolute path; the root, the home folder, its standard folders, a scan root, or a
    // folder holding one of them; or neither inside a scan root nor the bundle itself.
    static std::optional<QString> refusalReason(const QUrl& url, const RemovalScope& scope,
                                                const QString& homePath);

private:
    enum class Outcome { gone, trashed, removedPermanently };

    DeletionReport deleteNow(const QList<QUrl>& urls, const RemovalScope& scope);
    // How the item went, or the reason shown to the user when it stays.
    std::variant<Outcome, QString> removeItem(const QUrl& url, const RemovalScope& scope);
    // The item's path with its scan root (or the bundle's folder) resolved to the real folder,
    // so that every component below it can be checked for links.
    QString verifiedPath(const QString& path, const RemovalScope& scope) const;

    FileSystem& m_fileSystem;
    QThreadPool m_executor;
};

} // namespace tidewell
