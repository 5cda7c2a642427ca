#include "RealFileSystem.h"

#include "DirectoryReading.h"
#include "FileErrors.h"
#include "PropertyListReading.h"
#include "ResourceValuesFromStat.h"
#include "Trash.h"

#include <QDir>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
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

FileOperationResult removalFailure(int errnoValue) {
    return {fileErrorCode(errnoValue, FileAccess::writing), errnoMessage(errnoValue)};
}

} // namespace

FileSystem& FileSystem::real() {
    static RealFileSystem instance;
    return instance;
}

QString RealFileSystem::homePath() const {
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : QDir::cleanPath(home);
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

DirectoryListing RealFileSystem::listDirectory(const QString& path) const {
    return directory::list(path);
}

std::optional<ResourceValues> RealFileSystem::resourceValues(const QString& path) const {
    struct stat info;
    if (!lstatPath(path, info))
        return std::nullopt;
    return resourceValuesFromStat(info, lastComponent(path));
}

bool RealFileSystem::walkTree(const QString& path,
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

FileOperationResult RealFileSystem::moveToTrash(const QString& path) {
    return trash::moveToTrash(path);
}

FileOperationResult RealFileSystem::removePermanently(const QString& path) {
    // Without a trailing slash: "link/" names the folder a link points to, and its contents
    // would go instead of the link.
    const QByteArray native = encodedPath(QDir::cleanPath(path));
    struct stat info;
    if (::lstat(native.constData(), &info) != 0)
        return removalFailure(errno);
    // A link goes alone; what it points to is never touched.
    if (S_ISLNK(info.st_mode))
        return ::unlink(native.constData()) == 0 ? FileOperationResult{} : removalFailure(errno);
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(native.toStdString()), error);
    return error ? removalFailure(error.value()) : FileOperationResult{};
}

} // namespace tidewell
