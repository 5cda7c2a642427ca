#pragma once

#include "ComponentWords.h"
#include "model/AppDescriptor.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tidewell {

// What the components of one relative path showed of an application: how strongly the
// strongest needle that is enough on its own names it, and which search tokens were seen.
struct MatchEvidence {
    int strength = 0;       // 0: no needle that is enough alone
    std::uint64_t seen = 0; // bit i: token i of the needles
};

// An application's identifiers, names and tokens compiled once per scan into compact forms
// that the rules look for as runs of whole words, never across a path separator.
//
// Enough alone, as strong as they are long: the bundle identifier, its base identifier, the
// names (short names only as whole pieces, "ink" in "com.ink-tools" but not in "InkWell"; a name
// of one plain word, which may be an everyday word, only where it starts a name, never inside a
// hyphenated or compound one: "Stone Age", "StoneChat" and "stone_2c4f" but not "Milestone",
// "GoldStone", "super-stone" or "stone-age"), the principal name (the name without its vendor and
// generic words: "teams" of "Microsoft Teams") and the tail token. Enough alone but weakest of all:
// a component named exactly for the vendor ("Quillfield", "com.quillfield"), while no other
// installed application shares that vendor. Otherwise two different search tokens are needed, at
// least one of them specific: the vendor part of the identifier and generic words never decide
// alone. Inside another vendor's reverse-DNS identifier only the identifiers, the full names and
// the tail token count ("com.stremio.Stremio" is Stremio's, "com.lumen.sdk" is not Lumen Studio's).
class MatchNeedles {
public:
    // vendorIsShared: another installed application has the same vendor, so a folder named
    // for the vendor may hold its data too.
    static MatchNeedles compile(const AppDescriptor& app, bool vendorIsShared = true);

    // The vendor part of a reverse-DNS identifier: the label after the top-level one, when the
    // identifier has more labels than that ("microsoft" of com.microsoft.word), in compact
    // form; empty for other identifiers and for hosting sites ("io.github.someone.tool").
    static std::u32string vendorOf(const QString& normalizedIdentifier);
    // Words that many unrelated applications put in their names and identifiers.
    static bool isGenericWord(const QString& word);

    // Adds what one component shows to evidence.
    void collect(const ComponentWords& component, MatchEvidence& evidence) const;
    bool decides(const MatchEvidence& evidence) const;
    // Whether the component holds any needle or token at all, the vendor's included.
    bool mentions(const ComponentWords& component) const;

    // Whether the component holds the identifier or the base identifier as whole words.
    bool holdsIdentifier(const ComponentWords& component) const;
    // Whether the component holds one of the full names, the tail token or a name's
    // "<name>rc" file, as the names are matched ("Harbor Notes Helper", "harbornotesrc"); the
    // principal name is only part of the name. plainWords: a name of one plain word counts too.
    bool holdsFullName(const ComponentWords& component, bool plainWords = true) const;
    // Whether the component, its extension aside, is wholly one of those names.
    bool isNamedWholly(const ComponentWords& component) const;
    // Whether the component, its extension aside, is named exactly for a vendor no other
    // installed application shares.
    bool isVendorName(const ComponentWords& component) const;

    // Identifiers and names, for the exact tests on entries directly in a Library folder.
    const std::vector<std::u32string>& identifiers() const { return m_identifiers; }
    const std::vector<std::u32string>& names() const { return m_names; }

private:
    struct Strong {
        std::u32string text;
        bool wholePieces = false;
        bool countsInForeignIdentifier = false;
        bool startsPart = false;
        bool isFullName = true;
    };

    void addTokens(const AppDescriptor& app, const std::u32string& vendor);
    static bool holds(const ComponentWords& component, const Strong& strong);

    std::u32string m_vendor;
    std::vector<Strong> m_strong;
    std::vector<std::u32string> m_vendorNames; // matched only as a whole component
    std::vector<std::u32string> m_tokens;      // at most 64
    std::uint64_t m_specific = 0;              // bit i: token i is specific
    std::vector<std::u32string> m_identifiers;
    std::vector<std::u32string> m_names;
};

} // namespace tidewell
