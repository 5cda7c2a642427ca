#include "DefaultSpotlightService.h"

#ifdef __APPLE__
#include "SpotlightQueryService.h"
#else
#include "LocateIndexSearch.h"
#endif

namespace tidewell {

std::shared_ptr<const SpotlightSearching> makeDefaultSpotlightService(const Host& host) {
#ifdef __APPLE__
    Q_UNUSED(host)
    return std::make_shared<const SpotlightQueryService>();
#else
    return std::make_shared<const LocateIndexSearch>(host.programPath);
#endif
}

} // namespace tidewell
