#include "OwnershipArbiter.h"

#include "CandidateMatching.h"
#include "PathNames.h"

#include <QFileInfo>

#include <algorithm>

namespace tidewell {

namespace {

bool isInside(const QString& path, const QString& folder) {
    return path.size() > folder.size() && path.startsWith(folder) && path[folder.size()] == u'/';
}

int evidenceStrength(const QString& path, const MatchNeedles& needles, const ScanContext& context) {
    const auto evidence = evidenceFor(path, needles, context);
    return evidence ? evidence->strength : 0;
}

} // namespace

OwnershipArbiter::OwnershipArbiter(const ScanContext& context,
                                   const QList<AppDescriptor>& installed)
    : m_context(context) {
    for (const AppDescriptor& app : installed) {
        const QString bundle =
            pathnames::standardized(QFileInfo(app.appURL.toLocalFile()).absoluteFilePath());
        if (bundle == context.appPath())
            continue;
        m_otherBundles.append(bundle);
        if (app.normalizedIdentifier != context.app().normalizedIdentifier)
            m_rivals.push_back(MatchNeedles::compile(app));
    }
}

bool OwnershipArbiter::belongsToAnotherApp(const QString& path) const {
    if (touchesAnotherBundle(path))
        return true;
    const int ours = evidenceStrength(path, m_context.needles(), m_context);
    return std::any_of(m_rivals.begin(), m_rivals.end(), [&](const MatchNeedles& rival) {
        const int theirs = evidenceStrength(path, rival, m_context);
        return theirs > 0 && theirs >= ours;
    });
}

bool OwnershipArbiter::touchesAnotherBundle(const QString& path) const {
    return std::any_of(m_otherBundles.begin(), m_otherBundles.end(), [&](const QString& bundle) {
        return path == bundle || isInside(path, bundle) || isInside(bundle, path);
    });
}

} // namespace tidewell
