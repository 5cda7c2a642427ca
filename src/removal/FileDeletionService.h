#pragma once

#include "FileDeleting.h"
#include "RemovalJournal.h"
#include "RemovalOptions.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"

#include <QThreadPool>

#include <memory>
#include <optional>

namespace tidewell {

// Moves items to the Trash, or deletes them outright when the Trash refuses them. Calls run
// one at a time, in the order they were made, on the service's own worker thread. With a
// journal, a removal is recorded before its first item is touched, and refused when it cannot
// be; then where each item went, as it goes.
class FileDeletionService : public FileDeleting {
public:
    // host: whose home and standard folders are never removed. journal: none keeps no record.
    explicit FileDeletionService(Host host, FileSystem& fileSystem = FileSystem::real(),
                                 std::shared_ptr<const RemovalJournal> journal = {});
    ~FileDeletionService() override;

    // The Trash, else removal in place, for every item: the default options.
    QFuture<DeletionReport> deleteItems(const RemovalPlan& plan) override;
    QFuture<DeletionReport> deleteItems(const RemovalPlan& plan, const RemovalOptions& options);

    // The text shown for a failed move to the Trash or permanent removal; a folder inside home
    // is written from "~".
    static QString failureReason(const FileOperationResult& removal, const QString& home);
    // Why a location must not be touched at all, or nothing when it may be removed: not a
    // local absolute path; the root, the host's home folder, its standard and XDG folders, a
    // scan root, or a folder holding one of them; or neither inside a scan root nor the bundle
    // itself.
    static std::optional<QString> refusalReason(const QUrl& url, const RemovalScope& scope,
                                                const Host& host);

private:
    enum class Outcome { gone, trashed, removedPermanently, refusedByTrash, failed };
    struct ItemOutcome {
        Outcome outcome;
        QString reason = {};        // shown to the user when the item stays
        TrashEntry trashEntry = {}; // trashed: where it went
    };

    DeletionReport deleteNow(const RemovalPlan& plan, const RemovalOptions& options);
    // The entry that records this removal, or why there cannot be one.
    std::variant<JournalEntry, QString> openJournalEntry(const RemovalPlan& plan,
                                                         qint64 continuedId) const;
    static void addToReport(DeletionReport& report, const QUrl& url, const ItemOutcome& item);
    static std::optional<RemovalRecord::Item> journalRecord(const QUrl& url,
                                                            const ItemOutcome& item);
    ItemOutcome removeItem(const QUrl& url, const RemovalScope& scope,
                           RemovalOptions::Method method);
    // The item's path with its scan root (or the bundle's folder) resolved to the real folder,
    // so that every component below it can be checked for links.
    QString verifiedPath(const QString& path, const RemovalScope& scope) const;
    // Whether the verified path lies inside the scope's confinement, resolved; always true
    // without one.
    bool staysConfined(const QString& verified, const RemovalScope& scope) const;

    Host m_host;
    FileSystem& m_fileSystem;
    std::shared_ptr<const RemovalJournal> m_journal;
    QThreadPool m_executor;
};

} // namespace tidewell
