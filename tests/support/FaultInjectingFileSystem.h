#pragma once

#include "platform/FileSystem.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QStringList>

// Wraps a file system and makes chosen paths fail the way real disks do: refused listings,
// unreadable folders, items that disappear, and a Trash or removal that refuses. Everything not
// injected is forwarded. Paths are compared after QDir::cleanPath. Safe to share between threads,
// like the real file system.
class FaultInjectingFileSystem final : public tidewell::FileSystem {
public:
    explicit FaultInjectingFileSystem(tidewell::FileSystem& inner = tidewell::FileSystem::real());

    // listDirectory(path) fails with errorCode (257, 513, 4 or any other code), and a walk
    // cannot open the folder: a walk of it does not start, a walk above it visits the folder
    // but nothing below and is partial.
    void failListing(const QString& path, int errorCode);
    // isReadable(path) answers false.
    void makeUnreadable(const QString& path);
    // The item at path, with everything below it, is gone once path has passed
    // existenceChecksLeft more existence checks (exists, existsNoFollow, isDirectory); at once
    // when 0. A vanished item does not exist, is left out of listings and walks, cannot be
    // listed, read or measured, and trashing or removing it fails with code 4.
    void vanish(const QString& path, int existenceChecksLeft = 0);
    // moveToTrash(path) / removePermanently(path) fail with errorCode and message, naming
    // refusingFolder as the folder whose permissions refused.
    void failTrash(const QString& path, int errorCode, const QString& message = {},
                   const QString& refusingFolder = {});
    void failRemoval(const QString& path, int errorCode, const QString& message = {},
                     const QString& refusingFolder = {});

    // hook(path) runs on the calling thread before every listing, or every property list read;
    // set them before sharing.
    void whenListing(std::function<void(const QString&)> hook);
    void whenReadingPropertyList(std::function<void(const QString&)> hook);
    // hook(path) runs on the calling thread before every move to the Trash; set it before sharing.
    void whenTrashing(std::function<void(const QString&)> hook);

    // The paths passed to each operation, in call order, failed calls included.
    QStringList listedPaths() const;
    QStringList trashedPaths() const;
    QStringList removedPaths() const;

    bool exists(const QString& path) const override;
    bool existsNoFollow(const QString& path) const override;
    bool isDirectory(const QString& path) const override;
    bool isReadable(const QString& path) const override;
    tidewell::DirectoryListing
    listDirectory(const QString& path,
                  tidewell::HiddenEntries hidden = tidewell::HiddenEntries::leftOut) const override;
    std::optional<tidewell::ResourceValues> resourceValues(const QString& path) const override;
    tidewell::TreeWalk
    walkTree(const QString& path,
             const std::function<void(const tidewell::TreeEntry&)>& visit) const override;
    std::optional<QVariantMap> readPropertyList(const QString& path) const override;
    QString groupContainerPath(const QString& homePath, const QString& identifier) const override;
    QString resolvedPath(const QString& path) const override;
    tidewell::FileOperationResult moveToTrash(const QString& path) override;
    tidewell::FileOperationResult removePermanently(const QString& path) override;
    bool isInTrash(const tidewell::TrashEntry& entry) const override;
    tidewell::FileOperationResult restoreFromTrash(const tidewell::TrashEntry& entry) override;

private:
    // Counts one existence check of path; false when the item is gone.
    bool survivesExistenceCheck(const QString& path) const;
    bool isVanished(const QString& path) const; // expects m_mutex held and a cleaned path
    bool isGone(const QString& path) const;
    bool listingFails(const QString& path) const;
    bool isBelowFailedListing(const QString& path) const; // strictly below
    // Runs change on the wrapped file system unless path has vanished or a failure is injected.
    tidewell::FileOperationResult changeUnlessInjected(
        const QString& path, const QHash<QString, tidewell::FileOperationResult>& failures,
        QStringList& log, tidewell::FileOperationResult (FileSystem::*change)(const QString&));

    tidewell::FileSystem& m_inner;
    mutable QMutex m_mutex;
    QHash<QString, int> m_listingErrors;
    QSet<QString> m_unreadable;
    mutable QHash<QString, int> m_vanishing; // existence checks left; 0 once gone
    QHash<QString, tidewell::FileOperationResult> m_trashFailures;
    QHash<QString, tidewell::FileOperationResult> m_removalFailures;
    std::function<void(const QString&)> m_listingHook;
    std::function<void(const QString&)> m_propertyListHook;
    std::function<void(const QString&)> m_trashHook;
    mutable QStringList m_listed;
    QStringList m_trashed;
    QStringList m_removed;
};
