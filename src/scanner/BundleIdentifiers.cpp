#include "BundleIdentifiers.h"

#include "MatchNeedles.h"
#include "model/TextRules.h"

#include <QRegularExpression>

#include <algorithm>

namespace tidewell::bundleids {

namespace {

constexpr qsizetype minimumNameLength = 3;

bool isGenericLabel(const QString& compact) {
    return text::characterCount(compact) < minimumNameLength ||
           MatchNeedles::isGenericWord(compact);
}

} // namespace

bool isReverseDns(const QString& identifier) {
    static const QRegularExpression pattern(
        QStringLiteral("^([a-z]{2}|com|org|net|edu|gov|app|dev|biz|xyz|pro|info)"
                       "(\\.[a-z0-9_-]+)+$"),
        QRegularExpression::CaseInsensitiveOption);
    const QStringList labels = identifier.split(u'.');
    return pattern.match(identifier).hasMatch() &&
           (labels.size() > 2 || labels.last().size() >= minimumNameLength);
}

QString withoutGroupPrefix(const QString& identifier) {
    static const QRegularExpression prefix(QStringLiteral("^(group\\.|[A-Z0-9]{10}\\.)"));
    QString owner = identifier;
    return owner.remove(prefix);
}

QString identifierInName(const QString& name) {
    static const QRegularExpression suffix(QStringLiteral("\\.(plist|savedState|binarycookies)$"));
    QString bare = name;
    const QString identifier = withoutGroupPrefix(bare.remove(suffix));
    return isReverseDns(identifier) ? identifier : QString();
}

bool belongsTo(const QString& identifier, const QString& owner) {
    return identifier.compare(owner, Qt::CaseInsensitive) == 0 ||
           (identifier.size() > owner.size() && identifier[owner.size()] == u'.' &&
            identifier.startsWith(owner, Qt::CaseInsensitive));
}

QString nameElementOf(const QString& identifier) {
    const QStringList labels = text::identifierSegments(text::lowercased(identifier));
    for (qsizetype index = labels.size() - 1; index >= qMax<qsizetype>(labels.size() - 2, 1);
         --index) {
        const QString compact = text::compactForm(labels[index]);
        if (!isGenericLabel(compact))
            return compact;
    }
    return {};
}

bool namesProductAfterVendor(const QString& identifier) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3}"));
    const QStringList labels = text::identifierSegments(identifier);
    return labels.size() < 3 || word.match(labels[2]).hasMatch();
}

QHash<QString, QString> rootsOf(const QStringList& identifiers) {
    QStringList shortestFirst;
    for (const QString& identifier : identifiers)
        shortestFirst.append(text::lowercased(identifier));
    shortestFirst.removeDuplicates();
    std::sort(shortestFirst.begin(), shortestFirst.end(),
              [](const QString& a, const QString& b) { return a.size() < b.size(); });
    QHash<QString, QString> roots;
    for (const QString& identifier : shortestFirst) {
        const auto root = std::find_if(
            shortestFirst.cbegin(), shortestFirst.cend(),
            [&identifier](const QString& other) { return belongsTo(identifier, other); });
        roots.insert(identifier, *root);
    }
    return roots;
}

} // namespace tidewell::bundleids
