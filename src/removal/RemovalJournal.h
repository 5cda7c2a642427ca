#pragma once

#include "JournalEntry.h"
#include "RemovalRecord.h"
#include "platform/Host.h"

#include <QList>
#include <QString>

#include <optional>
#include <variant>

namespace tidewell {

// The record of past removals, one entry per removal in a folder of the user's own: written
// before a removal starts and while it runs, so that it can be undone, and read back for the
// history. Entries are numbered in the order they began; the oldest go once there are more than
// keptRemovals. A lock file in the folder keeps the processes that write and read it apart.
// Any thread may use it.
class RemovalJournal {
public:
    static constexpr qsizetype keptRemovals = 100;

    explicit RemovalJournal(QString folder);

    // The folder of host's journal: $XDG_STATE_HOME/tidewell, on macOS
    // ~/Library/Application Support/Tidewell.
    static QString folderOn(const Host& host);
    const QString& folder() const { return m_folder; }

    // Writes the header of a removal about to start, numbered after the last one, and keeps its
    // entry open for the outcomes; the folder is made when missing. The reason, when the journal
    // cannot be written.
    std::variant<JournalEntry, QString> begin(RemovalRecord removal) const;
    // The entry of removal id, opened again to add records.
    std::variant<JournalEntry, QString> reopen(qint64 id) const;
    // Adds a package manager's run to the entry of removal id; the reason when it cannot.
    std::optional<QString> recordPackageRun(qint64 id, const RemovalRecord::PackageRun& run) const;

    // Every removal it holds, newest first. An entry whose header cannot be read is left out and
    // counted in unreadableEntries.
    QList<RemovalRecord> readAll(qsizetype* unreadableEntries = nullptr) const;
    std::optional<RemovalRecord> read(qint64 id) const;

private:
    bool makeFolder() const;
    QString entryPath(qint64 id) const;
    QString lockPath() const;
    std::optional<RemovalRecord> readEntry(qint64 id) const;
    // The numbers of the entries in the folder, in ascending order.
    QList<qint64> ids() const;
    // The lock file opened, or -1 with errno set.
    int openLock() const;
    void dropOldest() const;

    QString m_folder;
};

} // namespace tidewell
