#pragma once

#include "CancellationToken.h"
#include "FolderMatchState.h"
#include "ScanContext.h"
#include "ScanRoots.h"

#include <QSet>
#include <QStringList>

#include <vector>

namespace tidewell {

class FileSystem;
struct DirectoryEntry;

// What the walk of one root found.
struct WalkResult {
    QStringList matches;            // standardized paths
    QSet<QString> permissionDenied; // folders that could not be read
};

// Walks one scan root depth-first: never follows links, never enters matched items, packages,
// protected paths or excluded Library folders, and stops at the root's depth; a cancelled walk
// lists no further folder and returns what it found so far. One walker per
// worker; the context and the file system are shared read-only.
class DirectoryWalker {
public:
    DirectoryWalker(const ScanContext& context, const FileSystem& fileSystem,
                    CancellationToken cancel = {});

    WalkResult walk(const ScanRoot& root);

private:
    void scanDirectory(int depth);
    bool mayDescend(const DirectoryEntry& entry, int depth) const;

    const ScanContext& m_context;
    const FileSystem& m_fileSystem;
    CancellationToken m_cancel;
    int m_maxDepth = 0;
    bool m_rootIsLibrary = false;
    WalkResult m_result;
    // One state per depth: the folder being listed at that depth, reused for its entries.
    std::vector<FolderMatchState> m_levels;
};

} // namespace tidewell
