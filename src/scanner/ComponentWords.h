#pragma once

#include <QStringView>

#include <string>
#include <string_view>
#include <vector>

namespace tidewell {

// One path component as the matching rules read it: its letters, marks and numbers in lower
// case, with nothing between them, and where its words start. A word starts after a separator
// (any other character), at a change from lower to upper case ("harborNotes"), before the last
// capital of a run that goes on in lower case ("XMLParser"), and where letters meet digits
// ("Idea2026"). A piece is what lies between separators; a part is what lies between separators
// other than "-", which binds words into one name ("super-loop" is one part).
class ComponentWords {
public:
    ComponentWords() = default;
    explicit ComponentWords(QStringView component) { assign(component); }

    // Reads component, reusing this object's buffers.
    void assign(QStringView component);

    const std::u32string& text() const { return m_text; }
    // The text without what the last dot starts ("Notes.plist" -> "notes"); a leading dot
    // starts no extension.
    std::u32string_view textWithoutExtension() const {
        return std::u32string_view(m_text).substr(0, m_extensionStart);
    }

    // The vendor label of a component shaped like a reverse-DNS identifier ("lumen" of
    // "com.lumen.sdk": three labels or more, the first a short top-level one), in compact
    // form; empty for other components.
    const std::u32string& domainVendor() const { return m_domainVendor; }

    // Whether needle (a compact form) covers a run of whole words: it starts and ends where
    // words start or the text ends.
    bool containsWords(std::u32string_view needle) const;
    // Whether needle covers a run of whole pieces.
    bool containsPieces(std::u32string_view needle) const;
    // Whether needle covers a run of whole words that starts a part and does not end where a
    // "-" goes on: "loop" in "Loop Helper" and "LoopChat", not in "SuperLoop", "super-loop" or
    // "loop-helper".
    bool startsPartWith(std::u32string_view needle) const;
    // Whether the text starts with needle and needle ends where a word starts or at the end.
    bool startsWithWords(std::u32string_view needle) const;

    // The compact form of a text: lower case, only letters, marks and numbers.
    static std::u32string compact(QStringView text);

private:
    enum Boundary : unsigned char { none = 0, word = 1, piece = 2, part = 4, hyphen = 8 };

    bool containsRun(std::u32string_view needle, unsigned char boundary) const;
    bool isBoundary(size_t index, unsigned char boundary) const {
        return index == m_text.size() || (m_starts[index] & boundary);
    }

    std::u32string m_text;
    std::vector<unsigned char> m_starts; // per character of m_text: the boundaries before it
    size_t m_extensionStart = 0;
    std::u32string m_domainVendor;
};

} // namespace tidewell
