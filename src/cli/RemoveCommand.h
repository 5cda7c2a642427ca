#pragma once

#include "CliCommand.h"

namespace tidewell {

// `remove BUNDLE [--json] [--yes] [--all] [--uninstall] [--root DIR] [--no-index]`: scans like
// `scan`, then moves the leftovers that start selected (with --all, the ones only offered too)
// and the bundle itself to the Trash, after asking unless --yes is given; what the Trash refuses is deleted in place only after a second question. SIGINT or
// SIGTERM stops it between items, with the report of what went (exit code 1).
CliCommand removeCommand();

} // namespace tidewell
