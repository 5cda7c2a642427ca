#include "IconKeys.h"

#include "IconCache.h"

namespace tidewell {

QString IconKeys::keyForPath(const QString& path) const {
    return IconCache::keyForPath(path);
}

} // namespace tidewell
