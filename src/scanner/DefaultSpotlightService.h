#pragma once

#include "SpotlightSearching.h"
#include "platform/Host.h"

#include <memory>

namespace tidewell {

// The host's file index search: the metadata index on macOS, the locate database elsewhere
// (read by the locate program on the host's program path).
std::shared_ptr<const SpotlightSearching> makeDefaultSpotlightService(const Host& host);

} // namespace tidewell
