#include "FaultInjectingFileSystem.h"

#include <QDir>

using tidewell::DirectoryListing;
using tidewell::FileOperationResult;
using tidewell::ResourceValues;
using tidewell::TreeEntry;
using tidewell::TreeWalk;

namespace {

QString key(const QString& path) {
    return QDir::cleanPath(path);
}

bool isSameOrBelow(const QString& path, const QString& ancestor) {
    return path == ancestor || path.startsWith(ancestor + u'/') || ancestor == u"/";
}

FileOperationResult failure(int errorCode, const QString& message, const QString& refusingFolder) {
    return {errorCode,
            message.isEmpty() ? QStringLiteral("Injected failure (code %1)").arg(errorCode)
                              : message,
            {},
            refusingFolder};
}

} // namespace

FaultInjectingFileSystem::FaultInjectingFileSystem(tidewell::FileSystem& inner) : m_inner(inner) {}

void FaultInjectingFileSystem::failListing(const QString& path, int errorCode) {
    const QMutexLocker lock(&m_mutex);
    m_listingErrors.insert(key(path), errorCode);
}

void FaultInjectingFileSystem::makeUnreadable(const QString& path) {
    const QMutexLocker lock(&m_mutex);
    m_unreadable.insert(key(path));
}

void FaultInjectingFileSystem::vanish(const QString& path, int existenceChecksLeft) {
    const QMutexLocker lock(&m_mutex);
    m_vanishing.insert(key(path), qMax(0, existenceChecksLeft));
}

void FaultInjectingFileSystem::failTrash(const QString& path, int errorCode, const QString& message,
                                         const QString& refusingFolder) {
    const QMutexLocker lock(&m_mutex);
    m_trashFailures.insert(key(path), failure(errorCode, message, refusingFolder));
}

void FaultInjectingFileSystem::failRemoval(const QString& path, int errorCode,
                                           const QString& message, const QString& refusingFolder) {
    const QMutexLocker lock(&m_mutex);
    m_removalFailures.insert(key(path), failure(errorCode, message, refusingFolder));
}

QStringList FaultInjectingFileSystem::listedPaths() const {
    const QMutexLocker lock(&m_mutex);
    return m_listed;
}

QStringList FaultInjectingFileSystem::trashedPaths() const {
    const QMutexLocker lock(&m_mutex);
    return m_trashed;
}

QStringList FaultInjectingFileSystem::removedPaths() const {
    const QMutexLocker lock(&m_mutex);
    return m_removed;
}

bool FaultInjectingFileSystem::isVanished(const QString& path) const {
    for (auto it = m_vanishing.cbegin(); it != m_vanishing.cend(); ++it) {
        if (it.value() == 0 && isSameOrBelow(path, it.key()))
            return true;
    }
    return false;
}

bool FaultInjectingFileSystem::isGone(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    return isVanished(key(path));
}

bool FaultInjectingFileSystem::listingFails(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    return m_listingErrors.contains(key(path));
}

bool FaultInjectingFileSystem::isBelowFailedListing(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    const QString cleaned = key(path);
    for (auto it = m_listingErrors.cbegin(); it != m_listingErrors.cend(); ++it) {
        if (cleaned != it.key() && isSameOrBelow(cleaned, it.key()))
            return true;
    }
    return false;
}

bool FaultInjectingFileSystem::survivesExistenceCheck(const QString& path) const {
    const QMutexLocker lock(&m_mutex);
    const QString cleaned = key(path);
    if (isVanished(cleaned))
        return false;
    const auto countdown = m_vanishing.find(cleaned);
    if (countdown != m_vanishing.end())
        --countdown.value();
    return true;
}

bool FaultInjectingFileSystem::exists(const QString& path) const {
    return survivesExistenceCheck(path) && m_inner.exists(path);
}

bool FaultInjectingFileSystem::existsNoFollow(const QString& path) const {
    return survivesExistenceCheck(path) && m_inner.existsNoFollow(path);
}

bool FaultInjectingFileSystem::isDirectory(const QString& path) const {
    return survivesExistenceCheck(path) && m_inner.isDirectory(path);
}

bool FaultInjectingFileSystem::isReadable(const QString& path) const {
    {
        const QMutexLocker lock(&m_mutex);
        const QString cleaned = key(path);
        if (m_unreadable.contains(cleaned) || isVanished(cleaned))
            return false;
    }
    return m_inner.isReadable(path);
}

void FaultInjectingFileSystem::whenListing(std::function<void(const QString&)> hook) {
    m_listingHook = std::move(hook);
}

void FaultInjectingFileSystem::whenReadingPropertyList(std::function<void(const QString&)> hook) {
    m_propertyListHook = std::move(hook);
}

void FaultInjectingFileSystem::whenTrashing(std::function<void(const QString&)> hook) {
    m_trashHook = std::move(hook);
}

DirectoryListing FaultInjectingFileSystem::listDirectory(const QString& path,
                                                         tidewell::HiddenEntries hidden) const {
    if (m_listingHook)
        m_listingHook(path);
    const QString cleaned = key(path);
    {
        const QMutexLocker lock(&m_mutex);
        m_listed.append(path);
        if (isVanished(cleaned))
            return {{}, tidewell::NoSuchFileError};
        if (const auto error = m_listingErrors.constFind(cleaned); error != m_listingErrors.cend())
            return {{}, error.value()};
    }
    DirectoryListing listing = m_inner.listDirectory(path, hidden);
    const QMutexLocker lock(&m_mutex);
    listing.entries.removeIf(
        [this](const tidewell::DirectoryEntry& entry) { return isVanished(key(entry.path)); });
    return listing;
}

std::optional<ResourceValues> FaultInjectingFileSystem::resourceValues(const QString& path) const {
    {
        const QMutexLocker lock(&m_mutex);
        if (isVanished(key(path)))
            return std::nullopt;
    }
    return m_inner.resourceValues(path);
}

TreeWalk
FaultInjectingFileSystem::walkTree(const QString& path,
                                   const std::function<void(const TreeEntry&)>& visit) const {
    if (isGone(path) || listingFails(path))
        return TreeWalk::notOpened;
    bool leftOut = false;
    const TreeWalk walk = m_inner.walkTree(path, [&](const TreeEntry& entry) {
        if (isBelowFailedListing(entry.path))
            leftOut = true;
        else if (!isGone(entry.path))
            visit(entry);
    });
    return leftOut && walk == TreeWalk::whole ? TreeWalk::partial : walk;
}

std::optional<QVariantMap> FaultInjectingFileSystem::readPropertyList(const QString& path) const {
    if (m_propertyListHook)
        m_propertyListHook(path);
    if (isGone(path))
        return std::nullopt;
    return m_inner.readPropertyList(path);
}

QString FaultInjectingFileSystem::groupContainerPath(const QString& homePath,
                                                     const QString& identifier) const {
    return m_inner.groupContainerPath(homePath, identifier);
}

QString FaultInjectingFileSystem::resolvedPath(const QString& path) const {
    return isGone(path) ? QString() : m_inner.resolvedPath(path);
}

FileOperationResult FaultInjectingFileSystem::changeUnlessInjected(
    const QString& path, const QHash<QString, FileOperationResult>& failures, QStringList& log,
    FileOperationResult (FileSystem::*change)(const QString&)) {
    {
        const QMutexLocker lock(&m_mutex);
        log.append(path);
        const QString cleaned = key(path);
        if (isVanished(cleaned))
            return {tidewell::NoSuchFileError, QStringLiteral("No such file or directory")};
        if (const auto injected = failures.constFind(cleaned); injected != failures.cend())
            return injected.value();
    }
    return (m_inner.*change)(path);
}

FileOperationResult FaultInjectingFileSystem::moveToTrash(const QString& path) {
    if (m_trashHook)
        m_trashHook(path);
    return changeUnlessInjected(path, m_trashFailures, m_trashed, &FileSystem::moveToTrash);
}

FileOperationResult FaultInjectingFileSystem::removePermanently(const QString& path) {
    return changeUnlessInjected(path, m_removalFailures, m_removed, &FileSystem::removePermanently);
}

bool FaultInjectingFileSystem::isInTrash(const tidewell::TrashEntry& entry) const {
    return m_inner.isInTrash(entry);
}

FileOperationResult FaultInjectingFileSystem::restoreFromTrash(const tidewell::TrashEntry& entry) {
    return m_inner.restoreFromTrash(entry);
}
