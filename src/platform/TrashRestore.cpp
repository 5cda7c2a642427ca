#include "TrashRestore.h"

#include "FileErrors.h"

#ifdef __APPLE__
#include <QDir>
#include <QFile>
#include <QFileInfo>
#else
#include "Descriptor.h"
#include "LinkFreePaths.h"
#include "TrashInfo.h"
#include "TreeCopy.h"

#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tidewell::trash {

#ifdef __APPLE__

// The system's Trash keeps no record of its own: the entry's name is all there is to check.
bool holds(const TrashEntry& entry) {
    return QFileInfo(entry.filesPath).exists() || QFileInfo(entry.filesPath).isSymLink();
}

FileOperationResult restore(const TrashEntry& entry) {
    if (!holds(entry))
        return {NoSuchFileError, QStringLiteral("No such file or directory")};
    const QFileInfo place(entry.originalPath);
    if (place.exists() || place.isSymLink())
        return {ItemExistsError, QStringLiteral("File exists")};
    QFile item(entry.filesPath);
    if (!QDir().mkpath(place.path()) || !item.rename(entry.originalPath))
        return {UnknownWriteError, item.errorString()};
    return {};
}

#else

namespace {

using linkfree::FolderHandle;

// Folders a removal of a partial copy keeps open at once.
constexpr int descriptorBudget = 64;
// A record holds two short lines; anything larger is not one.
constexpr qsizetype maximumRecordSize = 64 * 1024;

// The entry's item and record, each as its folder and its name there.
struct OpenEntry {
    FolderHandle files;
    QByteArray name;
    FolderHandle info;
    QByteArray infoName;
};

// The content of the file name in folderFd, never through a link; nothing when it cannot be
// read or is larger than a record.
std::optional<QByteArray> readRecordAt(int folderFd, const QByteArray& name) {
    const Descriptor file(::openat(folderFd, name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!file.isOpen())
        return std::nullopt;
    QByteArray content;
    char buffer[4096];
    for (ssize_t count; (count = ::read(file.fd(), buffer, sizeof buffer)) != 0;) {
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 || content.size() + count > maximumRecordSize)
            return std::nullopt;
        content.append(buffer, count);
    }
    return content;
}

bool recordMatches(const OpenEntry& open, const TrashEntry& entry) {
    const std::optional<QByteArray> content = readRecordAt(open.info.fd(), open.infoName);
    const std::optional<trashinfo::Record> record =
        content ? trashinfo::parse(*content) : std::nullopt;
    return record && record->deletionDate == entry.deletionDate &&
           trashinfo::originalPath(record->place, entry.infoPath) == entry.originalPath;
}

// The entry opened without following a link, or the error that leaves it gone: the item or its
// record missing, or a record that now names another item under the same name.
int openEntry(const TrashEntry& entry, OpenEntry& open) {
    open.files = linkfree::openParent(encodedPath(entry.filesPath), open.name);
    if (!open.files.isOpen())
        return errno;
    open.info = linkfree::openParent(encodedPath(entry.infoPath), open.infoName);
    if (!open.info.isOpen())
        return errno;
    struct stat info;
    if (::fstatat(open.files.fd(), open.name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    return recordMatches(open, entry) ? 0 : ENOENT;
}

// The folder that holds path, made with every missing folder above it (each owned as the folder
// that holds it); none of them followed if it is a link.
FolderHandle openOrMakeParent(const QByteArray& path, QByteArray& name) {
    FolderHandle folder = linkfree::openParent(path, name);
    if (folder.isOpen() || errno != ENOENT)
        return folder;
    folder = FolderHandle(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    QList<QByteArray> components = path.split('/');
    components.removeAll(QByteArray());
    components.removeLast();
    for (const QByteArray& component : std::as_const(components)) {
        if (!folder.isOpen())
            return folder;
        const bool made = ::mkdirat(folder.fd(), component.constData(), 0700) == 0;
        if (!made && errno != EEXIST)
            return {};
        struct stat holder;
        const bool holderKnown = ::fstat(folder.fd(), &holder) == 0;
        folder = linkfree::openSubfolder(folder.fd(), component);
        // Made in someone else's home (an administrator putting their items back), a folder is
        // theirs, as the folder that holds it.
        if (made && holderKnown && folder.isOpen())
            (void)::fchownat(folder.fd(), "", holder.st_uid, holder.st_gid, AT_EMPTY_PATH);
    }
    return folder;
}

// Copies the item next to its place under a name of its own and then moves it into place, so
// that a copy cut short never sits at the place itself.
int copyBack(const OpenEntry& open, int placeFd, const QByteArray& placeName) {
    const QByteArray temporary =
        ".tidewell-restoring-" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
    int error = linkfree::copyEntry(open.files.fd(), open.name, placeFd, temporary);
    if (error == 0)
        error = linkfree::moveWithoutReplacing(placeFd, temporary, placeFd, placeName);
    if (error != 0) {
        linkfree::removeEntry(placeFd, temporary, descriptorBudget);
        return error;
    }
    // The item is back; a Trash copy that cannot go keeps its record, and the Trash stays whole.
    return linkfree::removeEntry(open.files.fd(), open.name, descriptorBudget).error == 0 ? 0 : -1;
}

FileOperationResult restoreFailure(int error) {
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return {ItemExistsError, errnoMessage(EEXIST)};
    case ELOOP:
    case ENOTDIR:
        return {LinkInPathError, errnoMessage(error)};
    default:
        return {fileErrorCode(error, FileAccess::writing), errnoMessage(error)};
    }
}

} // namespace

bool holds(const TrashEntry& entry) {
    OpenEntry open;
    return !entry.infoPath.isEmpty() && openEntry(entry, open) == 0;
}

FileOperationResult restore(const TrashEntry& entry) {
    OpenEntry open;
    if (entry.infoPath.isEmpty() || openEntry(entry, open) != 0)
        return {NoSuchFileError, errnoMessage(ENOENT)};
    QByteArray placeName;
    const FolderHandle place = openOrMakeParent(encodedPath(entry.originalPath), placeName);
    if (!place.isOpen())
        return restoreFailure(errno);
    struct stat existing;
    if (::fstatat(place.fd(), placeName.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return restoreFailure(EEXIST);
    int error = linkfree::moveWithoutReplacing(open.files.fd(), open.name, place.fd(), placeName);
    if (error == EXDEV)
        error = copyBack(open, place.fd(), placeName);
    if (error > 0)
        return restoreFailure(error);
    if (error == 0)
        ::unlinkat(open.info.fd(), open.infoName.constData(), 0);
    return {};
}

#endif

} // namespace tidewell::trash
