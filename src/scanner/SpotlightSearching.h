#pragma once

#include "CancellationToken.h"
#include "model/AppDescriptor.h"

#include <QList>
#include <QUrl>

namespace tidewell {

// A search of the host's file metadata index. Synchronous; failure or cancellation yields an
// empty list.
class SpotlightSearching {
public:
    virtual ~SpotlightSearching() = default;
    virtual QList<QUrl> search(const AppDescriptor& app, const QList<QUrl>& scope,
                               const CancellationToken& cancel) const = 0;
};

} // namespace tidewell
