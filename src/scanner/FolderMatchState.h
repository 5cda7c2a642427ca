#pragma once

#include <QString>

#include <string>
#include <vector>

namespace tidewell {

// What the walk keeps of a folder so that testing one of its entries only has to look at the
// entry's own name: the folder's relative path, lowered and normalized, and which needles it
// already holds.
struct FolderMatchState {
    QString path;
    // The entries' forms can be built by appending to this folder's forms: the folder's path
    // is ASCII and long enough that no prefix cut can reach into an entry's name.
    bool isIncremental = false;
    std::string lowered;       // relative path in lower case
    std::string normalized;    // relative path with only its letters and digits
    std::vector<char> hits;    // needles already found in the relative path
    bool hasShortWord = false; // a component of the relative path is a short name
};

} // namespace tidewell
