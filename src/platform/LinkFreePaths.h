#pragma once

#include <QByteArray>

// Opening folders without ever following a symbolic link, and removing trees below them with a
// bounded number of open descriptors.
namespace tidewell::linkfree {

// An open folder descriptor that closes itself.
class FolderHandle {
public:
    FolderHandle() = default;
    explicit FolderHandle(int fd) : m_fd(fd) {}
    FolderHandle(FolderHandle&& other) noexcept : m_fd(other.release()) {}
    FolderHandle& operator=(FolderHandle&& other) noexcept;
    ~FolderHandle();

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    int release();

private:
    int m_fd = -1;
};

// A change that failed: the errno of its first failing call, and the folder that call changed or
// read.
struct Failure {
    int error = 0;
    QByteArray folder;
};

// The path of the entry name in the folder at folderPath, "/" not doubled for the root.
QByteArray joinedPath(const QByteArray& folderPath, const QByteArray& name);

// The parent folder of the absolute path, opened from "/" one component at a time, none of
// them followed if it is a link; name receives the last component. On failure the handle is
// closed and errno tells why (ELOOP or ENOTDIR when a component is a link).
FolderHandle openParent(const QByteArray& absolutePath, QByteArray& name);

// The folder at the absolute path itself, opened the same way.
FolderHandle openFolder(const QByteArray& absolutePath);

// The folder on the absolute path whose permissions refuse a look inside (EACCES), found by
// opening the path's folders one at a time from "/"; empty when none refuses.
QByteArray unsearchableFolderOn(const QByteArray& absolutePath);

// The folder name in folderFd, opened without following it if it is a link (ELOOP or ENOTDIR).
FolderHandle openSubfolder(int folderFd, const QByteArray& name);

// Moves the entry name of the folder fromFd to newName in the folder toFd, never replacing what
// is there (EEXIST instead). Returns 0 or the errno of the failure (EXDEV across file systems).
int moveWithoutReplacing(int fromFd, const QByteArray& name, int toFd, const QByteArray& newName);

// Removes the entry name of the folder parentFd: a link or file by itself, a folder with
// everything below it, depth first, never following a link and never holding more than
// descriptorBudget descriptors at once. Returns the first failure, its folder relative to
// parentFd's ("" for that folder itself), or error 0 when there was none (the rest of the tree is
// still removed as far as it can be).
Failure removeEntry(int parentFd, const QByteArray& name, int descriptorBudget);

} // namespace tidewell::linkfree
