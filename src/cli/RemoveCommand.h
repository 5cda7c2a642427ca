#pragma once

#include "CliCommand.h"
#include "HomeRemoval.h"

#include <optional>

namespace tidewell {

// `remove APP... [--json] [--yes] [--uninstall] [--root DIR] [--no-index] [--all-users | --user
// NAME...]`: scans like `scan`, then moves every leftover and each app itself to the Trash (a
// user's items to that user's own Trash), after one question that lists them all unless --yes is
// given; what the Trash refuses is deleted in place only after a second question. SIGINT or
// SIGTERM stops it between items, with the report of what went (exit code 1).
CliCommand removeCommand();

// Without a terminal nobody can answer the question: a usage error unless yes (--yes) is given.
std::optional<int> refuseQuestionWithoutTerminal(const QString& commandName, bool yes);

// The removal of planned items as `remove` does it, for any command that plans one: the question
// that lists them all (unless yes), the Trash first, the second question for what it refuses, the
// package managers' commands when uninstall is given, and the report; the exit code.
int removePlanned(QList<HomeRemoval>& removals, bool yes, bool uninstall, bool json);

} // namespace tidewell
