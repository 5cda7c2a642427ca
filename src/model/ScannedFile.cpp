#include "ScannedFile.h"

#include <algorithm>

namespace tidewell {

size_t qHash(const ScannedFile& file, size_t seed) {
    return qHashMulti(seed, file.id, file.url, rawValue(file.category), rawValue(file.safety),
                      file.sizeInBytes, file.isSelected, file.sizeComplete);
}

qsizetype notSizedWholeCount(const QList<ScannedFile>& files) {
    return std::count_if(files.cbegin(), files.cend(),
                         [](const ScannedFile& file) { return !file.sizeComplete; });
}

} // namespace tidewell
