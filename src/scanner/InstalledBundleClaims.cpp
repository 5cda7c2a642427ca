#include "InstalledBundleClaims.h"

#include "BundleIdentifiers.h"
#include "MatchNeedles.h"
#include "SystemIdentifiers.h"
#include "model/TextRules.h"

#include <QRegularExpression>

#include <algorithm>

namespace tidewell {

namespace {

constexpr qsizetype minimumNameLength = 3;
constexpr qsizetype minimumWordLength = 3;
constexpr qsizetype minimumPrefixLength = 5;

QString vendorOf(const QString& identifier) {
    return QString::fromStdU32String(MatchNeedles::vendorOf(text::lowercased(identifier)));
}

QStringList wordsOf(const QString& name) {
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{M}\\p{N}]+"));
    return text::lowercased(name).split(separators, Qt::SkipEmptyParts);
}

// The labels of identifier in compact form, without its top-level domain.
QStringList labelsOf(const QString& identifier) {
    QStringList labels;
    for (const QString& label : text::identifierSegments(text::lowercased(identifier)).mid(1))
        labels.append(text::compactForm(label));
    return labels;
}

} // namespace

InstalledBundleClaims::InstalledBundleClaims(const QList<AppDescriptor>& installed) {
    for (const AppDescriptor& app : installed) {
        m_identifiers.append(app.normalizedIdentifier);
        if (app.bundleFacts.baseIdentifier)
            m_identifiers.append(*app.bundleFacts.baseIdentifier);
        const QString vendor = vendorOf(app.normalizedIdentifier);
        if (!vendor.isEmpty())
            m_vendors.insert(vendor);
        QString withoutVendor;
        for (const QString& word : wordsOf(app.displayName)) {
            if (text::characterCount(word) >= minimumWordLength &&
                !MatchNeedles::isGenericWord(word))
                m_nameWords.insert(word);
            if (word != vendor && !MatchNeedles::isGenericWord(word))
                withoutVendor += text::compactForm(word);
        }
        if (!vendor.isEmpty() && !withoutVendor.isEmpty())
            m_vendorNames.insert(vendor + u'.' + withoutVendor);
        for (const QString& name :
             {app.compactName, app.bundleFacts.strippedCompactName.value_or(QString())}) {
            if (text::characterCount(name) >= minimumPrefixLength)
                m_compactNames.append(name);
        }
        for (const QString& token : app.searchTokens)
            m_tokens.insert(text::compactForm(token));
    }
}

bool InstalledBundleClaims::claimsIdentifier(const QString& identifier) const {
    if (systemapps::isSystemIdentifier(identifier))
        return true;
    if (std::any_of(m_identifiers.cbegin(), m_identifiers.cend(), [&](const QString& installed) {
            return bundleids::belongsTo(identifier, installed) ||
                   bundleids::belongsTo(installed, identifier);
        }))
        return true;
    // The labels that name the app: those past the vendor, every one when there is none
    // ("org.krita", a hosting site's "io.github.someone.tool").
    const QString vendor = vendorOf(identifier);
    const QStringList labels = labelsOf(identifier).mid(vendor.isEmpty() ? 0 : 1);
    if (!vendor.isEmpty() && !labels.isEmpty() &&
        m_vendorNames.contains(vendor + u'.' + labels.first()))
        return true;
    return std::any_of(labels.cbegin(), labels.cend(),
                       [this](const QString& label) { return claimsLabel(label); });
}

bool InstalledBundleClaims::claimsLabel(const QString& label) const {
    if (m_nameWords.contains(label))
        return true;
    if (text::characterCount(label) < minimumPrefixLength)
        return false;
    return std::any_of(
        m_compactNames.cbegin(), m_compactNames.cend(),
        [&label](const QString& name) { return name.startsWith(label) || label.startsWith(name); });
}

bool InstalledBundleClaims::claimsVendorOf(const QString& identifier) const {
    const QString vendor = vendorOf(identifier);
    return m_vendors.contains(vendor) || m_nameWords.contains(vendor);
}

bool InstalledBundleClaims::claimsName(const QString& compact) const {
    return text::characterCount(compact) < minimumNameLength || m_tokens.contains(compact) ||
           systemapps::isSystemFolderName(compact) || MatchNeedles::isGenericWord(compact);
}

} // namespace tidewell
