#pragma once

#include "DeletionReport.h"
#include "RemovalPlan.h"

#include <QFuture>

namespace tidewell {

// Anything that can move the items of a plan to the Trash. Never fails as a whole.
class FileDeleting {
public:
    virtual ~FileDeleting() = default;
    virtual QFuture<DeletionReport> deleteItems(const RemovalPlan& plan) = 0;
};

} // namespace tidewell
