#include "TextRules.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace tidewell::text {

namespace {

bool isAscii(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

bool isAsciiLetterOrDigit(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

char16_t asciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// Lower-cased letters and digits of an ASCII string, in one allocation.
QString asciiLettersAndDigits(QStringView text) {
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    qsizetype kept = 0;
    for (QChar c : text) {
        if (isAsciiLetterOrDigit(c.unicode()))
            out[kept++] = QChar(asciiLower(c.unicode()));
    }
    result.truncate(kept);
    return result;
}

// The code point that starts at index, joining a surrogate pair; advances index past it.
char32_t codePointAt(QStringView text, qsizetype& index) {
    const QChar first = text[index++];
    if (first.isHighSurrogate() && index < text.size() && text[index].isLowSurrogate())
        return QChar::surrogateToUcs4(first, text[index++]);
    return first.unicode();
}

// Calls visit(start, length, codePoint) for each code point of text.
struct CodePoints {
    template <typename Visit> void operator()(const QString& text, Visit visit) const {
        for (qsizetype index = 0; index < text.size();) {
            const qsizetype start = index;
            const char32_t codePoint = codePointAt(text, index);
            visit(start, index - start, codePoint);
        }
    }
};

// Calls visit(start, length, first code point) for each grapheme cluster of text.
struct Clusters {
    template <typename Visit> void operator()(const QString& text, Visit visit) const {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
        qsizetype start = 0;
        for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
            qsizetype index = start;
            visit(start, end - start, codePointAt(text, index));
            start = end;
        }
    }
};

// text in lower case, keeping the pieces (code points or clusters) whose first code point
// keep() accepts. ASCII text, where both come down to letters and digits, skips the Unicode
// machinery and allocates once.
template <typename Pieces, typename Keep>
QString lowerCaseKeeping(const QString& text, Pieces forEachPiece, Keep keep) {
    if (isAscii(text))
        return asciiLettersAndDigits(text);
    const QString lower = lowercased(text);
    QString result;
    result.reserve(lower.size());
    forEachPiece(lower, [&](qsizetype start, qsizetype length, char32_t first) {
        if (keep(first))
            result.append(QStringView(lower).mid(start, length));
    });
    return result;
}

bool isLetterMarkOrNumber(char32_t codePoint) {
    return QChar::isLetterOrNumber(codePoint) || QChar::isMark(codePoint);
}

bool isLetterOrNumber(char32_t codePoint) {
    return QChar::isLetter(codePoint) || QChar::isNumber(codePoint);
}

} // namespace

QString lowercased(const QString& text) {
    return text.toLower();
}

QString compactForm(const QString& text) {
    return lowerCaseKeeping(text, CodePoints{}, isLetterMarkOrNumber);
}

QString normalizedForScannerMatching(const QString& text) {
    return lowerCaseKeeping(text, Clusters{}, isLetterOrNumber);
}

qsizetype characterCount(const QString& text) {
    if (isAscii(text)) {
        // Every ASCII character is a cluster of its own except CR LF, which is one.
        qsizetype count = text.size();
        for (qsizetype i = 1; i < text.size(); ++i) {
            if (text[i] == u'\n' && text[i - 1] == u'\r')
                --count;
        }
        return count;
    }
    qsizetype count = 0;
    Clusters{}(text, [&](qsizetype, qsizetype, char32_t) { ++count; });
    return count;
}

QString trimmed(const QString& text) {
    return text.trimmed();
}

QString strippingTrailingVersionSuffix(const QString& text) {
    static const QRegularExpression trailingVersion(QStringLiteral("\\s+\\d+(\\.\\d+)*\\s*$"),
                                                    QRegularExpression::UseUnicodePropertiesOption);
    QString stripped = text;
    stripped.remove(trailingVersion);
    return trimmed(stripped);
}

bool isPlainWord(const QString& name) {
    const QString word = strippingTrailingVersionSuffix(name).trimmed();
    return !word.isEmpty() && word.front().isLetter() &&
           std::all_of(word.begin() + 1, word.end(), [](QChar c) { return c.isLower(); });
}

QStringList identifierSegments(const QString& identifier) {
    return identifier.split(u'.', Qt::SkipEmptyParts);
}

} // namespace tidewell::text
