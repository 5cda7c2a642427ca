#include "RemovalJournal.h"

#include "platform/Descriptor.h"
#include "platform/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace tidewell {

namespace {

const QString entrySuffix = QStringLiteral(".jsonl");

// The journal's lock held on an open lock file while the object lives: shared for reading,
// exclusive for writing. Without a lock file it holds nothing.
class LockHold {
public:
    LockHold(int fd, int operation) : m_fd(fd) {
        while (m_fd >= 0 && ::flock(m_fd, operation) != 0 && errno == EINTR) {
        }
    }
    LockHold(const LockHold&) = delete;
    LockHold& operator=(const LockHold&) = delete;
    ~LockHold() {
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_UN);
    }

private:
    int m_fd;
};

// Why path cannot be written, from errno.
QString failureAt(const QString& path) {
    return QStringLiteral("%1: %2").arg(path, errnoMessage(errno));
}

int openEntry(const QString& path, int flags) {
    return ::open(encodedPath(path).constData(), flags | O_NOFOLLOW | O_CLOEXEC, 0600);
}

} // namespace

RemovalJournal::RemovalJournal(QString folder) : m_folder(QDir::cleanPath(folder)) {}

QString RemovalJournal::folderOn(const Host& host) {
#ifdef Q_OS_MACOS
    return host.home + QStringLiteral("/Library/Application Support/Tidewell");
#else
    return host.state + QStringLiteral("/tidewell");
#endif
}

QString RemovalJournal::entryPath(qint64 id) const {
    return m_folder + u'/' + QString::number(id) + entrySuffix;
}

QList<qint64> RemovalJournal::ids() const {
    QList<qint64> found;
    for (const QString& name :
         QDir(m_folder).entryList({u'*' + entrySuffix}, QDir::Files | QDir::Hidden)) {
        bool isNumber = false;
        const qint64 id = name.chopped(entrySuffix.size()).toLongLong(&isNumber);
        if (isNumber && id > 0)
            found.append(id);
    }
    std::sort(found.begin(), found.end());
    return found;
}

QString RemovalJournal::lockPath() const {
    return m_folder + QStringLiteral("/journal.lock");
}

int RemovalJournal::openLock() const {
    return openEntry(lockPath(), O_RDWR | O_CREAT);
}

bool RemovalJournal::makeFolder() const {
    const QFileInfo folder(m_folder);
    if (folder.isDir())
        return true;
    // Only the user may read what was removed where.
    const QDir parent(folder.path());
    if (parent.mkpath(QStringLiteral(".")) &&
        parent.mkdir(folder.fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return true;
    // Another removal may have made it meanwhile.
    return QFileInfo(m_folder).isDir();
}

std::variant<JournalEntry, QString> RemovalJournal::begin(RemovalRecord removal) const {
    if (!makeFolder())
        return failureAt(m_folder);
    Descriptor lock(openLock());
    if (!lock.isOpen())
        return failureAt(lockPath());
    Descriptor entry;
    {
        const LockHold held(lock.fd(), LOCK_EX);
        const QList<qint64> existing = ids();
        removal.id = existing.isEmpty() ? 1 : existing.last() + 1;
        const QString path = entryPath(removal.id);
        entry = Descriptor(openEntry(path, O_WRONLY | O_APPEND | O_CREAT | O_EXCL));
        if (!entry.isOpen())
            return failureAt(path);
        if (const int error = writeAll(entry.fd(), removal.headerLine())) {
            ::unlink(encodedPath(path).constData());
            errno = error;
            return failureAt(path);
        }
        dropOldest();
    }
    return JournalEntry(removal.id, std::move(entry), std::move(lock));
}

std::variant<JournalEntry, QString> RemovalJournal::reopen(qint64 id) const {
    Descriptor lock(openLock());
    if (!lock.isOpen())
        return failureAt(lockPath());
    const QString path = entryPath(id);
    Descriptor entry(openEntry(path, O_WRONLY | O_APPEND));
    if (!entry.isOpen())
        return failureAt(path);
    return JournalEntry(id, std::move(entry), std::move(lock));
}

std::optional<QString>
RemovalJournal::recordPackageRun(qint64 id, const RemovalRecord::PackageRun& run) const {
    std::variant<JournalEntry, QString> entry = reopen(id);
    if (const QString* failure = std::get_if<QString>(&entry))
        return *failure;
    if (const int error = std::get<JournalEntry>(entry).record(run))
        return QStringLiteral("%1: %2").arg(entryPath(id), errnoMessage(error));
    return std::nullopt;
}

void RemovalJournal::dropOldest() const {
    const QList<qint64> existing = ids();
    for (qsizetype index = 0; index + keptRemovals < existing.size(); ++index)
        QFile::remove(entryPath(existing[index]));
}

QList<RemovalRecord> RemovalJournal::readAll(qsizetype* unreadableEntries) const {
    if (unreadableEntries)
        *unreadableEntries = 0;
    if (!QFileInfo(m_folder).isDir())
        return {};
    const Descriptor lock(openLock());
    const LockHold held(lock.fd(), LOCK_SH);
    QList<qint64> newestFirst = ids();
    std::reverse(newestFirst.begin(), newestFirst.end());
    QList<RemovalRecord> removals;
    for (const qint64 id : std::as_const(newestFirst)) {
        if (std::optional<RemovalRecord> removal = readEntry(id))
            removals.append(std::move(*removal));
        else if (unreadableEntries)
            ++*unreadableEntries;
    }
    return removals;
}

std::optional<RemovalRecord> RemovalJournal::read(qint64 id) const {
    if (!QFileInfo(m_folder).isDir())
        return std::nullopt;
    const Descriptor lock(openLock());
    const LockHold held(lock.fd(), LOCK_SH);
    return readEntry(id);
}

std::optional<RemovalRecord> RemovalJournal::readEntry(qint64 id) const {
    QFile file(entryPath(id));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<RemovalRecord> removal = RemovalRecord::parse(file.readAll());
    // The number is the entry's own name: a header that says otherwise was not written here.
    if (removal && removal->id != id)
        return std::nullopt;
    return removal;
}

} // namespace tidewell
