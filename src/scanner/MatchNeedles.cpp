#include "MatchNeedles.h"

#include "model/TextRules.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <bit>

namespace tidewell {

namespace {

// Shorter names are taken as whole pieces only; shorter needles never.
constexpr size_t shortNameLength = 4;
constexpr size_t minimumLength = 3;
constexpr size_t minimumTailLength = 5;
constexpr size_t maximumTokens = 64;
// A component named for the vendor is the weakest evidence: any other claim wins over it.
constexpr int vendorStrength = 1;

bool addUnique(std::vector<std::u32string>& list, std::u32string text) {
    if (text.size() < minimumLength || std::find(list.begin(), list.end(), text) != list.end())
        return false;
    list.push_back(std::move(text));
    return true;
}

bool contains(const std::vector<std::u32string>& list, std::u32string_view text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::vector<std::u32string> identifiersOf(const AppDescriptor& app) {
    std::vector<std::u32string> identifiers;
    addUnique(identifiers, ComponentWords::compact(app.normalizedIdentifier));
    if (app.bundleFacts.baseIdentifier)
        addUnique(identifiers, ComponentWords::compact(*app.bundleFacts.baseIdentifier));
    return identifiers;
}

// The words of the name without a trailing version, minus short and generic ones, minus the
// vendor when anything is left: what people call the application ("teams" of "Microsoft
// Teams 2", "zoom" of "zoom.us").
std::u32string principalName(const AppDescriptor& app, const std::u32string& vendor) {
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{M}\\p{N}]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    const QString name = text::strippingTrailingVersionSuffix(app.displayName);
    std::vector<std::u32string> significant;
    for (const QString& word : text::lowercased(name).split(separators, Qt::SkipEmptyParts)) {
        if (!MatchNeedles::isGenericWord(word))
            addUnique(significant, ComponentWords::compact(word));
    }
    std::vector<std::u32string> principal = significant;
    std::erase(principal, vendor);
    std::u32string joined;
    for (const std::u32string& word : principal.empty() ? significant : principal)
        joined += word;
    return joined;
}

std::vector<std::u32string> namesOf(const AppDescriptor& app) {
    std::vector<std::u32string> names;
    addUnique(names, ComponentWords::compact(app.compactName));
    addUnique(names, ComponentWords::compact(app.pathComponentName));
    if (app.bundleFacts.strippedCompactName)
        addUnique(names, ComponentWords::compact(*app.bundleFacts.strippedCompactName));
    return names;
}

// The vendor alone and as a reverse-DNS domain ("quillfield", "comquillfield").
std::vector<std::u32string> vendorNamesOf(const QString& identifier, const std::u32string& vendor) {
    if (vendor.size() < minimumLength)
        return {};
    const QStringList segments = text::identifierSegments(identifier);
    return {vendor, ComponentWords::compact(segments[0]) + vendor};
}

} // namespace

std::u32string MatchNeedles::vendorOf(const QString& normalizedIdentifier) {
    const QStringList segments = text::identifierSegments(normalizedIdentifier);
    if (segments.size() < 3 || isGenericWord(segments[1]))
        return {};
    return ComponentWords::compact(segments[1]);
}

bool MatchNeedles::isGenericWord(const QString& word) {
    // Roles, platforms and product kinds tell what a program is, not whose it is; code hosting
    // sites stand where a vendor would in the identifiers of many unrelated programs, and so
    // does the system's own vendor in the names of everything it ships.
    static const QSet<QString> words{
        "agent",    "app",         "apple",     "application", "applications", "apps",
        "beta",     "bitbucket",   "browser",   "cache",       "caches",       "client",
        "cloud",    "com",         "daemon",    "data",        "desktop",      "edition",
        "editor",   "electron",    "extension", "files",       "free",         "github",
        "gitlab",   "googlecode",  "group",     "helper",      "installer",    "launcher",
        "lite",     "mac",         "macos",     "manager",     "media",        "net",
        "org",      "osx",         "player",    "plugin",      "plugins",      "preview",
        "pro",      "service",     "services",  "settings",    "setup",        "shared",
        "software", "sourceforge", "studio",    "support",     "sync",         "tool",
        "tools",    "update",      "updater",   "utility",     "viewer",       "web"};
    return words.contains(word);
}

MatchNeedles MatchNeedles::compile(const AppDescriptor& app, bool vendorIsShared) {
    const std::u32string vendor = vendorOf(app.normalizedIdentifier);
    MatchNeedles compiled;
    compiled.m_identifiers = identifiersOf(app);
    compiled.m_names = namesOf(app);
    compiled.m_vendor = vendor;
    for (const std::u32string& identifier : compiled.m_identifiers)
        compiled.m_strong.push_back({identifier, false, true});
    for (const std::u32string& name : compiled.m_names)
        compiled.m_strong.push_back({name, name.size() < shortNameLength, true});
    if (app.bundleFacts.tailToken) {
        std::u32string tail = ComponentWords::compact(*app.bundleFacts.tailToken);
        if (tail.size() >= minimumTailLength)
            compiled.m_strong.push_back({std::move(tail), false, true});
    }
    // The principal name is part of the full name, so it is not taken inside another vendor's
    // identifier ("lumen" of "Lumen Studio" in "com.lumen.sdk").
    std::u32string principal = principalName(app, vendor);
    if (principal.size() >= shortNameLength && addUnique(compiled.m_names, principal))
        compiled.m_strong.push_back({std::move(principal), false, false});
    // Programs built on a settings framework that writes "<name>rc" keep it among the
    // preferences ("kritarc"); taken as a whole component only.
    for (const std::u32string& name : std::vector(compiled.m_names)) {
        if (name.size() >= shortNameLength)
            compiled.m_strong.push_back({name + U"rc", true, false});
    }
    if (!vendorIsShared)
        compiled.m_vendorNames = vendorNamesOf(app.normalizedIdentifier, vendor);
    compiled.addTokens(app, vendor);
    return compiled;
}

void MatchNeedles::addTokens(const AppDescriptor& app, const std::u32string& vendor) {
    QStringList tokens(app.searchTokens.begin(), app.searchTokens.end());
    tokens.sort(); // the same bits for the same tokens in every scan
    for (const QString& token : tokens) {
        std::u32string compact = ComponentWords::compact(token);
        const bool isStrong =
            std::any_of(m_strong.begin(), m_strong.end(),
                        [&](const Strong& strong) { return strong.text == compact; });
        const size_t index = m_tokens.size();
        if (isStrong || index == maximumTokens || !addUnique(m_tokens, std::move(compact)))
            continue;
        if (m_tokens.back() != vendor && !isGenericWord(token))
            m_specific |= std::uint64_t(1) << index;
    }
}

void MatchNeedles::collect(const ComponentWords& component, MatchEvidence& evidence) const {
    const bool isForeignIdentifier =
        !component.domainVendor().empty() && component.domainVendor() != m_vendor;
    for (const Strong& strong : m_strong) {
        const auto length = int(strong.text.size());
        if (isForeignIdentifier && !strong.countsInForeignIdentifier)
            continue;
        if (length > evidence.strength &&
            (strong.wholePieces ? component.containsPieces(strong.text)
                                : component.containsWords(strong.text)))
            evidence.strength = length;
    }
    if (isForeignIdentifier)
        return;
    if (evidence.strength < vendorStrength &&
        (contains(m_vendorNames, component.text()) ||
         contains(m_vendorNames, component.textWithoutExtension())))
        evidence.strength = vendorStrength;
    for (size_t index = 0; index < m_tokens.size(); ++index) {
        if (component.containsWords(m_tokens[index]))
            evidence.seen |= std::uint64_t(1) << index;
    }
}

bool MatchNeedles::decides(const MatchEvidence& evidence) const {
    return evidence.strength > 0 ||
           (std::popcount(evidence.seen) >= 2 && (evidence.seen & m_specific) != 0);
}

bool MatchNeedles::mentions(const ComponentWords& component) const {
    MatchEvidence evidence;
    collect(component, evidence);
    return evidence.strength > 0 || evidence.seen != 0;
}

} // namespace tidewell
