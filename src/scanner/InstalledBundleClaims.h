#pragma once

#include "model/AppDescriptor.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tidewell {

// What the installed app bundles, and the system, claim of the identifiers and names found in
// a Library: a removed app is never found in them. Pure rules over the installed apps'
// descriptors; nothing is read.
class InstalledBundleClaims {
public:
    explicit InstalledBundleClaims(const QList<AppDescriptor>& installed);

    // Whether identifier is surely an installed app's or the system's: one of the system's
    // (SystemIdentifiers); an installed app's identifier or base identifier, one beginning with
    // it (a helper, an extension) or one it begins with; one with a label past the vendor that
    // is a word of an installed app's name, or begins an installed app's compact name or begins
    // with it ("com.example.fluxhelper" beside Flux Helper, "com.old.harborligh" beside
    // Harborlight);
    // or one whose first label past the vendor is the name of an installed app of that vendor
    // without the vendor ("gg" of com.steelseries.gg.client beside SteelSeries GG).
    bool claimsIdentifier(const QString& identifier) const;
    // Whether identifier's vendor has an installed app, or is a word of an installed app's name
    // ("Android" of Android Studio): the identifier may be that app's updater or helper.
    bool claimsVendorOf(const QString& identifier) const;
    // Whether a name, in compact form, is too short or generic to tell an app, is one of an
    // installed app's search tokens or names a folder of the system's.
    bool claimsName(const QString& compact) const;

private:
    bool claimsLabel(const QString& label) const;

    QStringList m_identifiers; // lower case, base identifiers too
    QSet<QString> m_vendors;
    QSet<QString> m_nameWords;   // compact words of the apps' names, three characters or more
    QStringList m_compactNames;  // five characters or more
    QSet<QString> m_vendorNames; // "<vendor>.<name without the vendor>"
    QSet<QString> m_tokens;      // compact
};

} // namespace tidewell
