#include "DefaultSpotlightService.h"

#ifdef __APPLE__
#include "SpotlightQueryService.h"
#else
#include "LocateIndexSearch.h"
#endif

namespace tidewell {

std::shared_ptr<const SpotlightSearching> makeDefaultSpotlightService() {
#ifdef __APPLE__
    return std::make_shared<const SpotlightQueryService>();
#else
    return std::make_shared<const LocateIndexSearch>();
#endif
}

} // namespace tidewell
