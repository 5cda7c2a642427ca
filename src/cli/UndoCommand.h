#pragma once

#include "CliCommand.h"

namespace tidewell {

// `undo [ID] [--json] [--yes]`: puts the items of a recorded removal (the latest by default)
// back from the Trash, after listing them and asking.
CliCommand undoCommand();

} // namespace tidewell
