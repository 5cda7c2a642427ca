#pragma once

#include "MatchNeedles.h"
#include "ScanContext.h"

#include <QList>
#include <QStringList>

#include <vector>

namespace tidewell {

// Another installed application's claim on an item the scan's application matched.
struct RivalClaim {
    enum class Strength {
        none,     // no other application names the item
        asStrong, // one names it as strongly: a tie, never decided for the scan's application
        stronger, // one names it more strongly, or the item is, holds or lies in its bundle
    };
    Strength strength = Strength::none;
    QString rival = {}; // the display name of the application that ties
};

// Decides, among the installed applications, whose an item is. The scan's application keeps a
// match only while no other installed application names the item more strongly (its
// identifier, name or tail token on word boundaries, longer than ours), and never keeps another
// application's bundle, anything inside one or a folder holding one. Other copies of the scan's
// application (the same identifier) are not rivals.
class OwnershipArbiter {
public:
    OwnershipArbiter(const ScanContext& context, const QList<AppDescriptor>& installed);

    // The strongest claim another installed application has on the item at path.
    RivalClaim claimOn(const QString& path) const;

private:
    struct Rival {
        MatchNeedles needles;
        QString name;
    };

    bool touchesAnotherBundle(const QString& path) const;

    const ScanContext& m_context;
    std::vector<Rival> m_rivals;
    QStringList m_otherBundles;
};

} // namespace tidewell
