#include "FileErrors.h"

#include <cerrno>
#include <system_error>

namespace tidewell {

int fileErrorCode(int errnoValue, FileAccess access) {
    switch (errnoValue) {
    case 0:
        return NoError;
    case EACCES:
    case EPERM:
        return access == FileAccess::reading ? NoReadPermissionError : NoWritePermissionError;
    case ENOENT:
        return NoSuchFileError;
    default:
        return access == FileAccess::reading ? UnknownReadError : UnknownWriteError;
    }
}

QString refusingFolder(int errnoValue, const QByteArray& folder) {
    if ((errnoValue != EACCES && errnoValue != EPERM) || folder.isEmpty())
        return {};
    return decodeFileName(folder.constData(), folder.size());
}

QString errnoMessage(int errnoValue) {
    // std::generic_category is thread-safe, unlike strerror.
    return QString::fromStdString(std::generic_category().message(errnoValue));
}

QString decodeFileName(const char* bytes, qsizetype length) {
    // Nearly every name met by a scan is plain ASCII: check that first, it needs no decoder.
    bool ascii = true;
    for (qsizetype i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) {
            ascii = false;
            break;
        }
    }
    return ascii ? QString::fromLatin1(bytes, length) : QString::fromUtf8(bytes, length);
}

} // namespace tidewell
