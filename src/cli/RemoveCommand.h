#pragma once

#include "CliCommand.h"

namespace tidewell {

// `remove BUNDLE [--json] [--yes] [--uninstall] [--root DIR] [--no-index]`: scans like `scan`,
// then moves every leftover and the bundle itself to the Trash, after asking unless --yes is
// given; what the Trash refuses is deleted in place only after a second question. SIGINT or
// SIGTERM stops it between items, with the report of what went (exit code 1).
CliCommand removeCommand();

} // namespace tidewell
