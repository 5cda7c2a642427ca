#pragma once

#include "removal/RemovalRecord.h"
#include "removal/RemovalUndo.h"

#include <QCoreApplication>
#include <QString>

namespace tidewell {

// How a recorded removal and the undoing of one read to the user, the same in the window and on
// the command line.
class RemovalTexts {
    Q_DECLARE_TR_FUNCTIONS(RemovalTexts)

public:
    // The app's name, or what the leftovers of removed apps are called.
    static QString subjectName(const RemovalSubject& subject);
    // "4 moved to the Trash, 1 deleted in place, 1 not removed": what the removal did, the
    // counts that are not zero (the Trash's always).
    static QString countsText(const RemovalRecord& removal);
    // What undoing did, in a sentence or two.
    static QString undoSummary(const UndoReport& report);
    // The same, or that the removal was not in the journal any more.
    static QString undoSummary(const std::optional<UndoReport>& report);
    // That a package manager's uninstall ran with the removal and cannot be undone; empty when
    // none ran.
    static QString packageRunsText(const QList<RemovalRecord::PackageRun>& runs);
};

} // namespace tidewell
