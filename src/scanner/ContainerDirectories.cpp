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

enum class Ownership { none, byName, byRecord };

bool isPermissionError(int code) {
    return code == NoReadPermissionError || code == NoWritePermissionError;
}

// Whether a recorded owner is the application itself, or the application a helper belongs to.
bool isOwner(const QString& lowered, const AppDescriptor& app) {
    if (lowered == app.normalizedIdentifier)
        return true;
    const std::optional<QString>& base = app.bundleFacts.baseIdentifier;
    return base && !base->isEmpty() &&
           (lowered == *base || lowered.startsWith(*base + QLatin1Char('.')));
}

Ownership ownershipOf(const QString& folderPath, const AppDescriptor& app,
                      const MatchNeedles& needles, const FileSystem& fileSystem) {
    const auto metadata =
        fileSystem.readPropertyList(pathnames::joined(folderPath, metadataFileName));
    const QVariant owner = metadata ? metadata->value(ownerIdentifierKey) : QVariant();
    if (owner.typeId() == QMetaType::QString) {
        if (isOwner(text::lowercased(owner.toString()), app))
            return Ownership::byRecord;
        if (matchesContainerName(owner.toString(), needles))
            return Ownership::byName;
    }
    return matchesContainerName(pathnames::fileName(folderPath), needles) ? Ownership::byName
                                                                          : Ownership::none;
}

// Adds the matching folders of one container root; a root that may not be read is reported.
void collectFromRoot(const QString& root, const AppDescriptor& app, const MatchNeedles& needles,
                     QSet<QString>& permissionDenied, const FileSystem& fileSystem,
                     QSet<QString>& owned, QSet<QString>& named) {
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
        if (!entry.isDirectory.value_or(false) || entry.isSymbolicLink.value_or(true))
            continue;
        const Ownership ownership = ownershipOf(entry.path, app, needles, fileSystem);
        if (ownership == Ownership::byRecord)
            owned.insert(pathnames::standardized(entry.path));
        else if (ownership == Ownership::byName)
            named.insert(pathnames::standardized(entry.path));
    }
}

QStringList sorted(const QSet<QString>& paths) {
    QStringList list(paths.begin(), paths.end());
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace

ContainerDirectories ContainerDirectories::find(const AppDescriptor& app,
                                                const MatchNeedles& needles,
                                                const QString& homePath,
                                                QSet<QString>& permissionDenied,
                                                const FileSystem& fileSystem) {
    QSet<QString> owned;
    QSet<QString> named;
    // An identifier is data, never path syntax: one that could leave the folder names none.
    const QString group = pathrules::isSafeComponent(app.identifier)
                              ? fileSystem.groupContainerPath(homePath, app.identifier)
                              : QString();
    if (!group.isEmpty() && fileSystem.exists(group))
        named.insert(pathnames::standardized(group));
    for (const QString& relative :
         {QStringLiteral("Library/Containers"), QStringLiteral("Library/Group Containers")})
        collectFromRoot(pathnames::joined(homePath, relative), app, needles, permissionDenied,
                        fileSystem, owned, named);
    named.subtract(owned);
    return {sorted(owned), sorted(named)};
}

} // namespace tidewell
