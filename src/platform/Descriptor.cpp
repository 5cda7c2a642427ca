#include "Descriptor.h"

#include <cerrno>
#include <unistd.h>

namespace tidewell {

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.release();
    }
    return *this;
}

Descriptor::~Descriptor() {
    if (m_fd >= 0)
        ::close(m_fd);
}

int writeAll(int fd, const char* data, qsizetype size) {
    for (qsizetype written = 0; written < size;) {
        const ssize_t count = ::write(fd, data + written, size_t(size - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : EIO;
        written += count;
    }
    return 0;
}

} // namespace tidewell
