#include "CandidateMatching.h"

#include "PathNames.h"
#include "model/TextRules.h"
#include "platform/PackageExtensions.h"

#include <algorithm>
#include <string_view>

namespace tidewell {

namespace {

bool isWordSeparator(char16_t c) {
    return c == u'.' || c == u'_' || c == u'-' || c == u' ';
}

bool isWordSeparator(QChar c) {
    return isWordSeparator(c.unicode());
}

QStringView slice(QStringView view, qsizetype start, qsizetype length) {
    return view.sliced(start, length);
}

std::string_view slice(std::string_view view, size_t start, size_t length) {
    return view.substr(start, length);
}

// Whether a lower-cased component equals word or has a piece between separators that does.
template <typename View> bool componentHasWord(View component, View word) {
    if (component == word)
        return true;
    using Size = decltype(component.size());
    Size pieceStart = 0;
    for (Size i = 0; i <= component.size(); ++i) {
        if (i < component.size() && !isWordSeparator(component[i]))
            continue;
        if (i - pieceStart == word.size() && slice(component, pieceStart, i - pieceStart) == word)
            return true;
        pieceStart = i + 1;
    }
    return false;
}

// Whether one of the short words is a whole component or piece of a lower-cased ASCII path
// (or of one component). Most paths hold none of the words' letters in a row at all.
bool asciiPathHasShortWord(std::string_view path, const MatchNeedles& needles) {
    for (const std::string& word : needles.asciiShortWords) {
        if (path.find(word) == std::string_view::npos)
            continue;
        size_t start = 0;
        while (start <= path.size()) {
            const size_t slash = std::min(path.find('/', start), path.size());
            if (componentHasWord(path.substr(start, slash - start), std::string_view(word)))
                return true;
            start = slash + 1;
        }
    }
    return false;
}

bool isAscii(QStringView text) {
    return QtPrivate::isAscii(text);
}

// Per byte: its lower case, and whether it is a letter or digit (kept when normalizing).
struct AsciiTable {
    char lower[128];
    bool isKept[128];
    constexpr AsciiTable() : lower(), isKept() {
        for (int c = 0; c < 128; ++c) {
            lower[c] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            isKept[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        }
    }
};
constexpr AsciiTable asciiTable;

// Appends ASCII text in lower case to lowered and its letters and digits to normalized.
// Branch-free per character: paths mix letters and punctuation unpredictably.
void appendAsciiForms(QStringView text, std::string& lowered, std::string& normalized) {
    const size_t loweredStart = lowered.size();
    const size_t keptStart = normalized.size();
    lowered.resize(loweredStart + size_t(text.size()));
    normalized.resize(keptStart + size_t(text.size()));
    char* lower = lowered.data() + loweredStart;
    char* kept = normalized.data() + keptStart;
    for (QChar qc : text) {
        const auto c = char16_t(qc.unicode() & 0x7F);
        const char l = asciiTable.lower[c];
        *lower++ = l;
        *kept = l;
        kept += asciiTable.isKept[c];
    }
    normalized.resize(size_t(kept - normalized.data()));
}

// Whether needle occurs in haystack in a place that reaches at or past from.
bool containsReaching(std::string_view haystack, size_t from, std::string_view needle) {
    const size_t reach = needle.size() - 1;
    return haystack.find(needle, from > reach ? from - reach : 0) != std::string_view::npos;
}

const std::string& haystackOf(const MatchNeedle& needle, const std::string& lowered,
                              const std::string& normalized) {
    return needle.haystack == MatchNeedle::Haystack::loweredPath ? lowered : normalized;
}

// The rule as stated on whole strings, for paths the ASCII forms cannot represent.
bool matchesByRule(const QString& path, const ScanContext& context) {
    const QString relative = path.sliced(context.relativePathStart(path));
    const QString lowered = text::lowercased(relative);
    const QString normalizedPath = text::normalizedForScannerMatching(relative);
    const QString normalizedName = text::normalizedForScannerMatching(
        pathnames::deletingExtension(pathnames::fileName(path)).toString());
    const MatchNeedles& needles = context.needles();
    thread_local std::vector<char> hits;
    const bool byNeedle = needles.decide(
        [&](size_t index) {
            const MatchNeedle& needle = needles.needles[index];
            if (needle.haystack == MatchNeedle::Haystack::loweredPath)
                return lowered.contains(needle.text);
            return normalizedPath.contains(needle.text) ||
                   (needle.isName && normalizedName.contains(needle.text));
        },
        hits);
    if (byNeedle)
        return true;
    // Short names are looked for in the relative path only: a name that is also a component
    // of the home or root folder must not match everything below it.
    for (const QString& word : needles.shortWords) {
        if (urlHasWord(relative, word))
            return true;
    }
    return false;
}

// The ASCII forms of a folder's relative path and the needles they hold; tells whether they
// make a match.
bool fillIncrementalState(FolderMatchState& state, const ScanContext& context) {
    const QStringView path(state.path);
    state.lowered.clear();
    state.normalized.clear();
    appendAsciiForms(path.sliced(context.relativePathStart(path)), state.lowered, state.normalized);
    const MatchNeedles& needles = context.needles();
    state.hasShortWord = asciiPathHasShortWord(state.lowered, needles);
    return needles.decide(
        [&](size_t index) {
            const MatchNeedle& needle = needles.needles[index];
            return !needle.ascii.empty() &&
                   containsReaching(haystackOf(needle, state.lowered, state.normalized), 0,
                                    needle.ascii);
        },
        state.hits);
}

} // namespace

bool urlHasWord(const QString& path, const QString& word) {
    if (path.startsWith(u'/') && word == u'/')
        return true;
    for (QStringView component : QStringView(path).split(u'/', Qt::SkipEmptyParts)) {
        const QString lowered = text::lowercased(component.toString());
        if (componentHasWord(QStringView(lowered), QStringView(word)))
            return true;
    }
    return false;
}

bool matchesCandidate(const QString& path, const ScanContext& context) {
    if (path == context.appPath())
        return false;
    const qsizetype start = context.relativePathStart(path);
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    // The fast forms hold only when the whole name lies in the relative path.
    if (nameStart < start || nameStart == path.size() || !isAscii(path))
        return matchesByRule(path, context);
    thread_local FolderMatchState state;
    state.path = path;
    return fillIncrementalState(state, context) || state.hasShortWord;
}

bool matchesNormalizedText(const QString& name, const AppDescriptor& app) {
    const QString normalized = text::normalizedForScannerMatching(name);
    const QString lowered = text::lowercased(name);
    const auto namesApp = [&](const QString& candidate) {
        if (candidate.isEmpty())
            return false;
        if (text::characterCount(candidate) < 4)
            return componentHasWord(QStringView(lowered), QStringView(candidate));
        return normalized.contains(candidate);
    };
    if (namesApp(app.compactName) ||
        (app.strippedCompactName && namesApp(*app.strippedCompactName)))
        return true;
    if (app.bundleTailToken && text::characterCount(*app.bundleTailToken) >= 5 &&
        normalized.contains(*app.bundleTailToken))
        return true;
    int count = 0;
    for (const QString& token : app.searchTokens) {
        if (text::characterCount(token) >= 3 && normalized.contains(token))
            ++count;
    }
    return count >= 2;
}

bool isPackageLike(const DirectoryEntry& entry) {
    return entry.isPackage.value_or(false) || isPackageName(entry.name);
}

FolderMatchState folderMatchState(const QString& folderPath, const ScanContext& context) {
    FolderMatchState state;
    state.path = folderPath;
    state.isIncremental = isAscii(folderPath) && context.decidesCutsBelow(folderPath);
    if (state.isIncremental)
        fillIncrementalState(state, context);
    return state;
}

bool matchesEntry(const FolderMatchState& folder, const QString& name, const QString& path,
                  const ScanContext& context, FolderMatchState& entryState) {
    if (!folder.isIncremental || name.isEmpty() || !isAscii(name)) {
        entryState = folderMatchState(path, context);
        return matchesCandidate(path, context);
    }
    entryState.path = path;
    entryState.isIncremental = true;
    entryState.lowered.assign(folder.lowered);
    entryState.lowered.push_back('/');
    entryState.normalized.assign(folder.normalized);
    const size_t loweredFrom = folder.lowered.size();
    const size_t normalizedFrom = folder.normalized.size();
    appendAsciiForms(name, entryState.lowered, entryState.normalized);
    const MatchNeedles& needles = context.needles();
    entryState.hasShortWord =
        folder.hasShortWord ||
        asciiPathHasShortWord(std::string_view(entryState.lowered).substr(loweredFrom + 1),
                              needles);
    const bool byNeedle = needles.decide(
        [&](size_t index) {
            const MatchNeedle& needle = needles.needles[index];
            if (folder.hits[index])
                return true;
            if (needle.ascii.empty())
                return false;
            const bool lowered = needle.haystack == MatchNeedle::Haystack::loweredPath;
            return containsReaching(haystackOf(needle, entryState.lowered, entryState.normalized),
                                    lowered ? loweredFrom : normalizedFrom, needle.ascii);
        },
        entryState.hits);
    return (byNeedle || entryState.hasShortWord) && path != context.appPath();
}

} // namespace tidewell
