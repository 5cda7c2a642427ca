#include "SpotlightQueryText.h"

#include "model/TextRules.h"

namespace tidewell::SpotlightQueryText {

QStringList searchTerms(const AppDescriptor& app) {
    const QString candidates[] = {
        app.normalizedIdentifier,
        text::lowercased(app.displayName),
        app.compactName,
        app.bundleFacts.baseIdentifier.value_or(QString()),
        app.bundleFacts.strippedCompactName.value_or(QString()),
        app.bundleFacts.tailToken.value_or(QString()),
    };
    QStringList terms;
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && !terms.contains(candidate))
            terms.append(candidate);
    }
    return terms;
}

QString escapedTerm(const QString& term) {
    QString escaped = term;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    // Apostrophes stay as they are: a name holding one makes the query unparsable, and the
    // index then contributes nothing to the scan.
    return escaped;
}

QString clause(const QString& escaped) {
    return QLatin1String("(kMDItemPath == '*") + escaped +
           QLatin1String("*'cd || kMDItemFSName == '*") + escaped +
           QLatin1String("*'cd || kMDItemDisplayName == '*") + escaped + QLatin1String("*'cd)");
}

QString queryText(const AppDescriptor& app) {
    QStringList clauses;
    for (const QString& term : searchTerms(app))
        clauses.append(clause(escapedTerm(term)));
    return clauses.join(QLatin1String(" || "));
}

} // namespace tidewell::SpotlightQueryText
