#include "MatchNeedles.h"

#include "model/TextRules.h"

#include <algorithm>

namespace tidewell {

namespace {

std::string asciiBytes(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return {};
    }
    return text.toStdString();
}

// The needle's bytes as they can occur in the ASCII form of its haystack; empty when they
// never can: a lowered path has no capitals, a normalized one only letters and digits.
std::string asciiForm(const QString& text, MatchNeedle::Haystack haystack) {
    std::string ascii = asciiBytes(text);
    const bool normalized = haystack == MatchNeedle::Haystack::normalizedPath;
    for (char c : ascii) {
        const bool isLower = c >= 'a' && c <= 'z';
        const bool isDigit = c >= '0' && c <= '9';
        if ((c >= 'A' && c <= 'Z') || (normalized && !isLower && !isDigit))
            return {};
    }
    return ascii;
}

// Adds a needle, merging its roles into an existing one with the same text and haystack.
void addNeedle(std::vector<MatchNeedle>& needles, const QString& text,
               MatchNeedle::Haystack haystack, bool sufficient, bool counted, bool name) {
    if (text.isEmpty())
        return;
    for (MatchNeedle& needle : needles) {
        if (needle.text == text && needle.haystack == haystack) {
            needle.isSufficient |= sufficient;
            needle.isCounted |= counted;
            needle.isName |= name;
            return;
        }
    }
    needles.push_back({text, asciiForm(text, haystack), haystack, sufficient, counted, name});
}

// The names tested on their own: the compact name, the file name's compact form when it
// differs, and the name without its version.
QStringList candidateNames(const AppDescriptor& app) {
    QStringList names{app.compactName};
    if (app.pathComponentName != app.compactName)
        names.append(app.pathComponentName);
    if (app.strippedCompactName)
        names.append(*app.strippedCompactName);
    names.removeAll(QString());
    return names;
}

} // namespace

MatchNeedles MatchNeedles::compile(const AppDescriptor& app) {
    using enum MatchNeedle::Haystack;
    MatchNeedles compiled;
    auto& needles = compiled.needles;
    addNeedle(needles, app.normalizedBundleIdentifier, loweredPath, true, false, false);
    if (app.baseBundleIdentifier)
        addNeedle(needles, *app.baseBundleIdentifier, loweredPath, true, false, false);
    for (const QString& name : candidateNames(app)) {
        if (text::characterCount(name) < 4)
            compiled.shortWords.append(name);
        else
            addNeedle(needles, name, normalizedPath, true, false, true);
    }
    if (app.bundleTailToken && text::characterCount(*app.bundleTailToken) >= 5)
        addNeedle(needles, *app.bundleTailToken, normalizedPath, true, false, false);
    for (const QString& token : app.searchTokens) {
        const qsizetype length = text::characterCount(token);
        if (length >= 3)
            addNeedle(needles, token, normalizedPath, length > 7, true, false);
    }
    // The order only decides which needles are tried first; identifiers are the usual hits.
    std::stable_sort(needles.begin(), needles.end(), [](const auto& a, const auto& b) {
        return std::pair(a.haystack, !a.isSufficient) < std::pair(b.haystack, !b.isSufficient);
    });
    compiled.shortWords.removeDuplicates();
    for (const QString& word : compiled.shortWords) {
        if (std::string ascii = asciiBytes(word); !ascii.empty())
            compiled.asciiShortWords.push_back(std::move(ascii));
    }
    return compiled;
}

} // namespace tidewell
