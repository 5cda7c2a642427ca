#pragma once

#include "CliCommand.h"

namespace tidewell {

// `remove BUNDLE [--json] [--yes] [--root DIR] [--no-index]`: scans like `scan`, then moves
// every leftover and the bundle itself to the Trash, after asking unless --yes is given.
CliCommand removeCommand();

} // namespace tidewell
