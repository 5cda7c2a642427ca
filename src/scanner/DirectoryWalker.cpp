#include "DirectoryWalker.h"

#include "CandidateMatching.h"
#include "PathNames.h"
#include "platform/FileSystem.h"

namespace tidewell {

DirectoryWalker::DirectoryWalker(const ScanContext& context, const FileSystem& fileSystem,
                                 CancellationToken cancel)
    : m_context(context), m_fileSystem(fileSystem), m_cancel(std::move(cancel)) {}

WalkResult DirectoryWalker::walk(const ScanRoot& root) {
    m_result = {};
    // A root that is a link is an item of its own: tested, never listed through.
    if (const auto values = m_fileSystem.resourceValues(root.path);
        values && values->isSymbolicLink) {
        if (matchesCandidate(root.path, m_context))
            m_result.matches.append(pathnames::standardized(root.path));
        return m_result;
    }
    // An entry directly in a Library folder is a candidate itself; only one that is not the
    // application's is walked.
    if (m_context.place(root.path).kind == PathPlace::Kind::libraryEntry &&
        matchesCandidate(root.path, m_context)) {
        m_result.matches.append(root.path);
        return m_result;
    }
    if (!m_fileSystem.exists(root.path))
        return m_result;
    m_maxDepth = root.maxDepth;
    m_rootIsLibrary = isLibraryRootPath(root.path, m_context.host());
    m_levels.assign(size_t(std::max(root.maxDepth, 0)) + 2, {});
    m_levels[0] = folderMatchState(root.path, m_context);
    scanDirectory(0);
    return std::move(m_result);
}

void DirectoryWalker::scanDirectory(int depth) {
    const FolderMatchState& folder = m_levels[size_t(depth)];
    if (m_cancel.isCancelled() || !m_fileSystem.exists(folder.path))
        return;
    if (!m_fileSystem.isReadable(folder.path)) {
        m_result.permissionDenied.insert(folder.path);
        return;
    }
    const DirectoryListing listing = m_fileSystem.listDirectory(folder.path);
    if (!listing.ok()) {
        if (listing.errorCode == NoReadPermissionError ||
            listing.errorCode == NoWritePermissionError)
            m_result.permissionDenied.insert(folder.path);
        return;
    }
    FolderMatchState& entryState = m_levels[size_t(depth) + 1];
    for (const DirectoryEntry& entry : listing.entries) {
        if (entry.isSymbolicLink.value_or(false) || m_context.isProtectedPath(entry.path))
            continue;
        if (matchesEntry(folder, entry.name, entry.path, m_context, entryState))
            m_result.matches.append(pathnames::standardized(entry.path));
        else if (mayDescend(entry, depth))
            scanDirectory(depth + 1);
    }
}

bool DirectoryWalker::mayDescend(const DirectoryEntry& entry, int depth) const {
    if (!entry.isDirectory.value_or(false) || depth >= m_maxDepth || isPackageLike(entry))
        return false;
    return !(depth == 0 && m_rootIsLibrary && isDeepSearchExcludedLibraryDirectory(entry.name));
}

} // namespace tidewell
