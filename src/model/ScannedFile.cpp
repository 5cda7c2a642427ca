#include "ScannedFile.h"

namespace tidewell {

size_t qHash(const ScannedFile& file, size_t seed) {
    return qHashMulti(seed, file.id, file.url, rawValue(file.category), rawValue(file.safety),
                      file.sizeInBytes, file.isSelected, file.sizeComplete);
}

} // namespace tidewell
