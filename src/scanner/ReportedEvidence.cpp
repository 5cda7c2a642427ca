#include "ReportedEvidence.h"

#include "CandidateMatching.h"
#include "PathNames.h"
#include "model/TextRules.h"

namespace tidewell {

namespace {

// The vendor as the identifier spells it ("Quillfield" of "com.Quillfield.notes"), else the
// item's own name.
QString vendorLabel(const AppDescriptor& app, const QString& path) {
    const QStringList segments = text::identifierSegments(app.identifier);
    return segments.size() >= 3 ? segments[1] : pathnames::fileName(path).toString();
}

} // namespace

std::optional<ItemEvidence> reportedEvidence(const QString& path, const ScanContext& context,
                                             const RivalClaim& claim) {
    using enum RivalClaim::Strength;
    if (claim.strength == stronger)
        return std::nullopt;
    const ItemEvidence naming = namingEvidence(path, context);
    const PathPlace place = context.place(path);
    const bool namesApp = isCertain(naming.code);
    if (place.inGroupContainers && !namesApp && context.vendorIsShared())
        return std::nullopt;
    if (claim.strength == asStrong)
        return ItemEvidence{EvidenceCode::claimedByInstalledApp, claim.rival};
    if (place.inSharedFolder)
        return ItemEvidence{EvidenceCode::userWork};
    if (place.inGroupContainers && !namesApp)
        return ItemEvidence{EvidenceCode::vendorData, vendorLabel(context.app(), path)};
    return naming;
}

} // namespace tidewell
