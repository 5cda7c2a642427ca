#pragma once

#include "FolderMatchState.h"
#include "ScanContext.h"
#include "model/AppDescriptor.h"
#include "platform/FileSystem.h"

#include <QString>

namespace tidewell {

// Whether word (lower case) is a whole component of path, or a whole piece of one cut at
// ".", "_", "-" or space. Components are compared in lower case.
bool urlHasWord(const QString& path, const QString& word);

// Whether the item at path belongs to the application: by identifier, by name (short names
// only as whole words), by tail token, or by search tokens found in its relative path.
bool matchesCandidate(const QString& path, const ScanContext& context);

// Whether a folder name or an identifier names the application (container folders).
bool matchesNormalizedText(const QString& name, const AppDescriptor& app);

// A package-like entry is tested as a candidate but never entered.
bool isPackageLike(const DirectoryEntry& entry);

// The state the walk keeps for a folder it lists; computed in full once per root.
FolderMatchState folderMatchState(const QString& folderPath, const ScanContext& context);

// matchesCandidate for an entry named name at path inside folder, looking only at the name
// when the folder allows it. Fills entryState with the entry's own state, ready to serve as
// the folder state when the walk enters the entry (complete whenever the entry does not
// match). Reusing one entryState per depth keeps the walk free of allocations.
bool matchesEntry(const FolderMatchState& folder, const QString& name, const QString& path,
                  const ScanContext& context, FolderMatchState& entryState);

} // namespace tidewell
