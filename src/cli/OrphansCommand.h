#pragma once

#include "CliCommand.h"

namespace tidewell {

// `orphans [--json] [--root DIR]`: the applications that are no longer installed, each with
// what it left in the user's folders, every item with its size and why it is taken for that
// app's. `orphans --remove ID... [--offered] [--yes] [--json] [--root DIR]` moves the items of
// those apps to the Trash, as `remove` does (the same questions, report and exit codes); the
// items only offered go too only with --offered.
CliCommand orphansCommand();

} // namespace tidewell
