#pragma once

#include "CliCommand.h"
#include "removal/RemovalRecord.h"

#include <QJsonArray>

namespace tidewell {

// `history [--json]`: the removals the journal holds, newest first, each with its app, what
// went where, its size and whether it can still be undone.
CliCommand historyCommand();

// The package managers' commands run with a removal, as JSON: [{command, exitCode}].
QJsonArray packageRunsJson(const QList<RemovalRecord::PackageRun>& runs);

} // namespace tidewell
