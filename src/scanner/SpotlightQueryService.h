#pragma once

#include "SpotlightSearching.h"

namespace tidewell {

// Searches the macOS metadata index (CoreServices query). Stateless; callable from any thread.
class SpotlightQueryService : public SpotlightSearching {
public:
    QList<QUrl> search(const AppDescriptor& app, const QList<QUrl>& scope,
                       const CancellationToken& cancel) const override;
};

} // namespace tidewell
