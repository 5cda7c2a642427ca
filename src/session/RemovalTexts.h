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
    // "4 in the Trash, 1 deleted, 1 failed": the counts that are not zero (the Trash's always).
    static QString countsText(const RemovalRecord& removal);
    // What undoing did, in a sentence or two.
    static QString undoSummary(const UndoReport& report);
    // That a package manager's uninstall ran with the removal and cannot be undone; empty when
    // none ran.
    static QString packageRunsText(const QList<RemovalRecord::PackageRun>& runs);
};

} // namespace tidewell
