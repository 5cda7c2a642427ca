#include "ScanReportOrdering.h"

#include "PathNames.h"
#include "model/TextRules.h"

#include <QCollator>

#include <algorithm>

namespace tidewell {

namespace {

// A UTF-16 code unit moved so that comparing units orders by code point: surrogates (which
// encode code points above every other unit) go to the top.
char32_t codePointOrderKey(char16_t unit) {
    if (unit >= 0xE000)
        return char32_t(unit) - 0x800;
    if (unit >= 0xD800)
        return char32_t(unit) + 0x2000;
    return unit;
}

bool codePointLess(const QString& a, const QString& b) {
    return std::lexicographical_compare(
        a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](QChar x, QChar y) {
            return codePointOrderKey(x.unicode()) < codePointOrderKey(y.unicode());
        });
}

// Whether a folder holding path (the part before any of its slashes) is among paths: one look-up
// per level instead of a comparison with every other path.
bool liesInsideAnyOf(const QString& path, const QSet<QString>& paths) {
    for (qsizetype slash = path.indexOf(u'/'); slash >= 0; slash = path.indexOf(u'/', slash + 1)) {
        if (paths.contains(path.first(slash)))
            return true;
    }
    return false;
}

} // namespace

QList<ScannedFile> collapseNestedMatches(QList<ScannedFile> items) {
    QSet<QString> ids;
    ids.reserve(items.size());
    QList<std::pair<qsizetype, ScannedFile>> keyed;
    keyed.reserve(items.size());
    for (ScannedFile& item : items) {
        ids.insert(item.id);
        keyed.append({text::characterCount(item.id), std::move(item)});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : codePointLess(a.second.id, b.second.id);
    });
    QList<ScannedFile> kept;
    for (auto& entry : keyed) {
        if (!liesInsideAnyOf(entry.second.id, ids))
            kept.append(std::move(entry.second));
    }
    return kept;
}

void sortForReport(QList<ScannedFile>& items) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(items.begin(), items.end(), [&](const ScannedFile& a, const ScannedFile& b) {
        if (a.sizeInBytes != b.sizeInBytes)
            return a.sizeInBytes > b.sizeInBytes;
        return collator.compare(pathnames::fileName(a.id), pathnames::fileName(b.id)) < 0;
    });
}

QStringList sortedByCodePoint(const QSet<QString>& paths) {
    QStringList sorted(paths.cbegin(), paths.cend());
    std::sort(sorted.begin(), sorted.end(), codePointLess);
    return sorted;
}

} // namespace tidewell
