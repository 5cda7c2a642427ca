#include "TreeCopy.h"

#include "Descriptor.h"
#include "FolderEntryNames.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tidewell::linkfree {

namespace {

int errorOr(bool ok) {
    return ok ? 0 : errno;
}

int copyNode(int fromFd, const char* name, int toFd, const char* newName);

// Access and modification time, in the order futimens and utimensat take them.
struct Times {
    timespec values[2];
};

Times timesOf(const struct stat& info) {
#ifdef __APPLE__
    return {{info.st_atimespec, info.st_mtimespec}};
#else
    return {{info.st_atim, info.st_mtim}};
#endif
}

// Copying "mode and times" means the copy reads as the original did; the owner can only be
// given by a process allowed to (root restoring another user's items), so failing it is fine.
int keepMetadata(int fd, const struct stat& info) {
    (void)::fchown(fd, info.st_uid, info.st_gid);
    if (::fchmod(fd, info.st_mode & 07777) != 0)
        return errno;
    return errorOr(::futimens(fd, timesOf(info).values) == 0);
}

int keepMetadataAt(int folderFd, const char* name, const struct stat& info) {
    (void)::fchownat(folderFd, name, info.st_uid, info.st_gid, AT_SYMLINK_NOFOLLOW);
    if (!S_ISLNK(info.st_mode) && ::fchmodat(folderFd, name, info.st_mode & 07777, 0) != 0)
        return errno;
    return errorOr(::utimensat(folderFd, name, timesOf(info).values, AT_SYMLINK_NOFOLLOW) == 0);
}

int copyContent(int in, int out) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t count = ::read(in, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return errorOr(count == 0);
        if (const int error = writeAll(out, buffer, count))
            return error;
    }
}

int copyFile(int fromFd, const char* name, int toFd, const char* newName, const struct stat& info) {
    const Descriptor in(::openat(fromFd, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!in.isOpen())
        return errno;
    const Descriptor out(
        ::openat(toFd, newName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out.isOpen())
        return errno;
    if (const int error = copyContent(in.fd(), out.fd()))
        return error;
    return keepMetadata(out.fd(), info);
}

int copyLink(int fromFd, const char* name, int toFd, const char* newName, const struct stat& info) {
    std::string target(size_t(info.st_size) + 1, '\0');
    const ssize_t length = ::readlinkat(fromFd, name, target.data(), target.size());
    if (length < 0)
        return errno;
    // A link that grew since it was looked at is read again at its new length.
    if (size_t(length) == target.size())
        return EAGAIN;
    target.resize(size_t(length));
    if (::symlinkat(target.c_str(), toFd, newName) != 0)
        return errno;
    return keepMetadataAt(toFd, newName, info);
}

int copyFolder(int fromFd, const char* name, int toFd, const char* newName,
               const struct stat& info) {
    const Descriptor from(::openat(fromFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!from.isOpen())
        return errno;
    // Only the owner may enter the copy until it is complete.
    if (::mkdirat(toFd, newName, 0700) != 0)
        return errno;
    const Descriptor to(::openat(toFd, newName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!to.isOpen())
        return errno;
    std::vector<std::string> names;
    if (!forEachEntryName(from.fd(), [&names](const char* entry) { names.emplace_back(entry); }))
        return errno;
    for (const std::string& entry : names) {
        if (const int error = copyNode(from.fd(), entry.c_str(), to.fd(), entry.c_str()))
            return error;
    }
    // Last, so that copying the entries does not change the folder's times again.
    return keepMetadata(to.fd(), info);
}

int copyNode(int fromFd, const char* name, int toFd, const char* newName) {
    struct stat info;
    if (::fstatat(fromFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (S_ISREG(info.st_mode))
        return copyFile(fromFd, name, toFd, newName, info);
    if (S_ISDIR(info.st_mode))
        return copyFolder(fromFd, name, toFd, newName, info);
    if (S_ISLNK(info.st_mode))
        return copyLink(fromFd, name, toFd, newName, info);
    if (::mknodat(toFd, newName, info.st_mode, info.st_rdev) != 0)
        return errno;
    return keepMetadataAt(toFd, newName, info);
}

} // namespace

int copyEntry(int fromFd, const QByteArray& name, int toFd, const QByteArray& newName) {
    return copyNode(fromFd, name.constData(), toFd, newName.constData());
}

} // namespace tidewell::linkfree
