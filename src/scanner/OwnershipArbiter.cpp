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
            m_rivals.push_back({MatchNeedles::compile(app), app.displayName});
    }
}

RivalClaim OwnershipArbiter::claimOn(const QString& path) const {
    using enum RivalClaim::Strength;
    if (touchesAnotherBundle(path))
        return {stronger};
    const int ours = evidenceStrength(path, m_context.needles(), m_context);
    RivalClaim claim;
    for (const Rival& rival : m_rivals) {
        const int theirs = evidenceStrength(path, rival.needles, m_context);
        if (theirs > 0 && theirs > ours)
            return {stronger};
        if (theirs > 0 && theirs == ours && claim.strength == none)
            claim = {asStrong, rival.name};
    }
    return claim;
}

bool OwnershipArbiter::touchesAnotherBundle(const QString& path) const {
    return std::any_of(m_otherBundles.begin(), m_otherBundles.end(), [&](const QString& bundle) {
        return path == bundle || isInside(path, bundle) || isInside(bundle, path);
    });
}

} // namespace tidewell
