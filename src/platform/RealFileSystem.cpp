#include "RealFileSystem.h"

#include "DirectoryReading.h"
#include "FileErrors.h"
#include "LinkFreePaths.h"
#include "PropertyListReading.h"
#include "ResourceValuesFromStat.h"
#include "Trash.h"
#include "TrashRestore.h"

#include <QByteArrayView>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tidewell {

namespace {

bool statPath(const QString& path, struct stat& info) {
    return ::stat(encodedPath(path).constData(), &info) == 0;
}

bool lstatPath(const QString& path, struct stat& info) {
    return ::lstat(encodedPath(path).constData(), &info) == 0;
}

QStringView lastComponent(const QString& path) {
    const QStringView view(path);
    return view.sliced(view.lastIndexOf(u'/') + 1);
}

// Folders a permanent removal keeps open at once, however deep the tree.
constexpr int removalDescriptorBudget = 64;

FileOperationResult removalFailure(const linkfree::Failure& failure) {
    const int errnoValue = failure.error;
    // A component that is a link (ELOOP, or ENOTDIR for a link to a file) is never followed.
    if (errnoValue == ELOOP || errnoValue == ENOTDIR)
        return {LinkInPathError, errnoMessage(errnoValue)};
    return {fileErrorCode(errnoValue, FileAccess::writing),
            errnoMessage(errnoValue),
            {},
            refusingFolder(errnoValue, failure.folder)};
}

// The folder holding path, reached without following a link, and the item's name in it.
struct VerifiedItem {
    linkfree::FolderHandle parent;
    QByteArray parentPath;
    QByteArray name;
    // Its folder: the one that refused a look inside, when one did.
    linkfree::Failure failure = {};
};

VerifiedItem verifiedItem(const QString& path) {
    // Without a trailing slash: "link/" names the folder a link points to.
    const QByteArray itemPath = encodedPath(QDir::cleanPath(path));
    VerifiedItem item;
    item.parent = linkfree::openParent(itemPath, item.name);
    item.parentPath = itemPath.first(std::max(itemPath.lastIndexOf('/'), qsizetype(1)));
    struct stat info;
    if (!item.parent.isOpen() ||
        ::fstatat(item.parent.fd(), item.name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        item.failure.error = errno;
    if (item.failure.error == EACCES)
        item.failure.folder = linkfree::unsearchableFolderOn(itemPath);
    return item;
}

RealFileSystem& sharedInstance() {
    static RealFileSystem instance;
    return instance;
}

} // namespace

FileSystem& FileSystem::real() {
    return sharedInstance();
}

void RealFileSystem::setOwnDataFolder(const QString& dataFolder) {
    sharedInstance().m_ownDataFolder = dataFolder;
}

bool RealFileSystem::exists(const QString& path) const {
    struct stat info;
    return statPath(path, info);
}

bool RealFileSystem::existsNoFollow(const QString& path) const {
    struct stat info;
    return lstatPath(path, info);
}

bool RealFileSystem::isDirectory(const QString& path) const {
    struct stat info;
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

bool RealFileSystem::isReadable(const QString& path) const {
    return ::access(encodedPath(path).constData(), R_OK) == 0;
}

DirectoryListing RealFileSystem::listDirectory(const QString& path, HiddenEntries hidden) const {
    return directory::list(path, hidden);
}

std::optional<ResourceValues> RealFileSystem::resourceValues(const QString& path) const {
    struct stat info;
    if (!lstatPath(path, info))
        return std::nullopt;
    return resourceValuesFromStat(info, lastComponent(path));
}

TreeWalk RealFileSystem::walkTree(const QString& path,
                                  const std::function<void(const TreeEntry&)>& visit) const {
    return directory::walk(path, visit);
}

std::optional<QVariantMap> RealFileSystem::readPropertyList(const QString& path) const {
    return propertylist::readDictionary(path);
}

QString RealFileSystem::groupContainerPath(const QString& homePath,
                                           const QString& identifier) const {
    return homePath + QStringLiteral("/Library/Group Containers/") + identifier;
}

QString RealFileSystem::resolvedPath(const QString& path) const {
    char resolved[PATH_MAX];
    if (!::realpath(encodedPath(path).constData(), resolved))
        return {};
    // A path that is not valid UTF-8 has no faithful form to hand on.
    const QByteArrayView bytes(resolved, qsizetype(std::strlen(resolved)));
    return bytes.isValidUtf8() ? decodeFileName(bytes.data(), bytes.size()) : QString();
}

FileOperationResult RealFileSystem::moveToTrash(const QString& path) {
    // The item leaves the verified parent itself, as in a permanent removal.
    const VerifiedItem item = verifiedItem(path);
    if (item.failure.error != 0)
        return removalFailure(item.failure);
    return trash::moveToTrash(item.parent.fd(), item.name, QDir::cleanPath(path), m_ownDataFolder,
                              m_trashOwner ? &*m_trashOwner : nullptr);
}

FileOperationResult RealFileSystem::removePermanently(const QString& path) {
    // Everything happens relative to the verified parent: a folder swapped for a link later
    // is never entered.
    const VerifiedItem item = verifiedItem(path);
    if (item.failure.error != 0)
        return removalFailure(item.failure);
    linkfree::Failure failure =
        linkfree::removeEntry(item.parent.fd(), item.name, removalDescriptorBudget);
    if (failure.error == 0)
        return {};
    failure.folder = failure.folder.isEmpty()
                         ? item.parentPath
                         : linkfree::joinedPath(item.parentPath, failure.folder);
    return removalFailure(failure);
}

bool RealFileSystem::isInTrash(const TrashEntry& entry) const {
    return trash::holds(entry);
}

FileOperationResult RealFileSystem::restoreFromTrash(const TrashEntry& entry) {
    return trash::restore(entry);
}

} // namespace tidewell
