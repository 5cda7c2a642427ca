#include "ContainerDirectories.h"

#include "CandidateMatching.h"
#include "PathNames.h"
#include "model/PathRules.h"
#include "model/TextRules.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace tidewell {

namespace {

const QString metadataFileName = QStringLiteral(".com.apple.containermanagerd.metadata.plist");
const QString ownerIdentifierKey = QStringLiteral("MCMMetadataIdentifier");

bool isPermissionError(int code) {
    return code == NoReadPermissionError || code == NoWritePermissionError;
}

// Adds the matching folders of one container root; a root that may not be read is reported.
void collectFromRoot(const QString& root, const AppDescriptor& app, QSet<QString>& permissionDenied,
                     const FileSystem& fileSystem, QSet<QString>& found) {
    if (!fileSystem.exists(root))
        return;
    if (!fileSystem.isReadable(root)) {
        permissionDenied.insert(root);
        return;
    }
    const DirectoryListing listing = fileSystem.listDirectory(root);
    if (!listing.ok()) {
        if (isPermissionError(listing.errorCode))
            permissionDenied.insert(root);
        return;
    }
    for (const DirectoryEntry& entry : listing.entries) {
        if (!entry.isDirectory || !entry.isSymbolicLink)
            continue;
        if (*entry.isDirectory && !*entry.isSymbolicLink &&
            containerCandidateMatches(entry.path, app, fileSystem))
            found.insert(pathnames::standardized(entry.path));
    }
}

} // namespace

QStringList findContainerDirectories(const AppDescriptor& app, const QString& homePath,
                                     QSet<QString>& permissionDenied,
                                     const FileSystem& fileSystem) {
    QSet<QString> found;
    const QString group = pathrules::isSafeComponent(app.bundleIdentifier)
                              ? fileSystem.groupContainerPath(homePath, app.bundleIdentifier)
                              : QString();
    if (!group.isEmpty() && fileSystem.exists(group))
        found.insert(pathnames::standardized(group));
    for (const QString& relative :
         {QStringLiteral("Library/Containers"), QStringLiteral("Library/Group Containers")})
        collectFromRoot(pathnames::joined(homePath, relative), app, permissionDenied, fileSystem,
                        found);
    QStringList sorted(found.begin(), found.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

bool containerCandidateMatches(const QString& folderPath, const AppDescriptor& app,
                               const FileSystem& fileSystem) {
    if (matchesNormalizedText(pathnames::fileName(folderPath).toString(), app))
        return true;
    const auto metadata =
        fileSystem.readPropertyList(pathnames::joined(folderPath, metadataFileName));
    if (!metadata)
        return false;
    const QVariant owner = metadata->value(ownerIdentifierKey);
    if (owner.typeId() != QMetaType::QString)
        return false;
    const QString identifier = owner.toString();
    const QString lowered = text::lowercased(identifier);
    if (lowered == app.normalizedBundleIdentifier)
        return true;
    if (app.baseBundleIdentifier && !app.baseBundleIdentifier->isEmpty() &&
        lowered.startsWith(*app.baseBundleIdentifier))
        return true;
    return matchesNormalizedText(identifier, app);
}

} // namespace tidewell
