#pragma once

#include "MatchNeedles.h"

#include <QString>

namespace tidewell {

// What the walk keeps of a folder so that testing one of its entries only has to read the
// entry's own name: what the folder's part below its root folder already showed.
struct FolderMatchState {
    QString path;
    // The folder lies below a root folder, so an entry's evidence is the folder's plus what
    // its own name shows.
    bool hasEvidence = false;
    bool isBlocked = false; // inside an application bundle: nothing here matches
    MatchEvidence evidence;
};

} // namespace tidewell
