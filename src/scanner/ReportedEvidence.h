#pragma once

#include "OwnershipArbiter.h"
#include "ScanContext.h"
#include "model/ItemEvidence.h"

#include <QString>

#include <optional>

namespace tidewell {

// The evidence a scan of a bundle reports a matched item with, from what its path names and
// the strongest claim another installed application has on it; nothing when the item is not
// the application's to take: another application claims it more strongly, or it is a group
// container that does not name the application while another application of its vendor is
// installed (the vendor's apps share it). Otherwise the first that applies: a tie (offered,
// naming the rival), the shared folder (the user's work lies there too), a group container
// that does not name the application (the vendor's data), what the path names.
std::optional<ItemEvidence> reportedEvidence(const QString& path, const ScanContext& context,
                                             const RivalClaim& claim);

} // namespace tidewell
