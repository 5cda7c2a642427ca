#pragma once

#include "platform/Host.h"
#include "removal/DeletionReport.h"
#include "removal/RemovalPlan.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace tidewell {

// The removal every removing command shares: the question before, the Trash first, the second
// question for what the Trash refuses, and the report after.

// Without a terminal nobody can answer the question: a usage error unless --yes is given.
std::optional<int> refuseQuestionWithoutTerminal(const QString& commandName, bool yes);

// Shows what would go, with sizes, and asks on the terminal; only an explicit yes goes on.
bool confirmRemoval(const RemovalPlan& plan);

struct RemovalRun {
    DeletionReport deletion;
    bool interrupted = false; // a SIGINT or SIGTERM stopped it between items
};

// Moves the plan's items to the Trash; what the Trash refuses is deleted in place only after a
// second yes (askFirst false gives both).
RemovalRun runRemoval(const RemovalPlan& plan, bool askFirst, const Host& host);

// What went and what did not, as JSON: deleted, trashed, removedPermanently, failures,
// reclaimedBytes, reclaimedSizeComplete, interrupted, notAttempted.
QJsonObject removalJson(const RemovalRun& run, const RemovalPlan& plan);
// The same for people, ending with a one-line summary.
QString removalText(const RemovalRun& run, const RemovalPlan& plan);

} // namespace tidewell
