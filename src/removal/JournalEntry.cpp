#include "JournalEntry.h"

#include <cerrno>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace tidewell {

JournalEntry::JournalEntry(qint64 id, int fd, int lockFd) : m_id(id), m_fd(fd), m_lockFd(lockFd) {}

JournalEntry::JournalEntry(JournalEntry&& other) noexcept
    : m_id(other.m_id), m_fd(std::exchange(other.m_fd, -1)),
      m_lockFd(std::exchange(other.m_lockFd, -1)) {}

JournalEntry& JournalEntry::operator=(JournalEntry&& other) noexcept {
    if (this != &other) {
        close();
        m_id = other.m_id;
        m_fd = std::exchange(other.m_fd, -1);
        m_lockFd = std::exchange(other.m_lockFd, -1);
    }
    return *this;
}

JournalEntry::~JournalEntry() {
    close();
}

void JournalEntry::close() {
    for (int* fd : {&m_fd, &m_lockFd}) {
        if (*fd >= 0)
            ::close(std::exchange(*fd, -1));
    }
}

int JournalEntry::record(const RemovalRecord::Item& outcome) {
    return append(RemovalRecord::outcomeLine(outcome));
}

int JournalEntry::record(const RemovalRecord::PackageRun& run) {
    return append(RemovalRecord::packageRunLine(run));
}

int JournalEntry::append(const QByteArray& line) {
    if (m_fd < 0)
        return EBADF;
    while (::flock(m_lockFd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return errno;
    }
    int error = 0;
    for (qsizetype written = 0; written < line.size() && error == 0;) {
        const ssize_t count =
            ::write(m_fd, line.constData() + written, size_t(line.size() - written));
        if (count > 0)
            written += count;
        else if (count == 0 || errno != EINTR)
            error = count == 0 ? EIO : errno;
    }
    ::flock(m_lockFd, LOCK_UN);
    return error;
}

} // namespace tidewell
