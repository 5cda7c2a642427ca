#include "AppInfo.h"

#include "session/AppMetadata.h"

namespace tidewell {

QString AppInfo::displayName() {
    return AppMetadata::displayName();
}
QString AppInfo::versionString() {
    return AppMetadata::versionString();
}
QString AppInfo::buildString() {
    return AppMetadata::buildString();
}

} // namespace tidewell
