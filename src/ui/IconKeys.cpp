#include "IconKeys.h"

#include "IconCache.h"

namespace tidewell {

QString IconKeys::keyFor(const QString& path, bool isFolder) const {
    return IconCache::keyFor(IconCache::extensionOfPath(path), isFolder);
}

} // namespace tidewell
