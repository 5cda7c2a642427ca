#include "ByteFormatter.h"

#include "session/SharedByteFormatter.h"

namespace tidewell {

QString ByteFormatter::string(qint64 byteCount) const {
    return SharedByteFormatter::string(byteCount);
}

} // namespace tidewell
