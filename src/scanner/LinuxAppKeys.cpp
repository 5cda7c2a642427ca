#include "LinuxAppKeys.h"

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

} // namespace

LinuxAppKeys LinuxAppKeys::of(const AppDescriptor& app) {
    LinuxAppKeys keys;
    for (const QString& id :
         {app.linuxFacts.packageId, app.linuxFacts.desktopFileId, app.linuxFacts.appStreamId}) {
        keys.add(id, 0);
        keys.add(linuxapp::reverseDnsTailOf(id), 0);
    }
    for (const QString& token : app.linuxFacts.rankedTokens)
        keys.add(token, 1);
    return keys;
}

void LinuxAppKeys::add(const QString& token, int tier) {
    const QString compact = text::compactForm(token);
    if (text::characterCount(compact) < minimumKeyLength || MatchNeedles::isGenericWord(compact) ||
        isLauncherStub(compact) || m_tiers.contains(compact))
        return;
    m_tiers.insert(compact, tier);
}

std::optional<KeyMatch> LinuxAppKeys::match(const QString& compactName) const {
    const auto found = m_tiers.constFind(compactName);
    if (found == m_tiers.cend())
        return std::nullopt;
    return KeyMatch{found.key(), found.value()};
}

QSet<QString> LinuxAppKeys::identityKeys() const {
    QSet<QString> identity;
    for (auto key = m_tiers.cbegin(); key != m_tiers.cend(); ++key) {
        if (key.value() == 0)
            identity.insert(key.key());
    }
    return identity;
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
    if (allowPrefix && text::characterCount(piece) >= minimumPrefixLength)
        return match(piece);
    return std::nullopt;
}

} // namespace tidewell
