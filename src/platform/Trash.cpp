#include "Trash.h"

#include "FileErrors.h"
#include "TrashInfo.h"

#ifdef __APPLE__
#include <QFile>
#include <QFileInfo>
#else
#include "Descriptor.h"
#include "LinkFreePaths.h"

#include <QDateTime>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

// GLib's headers use "signals" as a member name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gunixmounts.h>
#pragma pop_macro("signals")
#endif

namespace tidewell::trash {

#ifdef __APPLE__

FileOperationResult moveToTrash(int, const QByteArray&, const QString& path, const QString&,
                                const TrashOwner*) {
    QFile file(path);
    // The Trash here keeps no record: the item's new name is all there is to find it by.
    if (file.moveToTrash())
        return {NoError, {}, {file.fileName(), {}, path, {}}};
    // A dangling link still exists as an item of its own.
    const int code =
        QFileInfo(path).isSymLink() || file.exists() ? UnknownWriteError : NoSuchFileError;
    return {code, file.errorString()};
}

#else

namespace {

using linkfree::Failure;
using linkfree::FolderHandle;

// The two folders of one trash with its own path, and what its records leave out of an item's
// path: nothing in the home trash, the volume's top folder in a volume's trash.
struct TrashFolders {
    FolderHandle files;
    FolderHandle info;
    QByteArray path;
    QByteArray placePrefix;
};

// EXDEV stands for "no trash on this file system", as a move there would fail with it.
FileOperationResult trashFailure(const Failure& failure) {
    const int error = failure.error;
    switch (error) {
    case ELOOP:
    case ENOTDIR:
        return {LinkInTrashError, errnoMessage(error)};
    case EXDEV:
        return {NoTrashOnVolumeError, errnoMessage(error)};
    default:
        return {fileErrorCode(error, FileAccess::writing),
                errnoMessage(error),
                {},
                refusingFolder(error, failure.folder)};
    }
}

// The account the trash belongs to.
uid_t ownerUid(const TrashOwner* owner) {
    return owner ? uid_t(owner->uid) : ::geteuid();
}

// Gives what fd names to the trash's owner; the process's own user owns it already. The fd may
// be opened for its path only, which fchown refuses.
int giveToOwner(int fd, const TrashOwner* owner) {
    if (!owner || ::fchownat(fd, "", uid_t(owner->uid), gid_t(owner->gid), AT_EMPTY_PATH) == 0)
        return 0;
    return errno;
}

// The folder name in folderFd, made (mode 0700, the owner's) when it is missing; never a link.
int openOrMake(int folderFd, const QByteArray& name, FolderHandle& folder,
               const TrashOwner* owner) {
    folder = linkfree::openSubfolder(folderFd, name);
    if (folder.isOpen() || errno != ENOENT)
        return folder.isOpen() ? 0 : errno;
    const bool made = ::mkdirat(folderFd, name.constData(), 0700) == 0;
    if (!made && errno != EEXIST)
        return errno;
    folder = linkfree::openSubfolder(folderFd, name);
    if (!folder.isOpen())
        return errno;
    const int error = made ? giveToOwner(folder.fd(), owner) : 0;
    // A folder left to the wrong owner would stay so: it goes again.
    if (error != 0)
        ::unlinkat(folderFd, name.constData(), AT_REMOVEDIR);
    return error;
}

Failure openFilesAndInfo(int trashFd, TrashFolders& trash, const TrashOwner* owner) {
    int error = openOrMake(trashFd, "files", trash.files, owner);
    if (error == 0)
        error = openOrMake(trashFd, "info", trash.info, owner);
    return {error, trash.path};
}

bool ownedBy(int fd, uid_t uid) {
    struct stat info;
    return ::fstat(fd, &info) == 0 && info.st_uid == uid;
}

bool isOnDevice(int fd, dev_t device) {
    struct stat info;
    return ::fstat(fd, &info) == 0 && info.st_dev == device;
}

// The process's own user's data folder, made with its missing parents as the home trash always
// was, then opened after resolving the user's own links in it: only the Trash below it must be
// free of links. path receives the resolved path.
FolderHandle openDataFolder(const QString& dataFolder, QByteArray& path) {
    const QByteArray folder = encodedPath(dataFolder);
    char resolved[PATH_MAX];
    if (!folder.startsWith('/') || g_mkdir_with_parents(folder.constData(), 0700) != 0 ||
        !::realpath(folder.constData(), resolved))
        return {};
    path = resolved;
    return linkfree::openFolder(path);
}

// Another account's data folder, reached from its home (its own links resolved, as the
// administrator named it) one component at a time, never through a link, each missing folder
// made as that account's. path receives the folder's path with the home resolved.
Failure openOwnerDataFolder(const TrashOwner& owner, FolderHandle& folder, QByteArray& path) {
    const QByteArray home = encodedPath(owner.home);
    const QByteArray data = encodedPath(owner.dataFolder);
    char resolved[PATH_MAX];
    if (!data.startsWith(home + '/'))
        return {EXDEV, {}};
    if (!::realpath(home.constData(), resolved))
        return {errno, home};
    path = resolved;
    folder = linkfree::openFolder(path);
    if (!folder.isOpen())
        return {errno, path};
    for (const QByteArray& component : data.sliced(home.size() + 1).split('/')) {
        if (component.isEmpty())
            continue;
        FolderHandle next;
        if (const int error = openOrMake(folder.fd(), component, next, &owner))
            return {error, path};
        folder = std::move(next);
        path += '/' + component;
    }
    return {};
}

// $topdir/.Trash/$uid, used only when $topdir/.Trash is a real folder with the sticky bit and
// $uid in it is the user's own folder.
FolderHandle sharedTrash(int topFd, const QByteArray& uid, const TrashOwner* owner) {
    const FolderHandle shared = linkfree::openSubfolder(topFd, ".Trash");
    struct stat info;
    if (!shared.isOpen() || ::fstat(shared.fd(), &info) != 0 || (info.st_mode & S_ISVTX) == 0)
        return {};
    FolderHandle own;
    if (openOrMake(shared.fd(), uid, own, owner) != 0 || !ownedBy(own.fd(), ownerUid(owner)))
        return {};
    return own;
}

// The trash at the top of the volume holding folderPath: .Trash/$uid, else .Trash-$uid. The
// system's own mounts (the root, /tmp, a tmpfs, ...) have none, as in the desktop's file managers.
Failure openVolumeTrash(const QByteArray& folderPath, dev_t device, TrashFolders& trash,
                        const TrashOwner* owner) {
    const std::unique_ptr<GUnixMountEntry, decltype(&g_unix_mount_free)> mount(
        g_unix_mount_for(folderPath.constData(), nullptr), g_unix_mount_free);
    if (!mount || g_unix_mount_is_system_internal(mount.get()))
        return {EXDEV, {}};
    const QByteArray topdir = g_unix_mount_get_mount_path(mount.get());
    trash.placePrefix = topdir.endsWith('/') ? topdir : topdir + '/';
    const FolderHandle top = linkfree::openFolder(topdir);
    if (!(folderPath + '/').startsWith(trash.placePrefix) || !top.isOpen() ||
        !isOnDevice(top.fd(), device))
        return {EXDEV, {}};
    const QByteArray uid = QByteArray::number(ownerUid(owner));
    FolderHandle folder = sharedTrash(top.fd(), uid, owner);
    trash.path = trash.placePrefix + ".Trash/" + uid;
    if (!folder.isOpen()) {
        trash.path = trash.placePrefix + ".Trash-" + uid;
        if (const int error = openOrMake(top.fd(), ".Trash-" + uid, folder, owner))
            return {error, topdir};
        if (!ownedBy(folder.fd(), ownerUid(owner)))
            return {EXDEV, {}};
    }
    return openFilesAndInfo(folder.fd(), trash, owner);
}

// The home trash when the user's data folder lies on the item's file system, else the volume's.
// Another account's data folder that cannot be reached without a link is an error of its own:
// its items never go elsewhere instead.
Failure openTrashFor(const QByteArray& folderPath, dev_t device, TrashFolders& trash,
                     const QString& ownDataFolder, const TrashOwner* owner) {
    FolderHandle data;
    QByteArray dataPath;
    if (!owner)
        data = openDataFolder(ownDataFolder, dataPath);
    else if (Failure failure = openOwnerDataFolder(*owner, data, dataPath); failure.error != 0)
        return failure;
    if (!data.isOpen() || !isOnDevice(data.fd(), device))
        return openVolumeTrash(folderPath, device, trash, owner);
    trash.path = dataPath + "/Trash";
    FolderHandle home;
    if (const int error = openOrMake(data.fd(), "Trash", home, owner))
        return {error, dataPath};
    return openFilesAndInfo(home.fd(), trash, owner);
}

bool isStillLinked(const FolderHandle& folder) {
    struct stat info;
    return ::fstat(folder.fd(), &info) == 0 && info.st_nlink > 0;
}

// The trash of the file system and account last trashed from, kept open for the items that
// follow: opening it costs more than moving an item. Each thread keeps its own; a trash deleted
// meanwhile is opened anew.
struct OpenTrash {
    dev_t device = 0;
    uid_t uid = 0;
    QString dataFolder;
    TrashFolders folders;
};

Failure trashFor(const QByteArray& folderPath, dev_t device, const QString& ownDataFolder,
                 const TrashOwner* owner, const TrashFolders*& trash) {
    thread_local std::optional<OpenTrash> open;
    const QString dataFolder = owner ? owner->dataFolder : ownDataFolder;
    if (!open || open->device != device || open->uid != ownerUid(owner) ||
        open->dataFolder != dataFolder || !isStillLinked(open->folders.files) ||
        !isStillLinked(open->folders.info)) {
        open.reset();
        TrashFolders folders;
        Failure failure = openTrashFor(folderPath, device, folders, ownDataFolder, owner);
        if (failure.error != 0)
            return failure;
        open = OpenTrash{device, ownerUid(owner), dataFolder, std::move(folders)};
    }
    trash = &open->folders;
    return {};
}

// The name of the attempt-th try, as file managers number them: "notes.txt", "notes.2.txt", ...
QByteArray candidateName(const QByteArray& name, int attempt) {
    if (attempt == 1)
        return name;
    // The leading dot of a hidden name starts no extension.
    const qsizetype dot = name.indexOf('.', 1);
    const QByteArray number = '.' + QByteArray::number(attempt);
    return dot < 0 ? name + number : name.first(dot) + number + name.sliced(dot);
}

// Creates the record infoName (EEXIST when another record has that name) and writes it in full;
// when that fails, nothing is left of it. It is not synced to the disk one by one: that took
// twenty times as long as the rest of a removal, and a record not yet on the disk is lost only
// with the system itself.
int writeRecord(int infoFd, const QByteArray& infoName, const QByteArray& record,
                const TrashOwner* owner) {
    const int fd = ::openat(infoFd, infoName.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int error = giveToOwner(fd, owner);
    if (error == 0)
        error = writeAll(fd, record);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlinkat(infoFd, infoName.constData(), 0);
    return error;
}

// Whether the process may add and remove the entries of the folder open at folderFd.
bool mayChange(int folderFd) {
    return ::faccessat(folderFd, ".", W_OK | X_OK, AT_EACCESS) == 0;
}

// The folder whose permissions refused to move name out of parentFd (the folder at folderPath)
// into the trash: that folder, the item itself when it is a folder (its ".." entry changes as it
// moves), or the trash's files folder; empty when none of them refuses.
QByteArray refusingMoveFolder(int parentFd, const QByteArray& name, const QByteArray& folderPath,
                              const TrashFolders& trash) {
    if (!mayChange(parentFd))
        return folderPath;
    const FolderHandle item = linkfree::openSubfolder(parentFd, name);
    if (item.isOpen() && !mayChange(item.fd()))
        return linkfree::joinedPath(folderPath, name);
    return mayChange(trash.files.fd()) ? QByteArray() : trash.path + "/files";
}

QString decoded(const QByteArray& path) {
    return decodeFileName(path.constData(), path.size());
}

TrashEntry entryOf(const TrashFolders& trash, const QByteArray& trashName, const QString& path,
                   const QString& date) {
    const QByteArray files = trash.path + "/files/" + trashName;
    const QByteArray info = trash.path + "/info/" + trashName + ".trashinfo";
    return {decoded(files), decoded(info), path, date};
}

} // namespace

FileOperationResult moveToTrash(int parentFd, const QByteArray& name, const QString& path,
                                const QString& ownDataFolder, const TrashOwner* owner) {
    const QByteArray itemPath = encodedPath(path);
    const QByteArray folderPath = itemPath.first(std::max(itemPath.lastIndexOf('/'), qsizetype(1)));
    struct stat folder;
    if (::fstat(parentFd, &folder) != 0)
        return trashFailure({errno, {}});
    const TrashFolders* opened = nullptr;
    if (Failure failure = trashFor(folderPath, folder.st_dev, ownDataFolder, owner, opened);
        failure.error != 0)
        return trashFailure(failure);
    const TrashFolders& trash = *opened;
    // The record reserves the name: it is written first, and goes again if the item cannot move.
    const QString date = trashinfo::deletionDate(QDateTime::currentDateTime());
    const QByteArray record = trashinfo::record(itemPath.sliced(trash.placePrefix.size()), date);
    for (int attempt = 1;; ++attempt) {
        const QByteArray trashName = candidateName(name, attempt);
        const QByteArray infoName = trashName + ".trashinfo";
        int error = writeRecord(trash.info.fd(), infoName, record, owner);
        const bool recorded = error == 0;
        if (recorded) {
            error = linkfree::moveWithoutReplacing(parentFd, name, trash.files.fd(), trashName);
            if (error != 0)
                ::unlinkat(trash.info.fd(), infoName.constData(), 0);
        }
        if (error == 0)
            return {NoError, {}, entryOf(trash, trashName, path, date)};
        if (error != EEXIST)
            return trashFailure({error, recorded
                                            ? refusingMoveFolder(parentFd, name, folderPath, trash)
                                            : trash.path + "/info"});
    }
}

#endif

} // namespace tidewell::trash
