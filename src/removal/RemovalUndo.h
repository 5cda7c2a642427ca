#pragma once

#include "RemovalJournal.h"
#include "RemovalRecord.h"
#include "platform/FileSystem.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tidewell {

// What undoing one removal did, item by item, in the removal's order.
struct UndoReport {
    struct Conflict {
        QString path;      // taken by something else now
        QString trashPath; // where the item stays, with its record
    };
    struct Failure {
        QString path;
        QString reason;
    };

    qint64 id = 0;
    QStringList restored;
    QList<Conflict> conflicts;
    QStringList gone;          // no longer in the Trash: emptied, or put back by other means
    QStringList notRestorable; // deleted in place, or gone without a recorded outcome
    QList<Failure> failures;   // still in the Trash: the way back failed
    QList<RemovalRecord::PackageRun> packageRuns = {}; // run with the removal; never undone

    // Whether every item that left its place is back.
    bool isComplete() const;
    // Adds what undoing a later removal did; the id stays this one's.
    void append(const UndoReport& later);
};

// Puts the items of a recorded removal back from the Trash: each from its own Trash entry,
// checked against the entry's record, and never over what lies at its place now.
class RemovalUndo {
public:
    // Undoes removal on fileSystem; the items are taken in order and each has its own outcome.
    static UndoReport undo(const RemovalRecord& removal, FileSystem& fileSystem);
    // The same for removal id of journal; nothing when the journal no longer holds it.
    static std::optional<UndoReport> undo(const RemovalJournal& journal, qint64 id,
                                          FileSystem& fileSystem);
    // Whether something went to the Trash and every item that did is still there.
    static bool isUndoable(const RemovalRecord& removal, const FileSystem& fileSystem);
};

} // namespace tidewell
