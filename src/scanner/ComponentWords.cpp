#include "ComponentWords.h"

#include <QChar>

#include <algorithm>

namespace tidewell {

namespace {

enum class Kind { separator, mark, lower, upper, otherLetter, digit };

Kind kindOf(char32_t c) {
    if (c < 0x80) {
        if (c >= 'a' && c <= 'z')
            return Kind::lower;
        if (c >= 'A' && c <= 'Z')
            return Kind::upper;
        return c >= '0' && c <= '9' ? Kind::digit : Kind::separator;
    }
    if (QChar::isMark(c))
        return Kind::mark;
    if (QChar::isLower(c))
        return Kind::lower;
    if (QChar::isUpper(c) || QChar::isTitleCase(c))
        return Kind::upper;
    if (QChar::isLetter(c))
        return Kind::otherLetter;
    return QChar::isNumber(c) ? Kind::digit : Kind::separator;
}

bool isLetter(Kind kind) {
    return kind == Kind::lower || kind == Kind::upper || kind == Kind::otherLetter;
}

char32_t lowered(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    return QChar::toLower(c);
}

// Whether a word starts at a kept character of kind current, between previous and next.
bool startsWord(Kind previous, Kind current, Kind next) {
    if (current == Kind::mark)
        return false;
    if (previous == Kind::separator)
        return true;
    if (isLetter(previous) != isLetter(current) && previous != Kind::mark)
        return true; // letters meet digits
    if (current != Kind::upper)
        return false;
    return previous == Kind::lower || (previous == Kind::upper && next == Kind::lower);
}

bool isTopLevelLabel(QStringView label) {
    return label.size() >= 2 && label.size() <= 3 &&
           std::all_of(label.begin(), label.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}

// Calls visit(code point) for each code point of text, joining surrogate pairs.
template <typename Visit> void forEachCodePoint(QStringView text, Visit visit) {
    for (qsizetype index = 0; index < text.size();) {
        const QChar first = text[index++];
        if (first.isHighSurrogate() && index < text.size() && text[index].isLowSurrogate())
            visit(QChar::surrogateToUcs4(first, text[index++]));
        else
            visit(char32_t(first.unicode()));
    }
}

// The vendor label of a reverse-DNS name of three labels or more ("example" of
// com.example.notes), in compact form; empty for other names.
std::u32string domainVendorOf(QStringView component) {
    const qsizetype first = component.indexOf(u'.');
    const qsizetype second = first < 0 ? -1 : component.indexOf(u'.', first + 1);
    if (second < 0 || !isTopLevelLabel(component.first(first)))
        return {};
    return ComponentWords::compact(component.sliced(first + 1, second - first - 1));
}

} // namespace

void ComponentWords::assign(QStringView component) {
    // Runs for every entry a scan meets: buffers are sized once and written by index, with no
    // allocation once they have grown.
    thread_local std::u32string codePoints;
    codePoints.resize(size_t(component.size())); // a code point takes one UTF-16 unit or two
    size_t count = 0;
    forEachCodePoint(component, [&count](char32_t c) { codePoints[count++] = c; });
    m_text.resize(count);
    m_starts.resize(count);
    size_t length = 0;
    Kind previous = Kind::separator;
    bool isHyphenated = false; // the separators before the current character hold a "-"
    m_extensionStart = std::u32string::npos;
    for (size_t i = 0; i < count; ++i) {
        const Kind current = kindOf(codePoints[i]);
        if (current == Kind::separator) {
            if (codePoints[i] == U'.' && i > 0)
                m_extensionStart = length;
            isHyphenated = isHyphenated || (codePoints[i] == U'-' && length > 0);
            previous = current;
            continue;
        }
        const Kind next = i + 1 < count ? kindOf(codePoints[i + 1]) : Kind::separator;
        unsigned char boundary = startsWord(previous, current, next) ? word : none;
        if (previous == Kind::separator)
            boundary |= isHyphenated ? piece | hyphen : piece | part;
        isHyphenated = false;
        m_text[length] = lowered(codePoints[i]);
        m_starts[length] = boundary;
        ++length;
        previous = current;
    }
    m_text.resize(length);
    m_starts.resize(length);
    m_extensionStart = std::min(m_extensionStart, length);
    m_domainVendor = domainVendorOf(component);
}

bool ComponentWords::containsWords(std::u32string_view needle) const {
    return containsRun(needle, word);
}

bool ComponentWords::containsPieces(std::u32string_view needle) const {
    return containsRun(needle, piece);
}

bool ComponentWords::startsPartWith(std::u32string_view needle) const {
    if (needle.empty())
        return false;
    const std::u32string_view text(m_text);
    for (size_t at = text.find(needle); at != std::u32string_view::npos;
         at = text.find(needle, at + 1)) {
        const size_t end = at + needle.size();
        if ((at == 0 || (m_starts[at] & part)) && isBoundary(end, word) &&
            (end == text.size() || !(m_starts[end] & hyphen)))
            return true;
    }
    return false;
}

bool ComponentWords::startsWithWords(std::u32string_view needle) const {
    return !needle.empty() && std::u32string_view(m_text).starts_with(needle) &&
           isBoundary(needle.size(), word);
}

bool ComponentWords::containsRun(std::u32string_view needle, unsigned char boundary) const {
    if (needle.empty())
        return false;
    const std::u32string_view text(m_text);
    for (size_t at = text.find(needle); at != std::u32string_view::npos;
         at = text.find(needle, at + 1)) {
        if (isBoundary(at, boundary) && isBoundary(at + needle.size(), boundary))
            return true;
    }
    return false;
}

std::u32string ComponentWords::compact(QStringView text) {
    std::u32string result;
    forEachCodePoint(text, [&](char32_t c) {
        if (kindOf(c) != Kind::separator)
            result.push_back(lowered(c));
    });
    return result;
}

} // namespace tidewell
