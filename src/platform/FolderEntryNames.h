#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace tidewell {

inline bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Calls visit(name) for every entry of the folder open at folderFd but "." and "..". The
// names are read through a stream of its own that is closed before this returns, so a walk
// keeps only one descriptor per level open. False when the folder cannot be read.
template <typename Visit> bool forEachEntryName(int folderFd, Visit visit) {
    const int streamFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (streamFd < 0)
        return false;
    DIR* dir = ::fdopendir(streamFd);
    if (!dir) {
        ::close(streamFd);
        return false;
    }
    while (const dirent* item = ::readdir(dir)) {
        if (!isDotOrDotDot(item->d_name))
            visit(item->d_name);
    }
    ::closedir(dir);
    return true;
}

} // namespace tidewell
