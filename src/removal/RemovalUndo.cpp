#include "RemovalUndo.h"

#include "platform/FileErrors.h"

#include <QCoreApplication>

#include <algorithm>

namespace tidewell {

namespace {

using Outcome = RemovalRecord::Outcome;

QString failureReason(const FileOperationResult& result) {
    switch (result.errorCode) {
    case NoWritePermissionError:
    case NoReadPermissionError:
        return QCoreApplication::translate(
            "RemovalUndo",
            "Permission denied. Check the permissions of the folder it goes back to.");
    case LinkInPathError:
        return QCoreApplication::translate(
            "RemovalUndo",
            "A folder on the way to its place is a link; it was not put back through it.");
    default:
        return result.message;
    }
}

void putBack(const RemovalRecord::Item& item, FileSystem& fileSystem, UndoReport& report) {
    const FileOperationResult result = fileSystem.restoreFromTrash(item.trashEntry);
    switch (result.errorCode) {
    case NoError:
        report.restored.append(item.path);
        break;
    case ItemExistsError:
        report.conflicts.append({item.path, item.trashEntry.filesPath});
        break;
    case NoSuchFileError:
        report.gone.append(item.path);
        break;
    default:
        report.failures.append({item.path, failureReason(result)});
    }
}

} // namespace

bool UndoReport::isComplete() const {
    return conflicts.isEmpty() && gone.isEmpty() && notRestorable.isEmpty() && failures.isEmpty();
}

void UndoReport::append(const UndoReport& later) {
    restored += later.restored;
    conflicts += later.conflicts;
    gone += later.gone;
    notRestorable += later.notRestorable;
    failures += later.failures;
    packageRuns += later.packageRuns;
}

UndoReport RemovalUndo::undo(const RemovalRecord& removal, FileSystem& fileSystem) {
    UndoReport report;
    report.id = removal.id;
    report.packageRuns = removal.packageRuns;
    for (const RemovalRecord::Item& item : removal.items) {
        switch (item.outcome) {
        case Outcome::trashed:
            putBack(item, fileSystem, report);
            break;
        case Outcome::removedPermanently:
            report.notRestorable.append(item.path);
            break;
        case Outcome::pending:
            // Cut short before its outcome was written: it either never left, or left for
            // nowhere the journal knows of.
            if (!fileSystem.existsNoFollow(item.path))
                report.notRestorable.append(item.path);
            break;
        case Outcome::failed:
        case Outcome::gone:
            break; // it never left, or was not there to leave
        }
    }
    return report;
}

std::optional<UndoReport> RemovalUndo::undo(const RemovalJournal& journal, qint64 id,
                                            FileSystem& fileSystem) {
    const std::optional<RemovalRecord> removal = journal.read(id);
    return removal ? std::optional(undo(*removal, fileSystem)) : std::nullopt;
}

bool RemovalUndo::isUndoable(const RemovalRecord& removal, const FileSystem& fileSystem) {
    const auto trashed = [](const RemovalRecord::Item& item) {
        return item.outcome == Outcome::trashed;
    };
    return std::any_of(removal.items.cbegin(), removal.items.cend(), trashed) &&
           std::all_of(removal.items.cbegin(), removal.items.cend(),
                       [&](const RemovalRecord::Item& item) {
                           return !trashed(item) || fileSystem.isInTrash(item.trashEntry);
                       });
}

} // namespace tidewell
