#pragma once

#include "model/AppDescriptor.h"

#include <QString>
#include <QStringList>

namespace tidewell::SpotlightQueryText {

// The names an index search looks for: the normalized bundle identifier, the display name in
// lower case, the compact name and, when the descriptor has them, the base bundle identifier,
// the stripped compact name and the bundle tail token. Empty names are dropped, each name is
// kept once, in that order.
QStringList searchTerms(const AppDescriptor& app);

// A term escaped for a quoted pattern of the metadata query language: backslashes are
// doubled, then double quotes get a backslash in front. Single quotes are left as they are.
QString escapedTerm(const QString& term);

// The clause asking whether an item's path, file name or display name contains the term,
// ignoring case and diacritics. The term must already be escaped.
QString clause(const QString& escaped);

// The whole query: one clause per search term, joined as alternatives. Empty when the
// descriptor yields no term.
QString queryText(const AppDescriptor& app);

} // namespace tidewell::SpotlightQueryText
