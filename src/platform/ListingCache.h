#pragma once

#include "FileSystem.h"

#include <QHash>

namespace tidewell {

// A file system that lists each folder, walks each tree and looks each path up once, for work
// that asks the same folders again and again in a short time (one search for each of many
// applications). It only reads: what it remembers would not be told of changes, so it refuses
// them, and a cache lives only as long as one such search. Not for use from several threads.
class ListingCache final : public FileSystem {
public:
    explicit ListingCache(const FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

    bool exists(const QString& path) const override;
    bool existsNoFollow(const QString& path) const override;
    bool isDirectory(const QString& path) const override;
    bool isReadable(const QString& path) const override;
    DirectoryListing listDirectory(const QString& path, HiddenEntries hidden) const override;
    std::optional<ResourceValues> resourceValues(const QString& path) const override;
    TreeWalk walkTree(const QString& path,
                      const std::function<void(const TreeEntry&)>& visit) const override;
    std::optional<QVariantMap> readPropertyList(const QString& path) const override;
    QString groupContainerPath(const QString& homePath, const QString& identifier) const override;
    QString resolvedPath(const QString& path) const override;
    FileOperationResult moveToTrash(const QString& path) override;
    FileOperationResult removePermanently(const QString& path) override;
    bool isInTrash(const TrashEntry& entry) const override;
    FileOperationResult restoreFromTrash(const TrashEntry& entry) override;

private:
    struct Tree {
        QList<TreeEntry> entries;
        TreeWalk walk = TreeWalk::notOpened;
    };

    const FileSystem& m_fileSystem;
    mutable QHash<QString, bool> m_exists;
    mutable QHash<QString, bool> m_isDirectory;
    mutable QHash<QString, QString> m_resolved;
    mutable QHash<std::pair<QString, int>, DirectoryListing> m_listings;
    mutable QHash<QString, Tree> m_trees;
};

} // namespace tidewell
