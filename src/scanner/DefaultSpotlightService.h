#pragma once

#include "SpotlightSearching.h"

#include <memory>

namespace tidewell {

// The host's file index search: the metadata index on macOS, the locate database elsewhere.
std::shared_ptr<const SpotlightSearching> makeDefaultSpotlightService();

} // namespace tidewell
