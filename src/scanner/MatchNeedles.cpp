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
std::vector<std::u32string> principalWords(const AppDescriptor& app, const std::u32string& vendor) {
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
    return principal.empty() ? significant : principal;
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

// Whether component is text as a whole, its extension aside.
bool isWhole(const ComponentWords& component, std::u32string_view text) {
    return component.text() == text || component.textWithoutExtension() == text;
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
    const bool isPlain = text::isPlainWord(app.displayName);
    for (const std::u32string& name : compiled.m_names) {
        const bool isShort = name.size() < shortNameLength;
        compiled.m_strong.push_back({name, isShort, true, isPlain && !isShort});
    }
    if (app.bundleFacts.tailToken) {
        std::u32string tail = ComponentWords::compact(*app.bundleFacts.tailToken);
        if (tail.size() >= minimumTailLength)
            compiled.m_strong.push_back({std::move(tail), false, true});
    }
    // The principal name is part of the full name, so it is not taken inside another vendor's
    // identifier ("lumen" of "Lumen Studio" in "com.lumen.sdk"); when it is one word, it may be
    // an everyday one and is taken as a whole component only.
    const std::vector<std::u32string> words = principalWords(app, vendor);
    std::u32string principal;
    for (const std::u32string& word : words)
        principal += word;
    if (principal.size() >= shortNameLength && addUnique(compiled.m_names, principal))
        compiled.m_strong.push_back({std::move(principal), false, false, words.size() == 1, false});
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
        if (length > evidence.strength && holds(component, strong))
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

bool MatchNeedles::holds(const ComponentWords& component, const Strong& strong) {
    if (strong.startsPart)
        return component.startsPartWith(strong.text);
    return strong.wholePieces ? component.containsPieces(strong.text)
                              : component.containsWords(strong.text);
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

bool MatchNeedles::holdsIdentifier(const ComponentWords& component) const {
    return std::any_of(m_identifiers.begin(), m_identifiers.end(),
                       [&](const std::u32string& id) { return component.containsWords(id); });
}

bool MatchNeedles::holdsFullName(const ComponentWords& component, bool plainWords) const {
    return std::any_of(m_strong.begin(), m_strong.end(), [&](const Strong& strong) {
        return strong.isFullName && (plainWords || !strong.startsPart) && holds(component, strong);
    });
}

bool MatchNeedles::isNamedWholly(const ComponentWords& component) const {
    return std::any_of(m_strong.begin(), m_strong.end(), [&](const Strong& strong) {
        return strong.isFullName && isWhole(component, strong.text);
    });
}

bool MatchNeedles::isVendorName(const ComponentWords& component) const {
    return std::any_of(m_vendorNames.begin(), m_vendorNames.end(),
                       [&](const std::u32string& name) { return isWhole(component, name); });
}

} // namespace tidewell
