#pragma once

#include <QString>
#include <QStringList>

namespace tidewell::text {

// Locale-independent Unicode lower case.
QString lowercased(const QString& text);
// Lower case, keeping only letters, marks and numbers (categories L, M, N).
QString compactForm(const QString& text);
// Lower case, keeping only user-perceived characters whose first code point is a letter or a
// number, each with the combining marks that belong to it.
QString normalizedForScannerMatching(const QString& text);
// Number of user-perceived characters (extended grapheme clusters).
qsizetype characterCount(const QString& text);
// Trims white space and line breaks from both ends.
QString trimmed(const QString& text);
// Removes a trailing version number separated from the name by white space ("Notes 2.1").
QString strippingTrailingVersionSuffix(const QString& text);
// Whether a name, its trailing version aside, is one plain word ("Stone", "Fonts"): it may be an
// everyday word, met in the names of unrelated things.
bool isPlainWord(const QString& name);
// Splits at every "." dropping empty pieces.
QStringList identifierSegments(const QString& identifier);

} // namespace tidewell::text
