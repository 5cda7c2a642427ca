#include "DirectoryReading.h"

#include "FileErrors.h"
#include "FolderEntryNames.h"
#include "PackageExtensions.h"
#include "ResourceValuesFromStat.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tidewell::directory {

namespace {

QString childPrefix(const QString& folderPath) {
    return folderPath.endsWith(u'/') ? folderPath : folderPath + u'/';
}

// Directory and link flags from the type readdir reports; only a file system that does not
// report types costs an extra fstatat.
void fillTypes(DIR* dir, const dirent& item, DirectoryEntry& entry) {
    switch (item.d_type) {
    case DT_DIR:
        entry.isDirectory = true;
        entry.isSymbolicLink = false;
        break;
    case DT_LNK:
        entry.isDirectory = false;
        entry.isSymbolicLink = true;
        break;
    case DT_UNKNOWN: {
        struct stat info;
        if (::fstatat(::dirfd(dir), item.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return;
        entry.isDirectory = S_ISDIR(info.st_mode);
        entry.isSymbolicLink = S_ISLNK(info.st_mode);
        break;
    }
    default:
        entry.isDirectory = false;
        entry.isSymbolicLink = false;
        break;
    }
    entry.isPackage = *entry.isDirectory && isPackageName(entry.name);
}

// The names of one folder, read in one go so that the folder's stream is closed before the walk
// goes deeper: only one descriptor per level stays open.
struct FolderNames {
    std::string bytes;                            // every name followed by its terminating NUL
    std::vector<std::pair<size_t, size_t>> spans; // offset and length of each name in bytes
};

bool readNames(int folderFd, FolderNames& names) {
    return forEachEntryName(folderFd, [&names](const char* name) {
        const size_t length = std::strlen(name);
        names.spans.emplace_back(names.bytes.size(), length);
        names.bytes.append(name, length + 1);
    });
}

// An entry removed while the walk runs leaves nothing uncounted; any other error does.
bool wentAway(int error) {
    return error == ENOENT;
}

// Whether everything below the folder could be read.
bool walkFolder(int folderFd, const QString& folderPath, dev_t device,
                const std::function<void(const TreeEntry&)>& visit) {
    FolderNames names;
    if (!readNames(folderFd, names))
        return false;
    const QString prefix = childPrefix(folderPath);
    bool whole = true;
    for (const auto& [offset, length] : names.spans) {
        const char* rawName = names.bytes.data() + offset;
        const QString name = decodeFileName(rawName, static_cast<qsizetype>(length));
        struct stat info;
        if (::fstatat(folderFd, rawName, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            whole = whole && wentAway(errno);
            continue;
        }
        const TreeEntry entry{prefix + name, resourceValuesFromStat(info, name)};
        visit(entry);
        if (!entry.values.isDirectory || entry.values.isPackage || info.st_dev != device)
            continue;
        const int childFd =
            ::openat(folderFd, rawName, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (childFd < 0) {
            whole = whole && wentAway(errno);
            continue;
        }
        whole = walkFolder(childFd, entry.path, device, visit) && whole;
        ::close(childFd);
    }
    return whole;
}

} // namespace

DirectoryListing list(const QString& path, HiddenEntries hidden) {
    DirectoryListing listing;
    DIR* dir = ::opendir(encodedPath(path).constData());
    if (!dir) {
        listing.errorCode = fileErrorCode(errno, FileAccess::reading);
        return listing;
    }
    const QString prefix = childPrefix(path);
    for (;;) {
        errno = 0;
        const dirent* item = ::readdir(dir);
        if (!item) {
            listing.errorCode = fileErrorCode(errno, FileAccess::reading);
            break;
        }
        if (item->d_name[0] == '.' &&
            (hidden == HiddenEntries::leftOut || isDotOrDotDot(item->d_name)))
            continue;
        DirectoryEntry entry;
        entry.name =
            decodeFileName(item->d_name, static_cast<qsizetype>(std::strlen(item->d_name)));
        entry.path = prefix + entry.name;
        fillTypes(dir, *item, entry);
        listing.entries.append(std::move(entry));
    }
    ::closedir(dir);
    if (!listing.ok())
        listing.entries.clear();
    return listing;
}

TreeWalk walk(const QString& path, const std::function<void(const TreeEntry&)>& visit) {
    const int folderFd = ::open(encodedPath(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return TreeWalk::notOpened;
    struct stat info;
    const bool whole =
        ::fstat(folderFd, &info) == 0 && walkFolder(folderFd, path, info.st_dev, visit);
    ::close(folderFd);
    return whole ? TreeWalk::whole : TreeWalk::partial;
}

} // namespace tidewell::directory
