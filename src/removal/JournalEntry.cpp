#include "JournalEntry.h"

#include <cerrno>
#include <sys/file.h>
#include <utility>

namespace tidewell {

JournalEntry::JournalEntry(qint64 id, Descriptor file, Descriptor lock)
    : m_id(id), m_file(std::move(file)), m_lock(std::move(lock)) {}

int JournalEntry::record(const RemovalRecord::Item& outcome) {
    return append(RemovalRecord::outcomeLine(outcome));
}

int JournalEntry::record(const RemovalRecord::PackageRun& run) {
    return append(RemovalRecord::packageRunLine(run));
}

int JournalEntry::append(const QByteArray& line) {
    if (!m_file.isOpen())
        return EBADF;
    while (::flock(m_lock.fd(), LOCK_EX) != 0) {
        if (errno != EINTR)
            return errno;
    }
    const int error = writeAll(m_file.fd(), line);
    ::flock(m_lock.fd(), LOCK_UN);
    return error;
}

} // namespace tidewell
