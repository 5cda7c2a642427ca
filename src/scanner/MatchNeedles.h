#pragma once

#include "model/AppDescriptor.h"

#include <QString>

#include <string>
#include <vector>

namespace tidewell {

// One text the matching rule looks for in a candidate's relative path.
struct MatchNeedle {
    enum class Haystack { loweredPath, normalizedPath };

    QString text;
    std::string ascii; // text as it can occur in an ASCII path, else empty (it never does)
    Haystack haystack = Haystack::normalizedPath;
    bool isSufficient = false; // one hit is a match
    bool isCounted = false;    // a search token: two counted hits together are a match
    bool isName = false;       // also tested against the candidate's own normalized name
};

// The application's identifiers, names and tokens compiled once per scan into the texts the
// matching rule searches for, so the per-entry test does no string preparation of its own.
struct MatchNeedles {
    std::vector<MatchNeedle> needles; // lowered-path needles first, then sufficient ones
    QStringList shortWords;           // names under 4 characters: matched as whole words only
    std::vector<std::string> asciiShortWords; // the short words that can occur in ASCII paths

    static MatchNeedles compile(const AppDescriptor& app);

    // Runs every needle through contains(index), records the hits in hits, and tells whether
    // they make a match: one sufficient hit, or two counted hits.
    template <typename Contains> bool decide(Contains contains, std::vector<char>& hits) const {
        hits.assign(needles.size(), 0);
        bool matched = false;
        int counted = 0;
        for (size_t index = 0; index < needles.size(); ++index) {
            if (!contains(index))
                continue;
            hits[index] = 1;
            const MatchNeedle& needle = needles[index];
            if (needle.isSufficient || (needle.isCounted && ++counted >= 2))
                matched = true;
        }
        return matched;
    }
};

} // namespace tidewell
