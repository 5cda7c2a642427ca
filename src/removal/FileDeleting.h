#pragma once

#include "DeletionReport.h"
#include "RemovalScope.h"

#include <QFuture>
#include <QList>
#include <QUrl>

namespace tidewell {

// Anything that can move items to the Trash. Never fails as a whole.
class FileDeleting {
public:
    virtual ~FileDeleting() = default;
    virtual QFuture<DeletionReport> deleteItems(const QList<QUrl>& urls,
                                                const RemovalScope& scope) = 0;
};

} // namespace tidewell
