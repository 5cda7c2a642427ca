#pragma once

#include "MatchNeedles.h"
#include "ScanContext.h"

#include <QList>
#include <QStringList>

#include <vector>

namespace tidewell {

// Decides, among the installed applications, whose an item is. The scan's application keeps a
// match only while no other installed application names the item at least as strongly (its
// identifier, name or tail token on word boundaries, as long as ours or longer), and never
// keeps another application's bundle, anything inside one or a folder holding one. Other
// copies of the scan's application (the same identifier) are not rivals.
class OwnershipArbiter {
public:
    OwnershipArbiter(const ScanContext& context, const QList<AppDescriptor>& installed);

    bool belongsToAnotherApp(const QString& path) const;

private:
    bool touchesAnotherBundle(const QString& path) const;

    const ScanContext& m_context;
    std::vector<MatchNeedles> m_rivals;
    QStringList m_otherBundles;
};

} // namespace tidewell
