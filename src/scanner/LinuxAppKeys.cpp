#include "LinuxAppKeys.h"

#include "ComponentWords.h"
#include "MatchNeedles.h"
#include "model/LinuxAppIdentity.h"
#include "model/TextRules.h"

#include <QRegularExpression>

namespace tidewell {

namespace {

constexpr qsizetype minimumKeyLength = 3;
constexpr qsizetype minimumPrefixLength = 4;

// Names of the start scripts that AppImages and wrappers use whatever the application.
bool isLauncherStub(const QString& compact) {
    static const QSet<QString> stubs{QStringLiteral("apprun"), QStringLiteral("run"),
                                     QStringLiteral("start"), QStringLiteral("wrapper")};
    return stubs.contains(compact);
}

QString withoutLeadingDot(const QString& name) {
    return name.startsWith(u'.') ? name.mid(1) : name;
}

QString withoutExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

QString firstPiece(const QString& name) {
    static const QRegularExpression separator(QStringLiteral("[_.-]"));
    const qsizetype end = name.indexOf(separator);
    return end < 0 ? QString() : name.left(end);
}

// Whether what follows a program's name in a name ("_hist", "-data", "-2.8") only qualifies it:
// joined by "_", which program names do not use, or made of numbers and generic words only.
bool qualifies(const QString& rest) {
    static const QRegularExpression pieces(QStringLiteral("[_.-]+"));
    if (rest.startsWith(u'_'))
        return true;
    const QStringList words = rest.split(pieces, Qt::SkipEmptyParts);
    return !words.isEmpty() && std::all_of(words.cbegin(), words.cend(), [](const QString& word) {
        bool isNumber = false;
        word.toUInt(&isNumber);
        return isNumber || MatchNeedles::isGenericWord(text::lowercased(word));
    });
}

// The program a name stands for: the one a toolkit's front end runs the work of ("quillsync"
// of "quillsync-gtk" and "quillsync-qt", whose siblings keep their settings under that name), or
// the one a start script runs ("quillsync" of "quillsync-wrapper"); empty for other names.
QString programBase(const QString& name) {
    static const QRegularExpression suffix(
        QStringLiteral("[-_](gtk[234]?|qt[456]?|gnome|kde|x11|sdl2?|curses|wrapper|launcher)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = suffix.match(name);
    return found.hasMatch() ? name.left(found.capturedStart()) : QString();
}

// A name whose first piece is the vendor's names the product by the rest ("pycharm-ce" of the
// window class "jetbrains-pycharm-ce" of com.jetbrains.PyCharm-Community); empty otherwise.
QString withoutVendorPiece(const QString& name, const std::u32string& vendor) {
    const qsizetype end = name.indexOf(u'-');
    if (vendor.empty() || end <= 0 || ComponentWords::compact(name.left(end)) != vendor)
        return {};
    return name.mid(end + 1);
}

// The names, in compact form, a vendor gives the folders of one edition of a product: one word
// of a name of the app, then the first letters of its other words in their order ("IdeaIC" of
// "IntelliJ-IDEA-Community", "PyCharmCE" of "PyCharm Community Edition"). Every word of the
// name is in it, so it names this edition only, never a sibling that merely shares a word.
QStringList editionNamesOf(const QString& name) {
    static const QRegularExpression separators(QStringLiteral("[\\s._-]+"));
    QStringList words;
    for (const QString& word : text::strippingTrailingVersionSuffix(name).split(separators)) {
        if (const QString compact = text::compactForm(word); !compact.isEmpty())
            words.append(compact);
    }
    QStringList editions;
    for (qsizetype stem = 0; words.size() > 1 && stem < words.size(); ++stem) {
        // The word it starts with is a name of its own, not a role ("Editor").
        if (text::characterCount(words[stem]) < minimumKeyLength ||
            MatchNeedles::isGenericWord(words[stem]))
            continue;
        QString edition = words[stem];
        for (qsizetype other = 0; other < words.size(); ++other) {
            if (other != stem)
                edition += words[other].front();
        }
        editions.append(edition);
    }
    return editions;
}

} // namespace

bool KeyMatch::isStrongerThan(const KeyMatch& other) const {
    return fit != other.fit ? fit < other.fit : tier < other.tier;
}

bool KeyMatch::isAsStrongAs(const KeyMatch& other) const {
    return fit == other.fit && tier == other.tier;
}

LinuxAppKeys LinuxAppKeys::of(const AppDescriptor& app) {
    LinuxAppKeys keys;
    for (const QString& id :
         {app.linuxFacts.packageId, app.linuxFacts.desktopFileId, app.linuxFacts.appStreamId}) {
        keys.add(id, 0, app.displayName);
        keys.add(linuxapp::reverseDnsTailOf(id), 0, app.displayName);
    }
    const std::u32string vendor = MatchNeedles::vendorOf(text::lowercased(app.identifier));
    for (const QString& token : app.linuxFacts.rankedTokens)
        keys.add(token, 1, app.displayName);
    for (const QString& token : app.linuxFacts.rankedTokens) {
        keys.add(programBase(token), 1, app.displayName);
        keys.add(withoutVendorPiece(token, vendor), 1, app.displayName);
    }
    if (!text::isPlainWord(app.displayName))
        keys.add(app.displayName, 1, app.displayName);
    for (const QString& name :
         {linuxapp::reverseDnsTailOf(app.linuxFacts.packageId),
          linuxapp::reverseDnsTailOf(app.linuxFacts.desktopFileId),
          linuxapp::reverseDnsTailOf(app.linuxFacts.appStreamId), app.displayName}) {
        for (const QString& edition : editionNamesOf(name))
            keys.m_editions.insert(edition, app.displayName);
    }
    return keys;
}

LinuxAppKeys LinuxAppKeys::ofAll(const QList<AppDescriptor>& apps) {
    LinuxAppKeys all;
    for (const AppDescriptor& app : apps) {
        const LinuxAppKeys keys = of(app);
        for (auto key = keys.m_tiers.cbegin(); key != keys.m_tiers.cend(); ++key) {
            if (all.m_tiers.value(key.key(), key.value() + 1) > key.value()) {
                all.m_tiers.insert(key.key(), key.value());
                all.m_owners.insert(key.key(), app.displayName);
            }
        }
        for (auto edition = keys.m_editions.cbegin(); edition != keys.m_editions.cend(); ++edition)
            all.m_editions.insert(edition.key(), edition.value());
    }
    return all;
}

void LinuxAppKeys::add(const QString& token, int tier, const QString& owner) {
    const QString compact = text::compactForm(token);
    if (text::characterCount(compact) < minimumKeyLength || MatchNeedles::isGenericWord(compact) ||
        isLauncherStub(compact) || m_tiers.contains(compact))
        return;
    m_tiers.insert(compact, tier);
    m_owners.insert(compact, owner);
}

std::optional<KeyMatch> LinuxAppKeys::match(const QString& compactName) const {
    const auto found = m_tiers.constFind(compactName);
    if (found == m_tiers.cend())
        return std::nullopt;
    return KeyMatch{found.key(), found.value(), KeyMatch::Fit::exact, m_owners.value(found.key())};
}

std::optional<KeyMatch> LinuxAppKeys::matchName(const QString& name, bool isFile, bool allowRc,
                                                bool allowPrefix) const {
    const QString bare = withoutLeadingDot(name);
    const QString compact = text::compactForm(isFile ? withoutExtension(bare) : bare);
    if (auto found = match(compact))
        return found;
    if (allowRc && isFile) {
        for (const QString& suffix : {QStringLiteral("staterc"), QStringLiteral("rc")}) {
            if (compact.endsWith(suffix))
                return match(compact.chopped(suffix.size()));
        }
    }
    const QString piece = text::compactForm(firstPiece(bare));
    if (!allowPrefix || text::characterCount(piece) < minimumPrefixLength)
        return std::nullopt;
    std::optional<KeyMatch> prefix = match(piece);
    if (prefix)
        prefix->fit = qualifies(bare.mid(firstPiece(bare).size())) ? KeyMatch::Fit::qualified
                                                                   : KeyMatch::Fit::prefix;
    return prefix;
}

} // namespace tidewell

namespace tidewell {

std::optional<KeyMatch> LinuxAppKeys::matchEdition(const QString& name) const {
    static const QRegularExpression version(QStringLiteral("[\\s._-]*\\d+([._-]\\d+)*$"));
    const QString stem = QString(name).remove(version);
    const QString compactStem = text::compactForm(stem);
    if (auto whole = match(compactStem); whole && !stem.isEmpty())
        return whole;
    if (const auto edition = m_editions.constFind(compactStem); edition != m_editions.cend())
        return KeyMatch{edition.key(), 1, KeyMatch::Fit::exact, edition.value()};
    return matchPrefix(name);
}

std::optional<KeyMatch> LinuxAppKeys::matchPrefix(const QString& name) const {
    const ComponentWords words(name);
    std::optional<KeyMatch> longest;
    for (auto key = m_tiers.cbegin(); key != m_tiers.cend(); ++key) {
        const bool isLonger = !longest || key.key().size() > longest->key.size();
        if (key.key().size() >= minimumPrefixLength && isLonger &&
            words.startsWithWords(ComponentWords::compact(key.key())))
            longest =
                KeyMatch{key.key(), key.value(), KeyMatch::Fit::prefix, m_owners.value(key.key())};
    }
    return longest;
}

std::optional<ItemEvidence> evidenceOfKeys(const std::optional<KeyMatch>& ours,
                                           const std::optional<KeyMatch>& theirs) {
    if (!ours || (theirs && theirs->isStrongerThan(*ours)))
        return std::nullopt;
    if (theirs && theirs->isAsStrongAs(*ours))
        return ItemEvidence{EvidenceCode::claimedByInstalledApp, theirs->owner};
    if (ours->fit == KeyMatch::Fit::prefix)
        return ItemEvidence{EvidenceCode::partialName};
    return ItemEvidence{ours->tier == 0 ? EvidenceCode::identifier : EvidenceCode::fullName};
}

} // namespace tidewell
