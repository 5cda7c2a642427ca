#pragma once

#include "CliCommand.h"

namespace tidewell {

// `orphans [--json] [--root DIR]`: what applications that are no longer installed left in the
// user's folders, each with its size and why it is taken for an orphan. Only lists; nothing
// is removed or selected.
CliCommand orphansCommand();

} // namespace tidewell
