#pragma once

#include "FolderMatchState.h"
#include "ScanContext.h"
#include "model/ItemEvidence.h"
#include "platform/FileSystem.h"

#include <QString>

#include <optional>

namespace tidewell {

// What path shows of the application whose needles are given: for an entry directly in a
// Library folder, whether it is named exactly for it (its name starts with the identifier, or
// without its extension it is the name; the Library's standard folders never are); below a
// root folder, what the part below the root folder shows. Nothing when path is no candidate at
// all: outside the scan's folders, a Library folder, inside an application bundle of an
// Applications folder.
std::optional<MatchEvidence> evidenceFor(QStringView path, const MatchNeedles& needles,
                                         const ScanContext& context);

// How certainly a matched path names the scan's application: by its identifier in some
// component below the root folder (for an entry of a Library folder, at the start of its name),
// by its full name in some component, only by the vendor's name as its own name (subject: the
// vendor), or only by part of its name or by tokens.
ItemEvidence namingEvidence(QStringView path, const ScanContext& context);

// Whether the item at path belongs to the scan's application: by identifier, name or tail
// token on word boundaries in one component below its root folder, or by two search tokens of
// which one is specific.
bool matchesCandidate(const QString& path, const ScanContext& context);

// Whether a container folder's name belongs to the application, by the same rule as a first
// component below a root folder (a leading team id is not read).
bool matchesContainerName(QStringView name, const MatchNeedles& needles);

// The name without a leading ten-character team id ("ABCDE12345.com.example" ->
// "com.example").
QStringView withoutTeamId(QStringView name);

// A package-like entry is tested as a candidate but never entered.
bool isPackageLike(const DirectoryEntry& entry);

// The state the walk keeps for a folder it lists; computed in full once per root.
FolderMatchState folderMatchState(const QString& folderPath, const ScanContext& context);

// matchesCandidate for an entry named name at path inside folder, reading only the name when
// the folder allows it. Fills entryState with the entry's own state, ready to serve as the
// folder state when the walk enters the entry.
bool matchesEntry(const FolderMatchState& folder, const QString& name, const QString& path,
                  const ScanContext& context, FolderMatchState& entryState);

} // namespace tidewell
