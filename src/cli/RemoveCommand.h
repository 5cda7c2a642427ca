#pragma once

#include "CliCommand.h"
#include "HomeRemoval.h"
#include "removal/RemovalJournal.h"

#include <memory>

namespace tidewell {

// `remove APP... [--json] [--yes] [--all] [--uninstall] [--root DIR] [--no-index] [--all-users |
// --user NAME...]`: scans like `scan`, then moves the leftovers that start selected (with --all,
// the ones only offered too) and each app itself to the Trash (a user's items to that user's own
// Trash), after one question that lists them all unless --yes is given; what the Trash refuses
// is deleted in place only after a second question. SIGINT or
// SIGTERM stops it between items, with the report of what went (exit code 1).
CliCommand removeCommand();

// What a removing command was asked besides the apps.
struct RemoveFlags {
    bool json = false;
    bool yes = false;
    bool uninstall = false;
};

// The removal of planned items as `remove` does it, for any command that plans one: the question
// that lists them all (unless --yes), the Trash first with each app's removal recorded in journal
// (when given), the second question for what the Trash refuses, the package managers' commands
// when asked, and the report; the exit code.
int removePlanned(QList<HomeRemoval>& removals, const RemoveFlags& flags,
                  const std::shared_ptr<const RemovalJournal>& journal);

} // namespace tidewell
