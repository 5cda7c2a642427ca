#pragma once

#include "CliCommand.h"

namespace tidewell {

// `remove APP... [--json] [--yes] [--uninstall] [--root DIR] [--no-index] [--all-users | --user
// NAME...]`: scans like `scan`, then moves every leftover and each app itself to the Trash (a
// user's items to that user's own Trash), after one question that lists them all unless --yes is
// given; what the Trash refuses is deleted in place only after a second question. SIGINT or
// SIGTERM stops it between items, with the report of what went (exit code 1).
CliCommand removeCommand();

} // namespace tidewell
