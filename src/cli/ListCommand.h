#pragma once

#include "CliCommand.h"

namespace tidewell {

// `list [--json] [--root DIR]`: the installed Linux applications (every desktop entry) with the
// size of their data, kind, id and name, sorted by name.
CliCommand listCommand();

} // namespace tidewell
