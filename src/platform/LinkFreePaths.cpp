#include "LinkFreePaths.h"

#include "FolderEntryNames.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#ifdef __linux__
#include <linux/openat2.h>
#endif
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace tidewell::linkfree {

namespace {

#ifdef O_PATH
// A folder passed through only needs to be searched, not read.
constexpr int pathOnly = O_PATH;
#else
constexpr int pathOnly = O_RDONLY;
#endif

int openChild(int folderFd, const char* name, int access) {
    return ::openat(folderFd, name, access | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The names of one folder, read in one go so that its stream is closed before going deeper.
bool readNames(int folderFd, std::vector<std::string>& names) {
    return forEachEntryName(folderFd, [&names](const char* name) { names.emplace_back(name); });
}

// One folder on the way down: its name in its parent, its descriptor while it is open (the
// shallowest ones are closed to stay within the budget and reopened by name when the removal
// climbs back), and the names in it still to remove.
struct Level {
    std::string name;
    FolderHandle folder;
    std::vector<std::string> pending;
};

class TreeRemoval {
public:
    TreeRemoval(int parentFd, int budget) : m_parentFd(parentFd), m_budget(std::max(budget, 3)) {}

    Failure run(const char* name) {
        if (!enter(name))
            return m_failure;
        while (!m_levels.empty()) {
            Level& level = m_levels.back();
            if (level.pending.empty()) {
                leave();
                continue;
            }
            const std::string next = std::move(level.pending.back());
            level.pending.pop_back();
            removeOrEnter(next.c_str());
        }
        return m_failure;
    }

private:
    // Keeps the first failure: depth counts the levels down to the folder it happened in, name
    // an entry of that folder when it happened in that entry instead.
    void fail(int error, size_t depth, const char* name = nullptr) {
        if (m_failure.error != 0)
            return;
        m_failure.error = error;
        QByteArrayList path;
        for (size_t index = 0; index < depth; ++index)
            path.append(QByteArray(m_levels[index].name.c_str()));
        if (name)
            path.append(name);
        m_failure.folder = path.join('/');
    }

    // The folder holding m_levels[depth] (the caller's folder for depth 0); open by then.
    int folderFd(size_t depth) const {
        return depth == 0 ? m_parentFd : m_levels[depth - 1].folder.fd();
    }

    // The descriptor of m_levels[index], reopened by name from its nearest open ancestor when
    // it was closed.
    int descriptorOf(size_t index) {
        size_t closedFrom = index + 1;
        while (closedFrom > 0 && !m_levels[closedFrom - 1].folder.isOpen())
            --closedFrom;
        for (size_t depth = closedFrom; depth <= index; ++depth) {
            FolderHandle reopened(
                openChild(folderFd(depth), m_levels[depth].name.c_str(), O_RDONLY));
            if (!reopened.isOpen()) {
                fail(errno, depth + 1);
                return -1;
            }
            keepWithinBudget();
            m_levels[depth].folder = std::move(reopened);
            ++m_open;
        }
        return m_levels[index].folder.fd();
    }

    // Closes the shallowest open levels so that one more descriptor fits the budget.
    void keepWithinBudget() {
        for (Level& level : m_levels) {
            if (m_open < m_budget - 1)
                return;
            if (level.folder.isOpen()) {
                level.folder = FolderHandle();
                --m_open;
            }
        }
    }

    bool enter(const char* name) {
        const int parent = m_levels.empty() ? m_parentFd : descriptorOf(m_levels.size() - 1);
        if (parent < 0)
            return false;
        keepWithinBudget();
        Level level{name, FolderHandle(openChild(parent, name, O_RDONLY)), {}};
        if (!level.folder.isOpen() || !readNames(level.folder.fd(), level.pending)) {
            fail(errno, m_levels.size(), name);
            return false;
        }
        ++m_open;
        m_levels.push_back(std::move(level));
        return true;
    }

    void removeOrEnter(const char* name) {
        const int fd = descriptorOf(m_levels.size() - 1);
        if (fd < 0)
            return;
        struct stat info;
        if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                fail(errno, m_levels.size());
            return;
        }
        if (!S_ISDIR(info.st_mode)) {
            if (::unlinkat(fd, name, 0) != 0 && errno != ENOENT)
                fail(errno, m_levels.size());
            return;
        }
        enter(name);
    }

    void leave() {
        const std::string name = std::move(m_levels.back().name);
        if (m_levels.back().folder.isOpen())
            --m_open;
        m_levels.pop_back();
        const int parent = m_levels.empty() ? m_parentFd : descriptorOf(m_levels.size() - 1);
        if (parent >= 0 && ::unlinkat(parent, name.c_str(), AT_REMOVEDIR) != 0 && errno != ENOENT)
            fail(errno, m_levels.size());
    }

    int m_parentFd;
    int m_budget;
    int m_open = 0;
    Failure m_failure;
    std::vector<Level> m_levels;
};

} // namespace

FolderHandle& FolderHandle::operator=(FolderHandle&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.release();
    }
    return *this;
}

FolderHandle::~FolderHandle() {
    if (m_fd >= 0)
        ::close(m_fd);
}

int FolderHandle::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

namespace {

// The components of an absolute path, or nothing (errno EINVAL) when it is relative or names
// "." or "..".
std::optional<QList<QByteArray>> componentsOf(const QByteArray& absolutePath) {
    QList<QByteArray> components = absolutePath.split('/');
    components.removeAll(QByteArray());
    if (!absolutePath.startsWith('/') || components.contains("..") || components.contains(".")) {
        errno = EINVAL;
        return std::nullopt;
    }
    return components;
}

#ifdef SYS_openat2
// The kernel walks the whole path in one call and refuses any link on it, where it can (Linux
// 5.6 and later, and not barred by a sandbox); nothing with errno ENOSYS otherwise.
FolderHandle openResolvingNoLinks(const QList<QByteArray>& components) {
    const QByteArray path = '/' + components.join('/');
    open_how how{};
    how.flags = pathOnly | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_NO_SYMLINKS;
    const long fd = ::syscall(SYS_openat2, AT_FDCWD, path.constData(), &how, sizeof how);
    if (fd < 0 && (errno == EPERM || errno == EINVAL || errno == E2BIG))
        errno = ENOSYS;
    return FolderHandle(int(fd));
}
#else
FolderHandle openResolvingNoLinks(const QList<QByteArray>&) {
    errno = ENOSYS;
    return {};
}
#endif

// Opens the components one at a time from "/"; reached receives the path of the last folder
// that opened. On failure errno tells why the next one did not.
FolderHandle openStepwise(const QList<QByteArray>& components, QByteArray& reached) {
    FolderHandle folder(::open("/", pathOnly | O_DIRECTORY | O_CLOEXEC));
    reached = "/";
    for (const QByteArray& component : components) {
        if (!folder.isOpen())
            return {};
        FolderHandle next = openSubfolder(folder.fd(), component);
        if (next.isOpen())
            reached = joinedPath(reached, component);
        folder = std::move(next);
    }
    return folder;
}

FolderHandle openFromRoot(const QList<QByteArray>& components) {
    // One system call instead of two for every component: a removal of many items opens the
    // folders of each.
    FolderHandle resolved = openResolvingNoLinks(components);
    if (resolved.isOpen() || errno != ENOSYS)
        return resolved;
    QByteArray reached;
    return openStepwise(components, reached);
}

} // namespace

QByteArray joinedPath(const QByteArray& folderPath, const QByteArray& name) {
    return folderPath.endsWith('/') ? folderPath + name : folderPath + '/' + name;
}

FolderHandle openParent(const QByteArray& absolutePath, QByteArray& name) {
    std::optional<QList<QByteArray>> components = componentsOf(absolutePath);
    if (components && components->isEmpty())
        errno = EINVAL;
    if (!components || components->isEmpty())
        return {};
    name = components->takeLast();
    return openFromRoot(*components);
}

FolderHandle openFolder(const QByteArray& absolutePath) {
    const std::optional<QList<QByteArray>> components = componentsOf(absolutePath);
    return components ? openFromRoot(*components) : FolderHandle();
}

QByteArray unsearchableFolderOn(const QByteArray& absolutePath) {
    const std::optional<QList<QByteArray>> components = componentsOf(absolutePath);
    QByteArray reached;
    // A look inside a folder needs its search permission: the last folder reached refused it.
    if (!components || openStepwise(*components, reached).isOpen() || errno != EACCES)
        return {};
    return reached;
}

FolderHandle openSubfolder(int folderFd, const QByteArray& name) {
    return FolderHandle(openChild(folderFd, name.constData(), pathOnly));
}

int moveWithoutReplacing(int fromFd, const QByteArray& name, int toFd, const QByteArray& newName) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(fromFd, name.constData(), toFd, newName.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
#endif
    // A file system that cannot refuse to replace: look first.
    struct stat info;
    if (::fstatat(toFd, newName.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(fromFd, name.constData(), toFd, newName.constData()) == 0 ? 0 : errno;
}

Failure removeEntry(int parentFd, const QByteArray& name, int descriptorBudget) {
    struct stat info;
    if (::fstatat(parentFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return {errno, {}};
    if (!S_ISDIR(info.st_mode))
        return {::unlinkat(parentFd, name.constData(), 0) == 0 ? 0 : errno, {}};
    return TreeRemoval(parentFd, descriptorBudget).run(name.constData());
}

} // namespace tidewell::linkfree
