#include "ByteFormatter.h"

#include "session/SharedByteFormatter.h"

namespace tidewell {

QString ByteFormatter::string(qint64 byteCount) const {
    return SharedByteFormatter::localized(byteCount);
}

QString ByteFormatter::sizeText(qint64 byteCount, bool complete) const {
    return SharedByteFormatter::localizedSizeText(byteCount, complete);
}

} // namespace tidewell
