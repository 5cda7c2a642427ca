#include "ListingCache.h"

namespace tidewell {

namespace {

template <typename Value, typename Key, typename Compute>
Value remembered(QHash<Key, Value>& cache, const Key& key, Compute compute) {
    const auto known = cache.constFind(key);
    if (known != cache.cend())
        return *known;
    return *cache.insert(key, compute());
}

FileOperationResult readOnly() {
    return {NoWritePermissionError, QStringLiteral("A cache of listings only reads.")};
}

} // namespace

bool ListingCache::exists(const QString& path) const {
    return remembered(m_exists, path, [&] { return m_fileSystem.exists(path); });
}

bool ListingCache::existsNoFollow(const QString& path) const {
    return m_fileSystem.existsNoFollow(path);
}

bool ListingCache::isDirectory(const QString& path) const {
    return remembered(m_isDirectory, path, [&] { return m_fileSystem.isDirectory(path); });
}

bool ListingCache::isReadable(const QString& path) const {
    return m_fileSystem.isReadable(path);
}

DirectoryListing ListingCache::listDirectory(const QString& path, HiddenEntries hidden) const {
    return remembered(m_listings, std::pair{path, int(hidden)},
                      [&] { return m_fileSystem.listDirectory(path, hidden); });
}

std::optional<ResourceValues> ListingCache::resourceValues(const QString& path) const {
    return m_fileSystem.resourceValues(path);
}

TreeWalk ListingCache::walkTree(const QString& path,
                                const std::function<void(const TreeEntry&)>& visit) const {
    const Tree tree = remembered(m_trees, path, [&] {
        Tree walked;
        walked.walk = m_fileSystem.walkTree(
            path, [&walked](const TreeEntry& entry) { walked.entries.append(entry); });
        return walked;
    });
    for (const TreeEntry& entry : tree.entries)
        visit(entry);
    return tree.walk;
}

std::optional<QVariantMap> ListingCache::readPropertyList(const QString& path) const {
    return m_fileSystem.readPropertyList(path);
}

QString ListingCache::groupContainerPath(const QString& homePath, const QString& identifier) const {
    return m_fileSystem.groupContainerPath(homePath, identifier);
}

QString ListingCache::resolvedPath(const QString& path) const {
    return remembered(m_resolved, path, [&] { return m_fileSystem.resolvedPath(path); });
}

FileOperationResult ListingCache::moveToTrash(const QString&) {
    return readOnly();
}

FileOperationResult ListingCache::removePermanently(const QString&) {
    return readOnly();
}

bool ListingCache::isInTrash(const TrashEntry& entry) const {
    return m_fileSystem.isInTrash(entry);
}

FileOperationResult ListingCache::restoreFromTrash(const TrashEntry&) {
    return readOnly();
}

} // namespace tidewell
