#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace tidewell {

// Numeric file error codes shared by every layer; only the number is ever compared.
enum FileErrorCode : int {
    NoError = 0,
    NoSuchFileError = 4,
    NoReadPermissionError = 257,
    NoWritePermissionError = 513,
};

// One direct entry of a folder listing. Values the listing could not determine stay empty.
struct DirectoryEntry {
    QString path; // absolute path: the listed folder's path + "/" + name
    QString name; // last path component
    std::optional<bool> isDirectory;
    std::optional<bool> isSymbolicLink;
    std::optional<bool> isPackage;
};

// Whether a listing gives the entries whose names start with ".".
enum class HiddenEntries { leftOut, included };

struct DirectoryListing {
    QList<DirectoryEntry> entries;
    int errorCode = NoError; // NoError when the listing succeeded
    bool ok() const { return errorCode == NoError; }
};

// Values of one item itself, never following a symbolic link.
struct ResourceValues {
    bool isDirectory = false;
    bool isSymbolicLink = false;
    bool isPackage = false;
    std::optional<qint64> totalAllocatedSize;
    std::optional<qint64> allocatedSize;
    std::optional<qint64> fileSize;
    // Which file this is: the same device and inode are the same file under another name.
    quint64 deviceId = 0;
    quint64 inode = 0;
    quint64 linkCount = 1;
};

// One entry met by a deep walk of a tree.
struct TreeEntry {
    QString path;
    ResourceValues values;
};

// How much of a tree a deep walk could read.
enum class TreeWalk {
    notOpened, // the tree's own folder could not be opened: nothing was visited
    partial,   // some folder below could not be read, or some entry not be looked at
    whole,
};

// Where a move to the Trash put an item, and what the Trash's record of it says: enough to
// find the item again and to tell it from another item that took its name since.
struct TrashEntry {
    QString filesPath;    // the item in the trash's files folder
    QString infoPath;     // its .trashinfo record; empty where the Trash keeps none
    QString originalPath; // where the item lay, absolute
    QString deletionDate; // the record's DeletionDate, as written there

    bool isEmpty() const { return filesPath.isEmpty(); }
    friend bool operator==(const TrashEntry&, const TrashEntry&) = default;
};

// Result of a file operation that changes the disk.
struct FileOperationResult {
    int errorCode = NoError;
    QString message; // the system's own one-line description of the error, empty on success
    TrashEntry trashEntry = {}; // after a successful move to the Trash: where the item went
    // When a permission was refused: the folder whose permissions refused it (the item's own
    // folder, the folder holding it, a folder deep inside, or the Trash's), where known.
    QString refusingFolder = {};
    bool ok() const { return errorCode == NoError; }
};

// Everything the program asks of the file system. The real implementation is shared by all
// threads; tests wrap it to inject errors.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The process-wide real file system.
    static FileSystem& real();

    // Whether something exists at path; a symbolic link is followed.
    virtual bool exists(const QString& path) const = 0;
    // Whether something exists at path itself; a dangling symbolic link exists.
    virtual bool existsNoFollow(const QString& path) const = 0;
    // Whether a folder exists at path; a symbolic link is followed.
    virtual bool isDirectory(const QString& path) const = 0;
    virtual bool isReadable(const QString& path) const = 0;
    // Direct entries of a folder, hidden entries (names starting with ".") left out unless asked.
    virtual DirectoryListing listDirectory(const QString& path,
                                           HiddenEntries hidden = HiddenEntries::leftOut) const = 0;
    virtual std::optional<ResourceValues> resourceValues(const QString& path) const = 0;
    // Every entry below path at any depth, hidden ones included; packages, and folders on
    // another file system than path, are yielded but not entered; unreadable folders are passed
    // over and make the walk partial.
    virtual TreeWalk walkTree(const QString& path,
                              const std::function<void(const TreeEntry&)>& visit) const = 0;
    // Top-level dictionary of an XML or binary property list, or nothing.
    virtual std::optional<QVariantMap> readPropertyList(const QString& path) const = 0;
    // Folder of the group container named by identifier (its existence is not checked).
    virtual QString groupContainerPath(const QString& homePath,
                                       const QString& identifier) const = 0;
    // The absolute path with every link resolved, or empty when path does not exist.
    virtual QString resolvedPath(const QString& path) const = 0;
    // Both fail (LinkInPathError) when a folder on the path is a symbolic link: nothing is
    // ever reached through a link.
    virtual FileOperationResult moveToTrash(const QString& path) = 0;
    virtual FileOperationResult removePermanently(const QString& path) = 0;
    // Whether the item of entry is still in the Trash under the same record.
    virtual bool isInTrash(const TrashEntry& entry) const = 0;
    // Puts the item of entry back where it lay and drops its record. Never replaces what is
    // there now (ItemExistsError: the item and its record stay in the Trash); fails with
    // NoSuchFileError when the entry is gone or its record names another item.
    virtual FileOperationResult restoreFromTrash(const TrashEntry& entry) = 0;
};

} // namespace tidewell
