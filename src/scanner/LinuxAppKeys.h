#pragma once

#include "model/AppDescriptor.h"
#include "model/ItemEvidence.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

namespace tidewell {

// A key that a name showed, with the tier of its evidence and how much of the name it is.
struct KeyMatch {
    // How the name holds the key, from the closest fit.
    enum class Fit {
        exact,     // the name is the key, a leading dot and a settings suffix aside
        qualified, // the key, then "_" or only generic words (".octave_hist", ".foo-data")
        prefix,    // the key merely starts the name, which may name another program
    };
    QString key;
    int tier = 0;
    Fit fit = Fit::exact;
    QString owner = {}; // the display name of the application whose key it is

    // Whether this match names the name more strongly than other: the closer fit, then the
    // lower tier.
    bool isStrongerThan(const KeyMatch& other) const;
    bool isAsStrongAs(const KeyMatch& other) const;
};

// A Linux application's names as its leftovers are named, in compact form (lower case, letters
// and digits only), each with the tier of its evidence: 0 for the package id, the desktop file
// id, the AppStream id and the last labels of those reverse-DNS ids, 1 for programs (and the
// program a front end such as "quillsync-gtk" is a front end of), window class, icon and a
// display name that is more than one plain word ("MuseScore 3", not "Fonts").
// Names shorter than three characters, generic words and launcher stubs are no keys.
class LinuxAppKeys {
public:
    static LinuxAppKeys of(const AppDescriptor& app);
    // The keys of every application, each with its lowest tier and the application it has that
    // tier from.
    static LinuxAppKeys ofAll(const QList<AppDescriptor>& apps);

    // The key that is exactly compactName, if any.
    std::optional<KeyMatch> match(const QString& compactName) const;
    const QHash<QString, int>& keys() const { return m_tiers; }

    // Whether name names the application: compared in compact form without a leading dot and,
    // for a file, without its extension. allowRc: "<key>rc" and "<key>staterc" files too.
    // allowPrefix: a name whose first piece (before "_", "-" or ".") is a key of four or more
    // characters (".octave_hist"), qualified or only a prefix.
    std::optional<KeyMatch> matchName(const QString& name, bool isFile, bool allowRc,
                                      bool allowPrefix) const;
    // Whether name, a vendor's folder of one edition and version ("PyCharmCE2024.3"), names the
    // application: wholly when the name without its version is a key or the app's edition name
    // (a word of its name, then the first letters of the others: "IdeaIC" of
    // "IntelliJ-IDEA-Community"), only by a prefix when a key of four or more characters merely
    // starts it (the longest such key).
    std::optional<KeyMatch> matchEdition(const QString& name) const;

private:
    void add(const QString& token, int tier, const QString& owner);
    std::optional<KeyMatch> matchPrefix(const QString& name) const;

    QHash<QString, int> m_tiers;
    QHash<QString, QString> m_owners;
    // Edition names (see matchEdition) with the display name of their application: names of
    // folders below the vendor's only, full-name evidence.
    QHash<QString, QString> m_editions;
};

// The evidence a name is found by, from our key match and the strongest match of the other
// installed applications' keys: nothing when we have none or theirs is stronger; a tie is only
// offered, naming the other app; otherwise an id is identifier evidence, a whole name full-name
// evidence and a prefix only partial.
std::optional<ItemEvidence> evidenceOfKeys(const std::optional<KeyMatch>& ours,
                                           const std::optional<KeyMatch>& theirs);

} // namespace tidewell
