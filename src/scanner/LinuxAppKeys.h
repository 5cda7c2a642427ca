#pragma once

#include "model/AppDescriptor.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

namespace tidewell {

// A key that a name showed, with the tier of its evidence.
struct KeyMatch {
    QString key;
    int tier = 0;
};

// A Linux application's names as its leftovers are named, in compact form (lower case, letters
// and digits only), each with the tier of its evidence: 0 for the package id, the desktop file
// id, the AppStream id and the last labels of those reverse-DNS ids, 1 for programs, window
// class and icon.
// Names shorter than three characters, generic words and launcher stubs are no keys.
class LinuxAppKeys {
public:
    static LinuxAppKeys of(const AppDescriptor& app);

    // The key that is exactly compactName, if any.
    std::optional<KeyMatch> match(const QString& compactName) const;
    // The keys of tier 0: what another installed application claims a name with.
    QSet<QString> identityKeys() const;
    const QHash<QString, int>& keys() const { return m_tiers; }

    // Whether name names the application: compared in compact form without a leading dot and,
    // for a file, without its extension. allowRc: "<key>rc" and "<key>staterc" files too.
    // allowPrefix: a name whose first piece (before "_", "-" or ".") is a key of four or more
    // characters (".octave_hist").
    std::optional<KeyMatch> matchName(const QString& name, bool isFile, bool allowRc,
                                      bool allowPrefix) const;

private:
    void add(const QString& token, int tier);

    QHash<QString, int> m_tiers;
};

} // namespace tidewell
