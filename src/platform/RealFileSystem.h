#pragma once

#include "FileSystem.h"
#include "TrashOwner.h"

#include <optional>

namespace tidewell {

// The host's file system: POSIX calls for queries and walks, libplist for property lists, and the
// desktop Trash and removal relative to folders opened without following links. It holds no
// state but whose Trash it uses, so one instance serves every thread at once.
class RealFileSystem final : public FileSystem {
public:
    // Items go to the Trash below the process's own user's data folder ($XDG_DATA_HOME).
    explicit RealFileSystem(QString ownDataFolder = {})
        : m_ownDataFolder(std::move(ownDataFolder)) {}
    // Items go to another account's Trash.
    explicit RealFileSystem(TrashOwner trashOwner) : m_trashOwner(std::move(trashOwner)) {}

    // Gives the shared instance (FileSystem::real()) the user's data folder, whose Trash takes
    // what it moves there; until then it has no home Trash. Call it once, before any thread
    // uses the file system.
    static void setOwnDataFolder(const QString& dataFolder);

    bool exists(const QString& path) const override;
    bool existsNoFollow(const QString& path) const override;
    bool isDirectory(const QString& path) const override;
    bool isReadable(const QString& path) const override;
    DirectoryListing listDirectory(const QString& path,
                                   HiddenEntries hidden = HiddenEntries::leftOut) const override;
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
    QString m_ownDataFolder;
    std::optional<TrashOwner> m_trashOwner;
};

} // namespace tidewell
