#include "ResourceValuesFromStat.h"

#include "PackageExtensions.h"

namespace tidewell {

ResourceValues resourceValuesFromStat(const struct stat& info, QStringView name) {
    ResourceValues values;
    values.isDirectory = S_ISDIR(info.st_mode);
    values.isSymbolicLink = S_ISLNK(info.st_mode);
    values.isPackage = values.isDirectory && isPackageName(name);
    const qint64 allocated = static_cast<qint64>(info.st_blocks) * 512;
    values.totalAllocatedSize = allocated;
    values.allocatedSize = allocated;
    values.fileSize = static_cast<qint64>(info.st_size);
    values.deviceId = static_cast<quint64>(info.st_dev);
    values.inode = static_cast<quint64>(info.st_ino);
    values.linkCount = static_cast<quint64>(info.st_nlink);
    return values;
}

} // namespace tidewell
