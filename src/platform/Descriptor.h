#pragma once

#include <QByteArray>

#include <utility>

namespace tidewell {

// An open file descriptor that closes itself unless it is handed on.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// Writes all of size bytes at data to fd, going on after interruptions and short writes.
// Returns 0, or the errno of the failure (EIO when nothing could be written).
int writeAll(int fd, const char* data, qsizetype size);
inline int writeAll(int fd, const QByteArray& bytes) {
    return writeAll(fd, bytes.constData(), bytes.size());
}

} // namespace tidewell
