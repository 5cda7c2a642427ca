#include "SmallFileReading.h"

#include "FileErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tidewell {

namespace {

class RegularFile {
public:
    // Opening a device can act on it (a tape rewinds, a modem hangs up): the type is checked
    // before the open, and again on what was opened, as the path may have changed in between.
    // O_NONBLOCK keeps the open of a FIFO swapped in meanwhile from waiting for a writer.
    explicit RegularFile(const QString& path) {
        const QByteArray encoded = encodedPath(path);
        struct stat info;
        if (::stat(encoded.constData(), &info) != 0 || !S_ISREG(info.st_mode))
            return;
        m_fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (m_fd >= 0 && (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))) {
            ::close(m_fd);
            m_fd = -1;
        }
        m_size = info.st_size;
    }
    ~RegularFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    qint64 size() const { return m_size; }

    // Up to count bytes from the current position; fewer at the end of the file.
    std::optional<QByteArray> read(qint64 count) const {
        QByteArray data(static_cast<qsizetype>(count), Qt::Uninitialized);
        qsizetype filled = 0;
        while (filled < data.size()) {
            const ssize_t got = ::read(m_fd, data.data() + filled, size_t(data.size() - filled));
            if (got == 0)
                break;
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return std::nullopt;
            filled += got;
        }
        data.truncate(filled);
        return data;
    }

private:
    int m_fd = -1;
    qint64 m_size = 0;
};

} // namespace

std::optional<QByteArray> readSmallFile(const QString& path, qint64 maximumSize) {
    const RegularFile file(path);
    if (!file.isOpen() || file.size() > maximumSize)
        return std::nullopt;
    // One byte more than the recorded size tells a file that grew after it was measured.
    std::optional<QByteArray> data = file.read(file.size() + 1);
    if (!data || data->size() > file.size())
        return std::nullopt;
    return data;
}

std::optional<FileStart> readFileStart(const QString& path, qint64 count) {
    const RegularFile file(path);
    if (!file.isOpen())
        return std::nullopt;
    std::optional<QByteArray> bytes = file.read(qMin(count, file.size()));
    if (!bytes)
        return std::nullopt;
    return FileStart{*bytes, file.size()};
}

} // namespace tidewell
