#include "ItemEvidence.h"

#include <QCoreApplication>

namespace tidewell {

namespace {

const char* englishSentence(EvidenceCode code) {
    switch (code) {
    case EvidenceCode::identifier:
        return QT_TRANSLATE_NOOP("ItemEvidence", "Named by the app's identifier.");
    case EvidenceCode::sandbox:
        return QT_TRANSLATE_NOOP("ItemEvidence", "The app's own container or sandbox.");
    case EvidenceCode::fullName:
        return QT_TRANSLATE_NOOP("ItemEvidence", "Named by the app's full name or its program.");
    case EvidenceCode::launcher:
        return QT_TRANSLATE_NOOP("ItemEvidence", "Starts the app's own program.");
    case EvidenceCode::icon:
        return QT_TRANSLATE_NOOP("ItemEvidence", "The app's icon, by the name the app gives it.");
    case EvidenceCode::partialName:
        return QT_TRANSLATE_NOOP("ItemEvidence",
                                 "Only part of its name matches the app's: check that it is the "
                                 "app's.");
    case EvidenceCode::launcherByName:
        return QT_TRANSLATE_NOOP("ItemEvidence",
                                 "Starts a program named as the app's, but not by the app's own "
                                 "path: check that it is the app's.");
    case EvidenceCode::vendorData:
        return QT_TRANSLATE_NOOP("ItemEvidence",
                                 "Shared by the apps of %1, of which no other is installed.");
    case EvidenceCode::userWork:
        return QT_TRANSLATE_NOOP("ItemEvidence",
                                 "Lies among your own files: check that it is not your work.");
    case EvidenceCode::risky:
        return QT_TRANSLATE_NOOP("ItemEvidence",
                                 "Outside the app's data folders: removing it may change how the "
                                 "system runs.");
    case EvidenceCode::claimedByInstalledApp:
        break;
    }
    return QT_TRANSLATE_NOOP("ItemEvidence",
                             "%1 is installed and claims it as strongly: check that it is not "
                             "%1's.");
}

} // namespace

QString rawValue(EvidenceCode code) {
    switch (code) {
    case EvidenceCode::identifier:
        return QStringLiteral("identifier");
    case EvidenceCode::sandbox:
        return QStringLiteral("sandbox");
    case EvidenceCode::fullName:
        return QStringLiteral("fullName");
    case EvidenceCode::launcher:
        return QStringLiteral("launcher");
    case EvidenceCode::icon:
        return QStringLiteral("icon");
    case EvidenceCode::partialName:
        return QStringLiteral("partialName");
    case EvidenceCode::launcherByName:
        return QStringLiteral("launcherByName");
    case EvidenceCode::vendorData:
        return QStringLiteral("vendorData");
    case EvidenceCode::userWork:
        return QStringLiteral("userWork");
    case EvidenceCode::risky:
        return QStringLiteral("risky");
    case EvidenceCode::claimedByInstalledApp:
        break;
    }
    return QStringLiteral("claimedByInstalledApp");
}

bool isCertain(EvidenceCode code) {
    return code < EvidenceCode::partialName;
}

QString sentence(const ItemEvidence& evidence) {
    return QCoreApplication::translate("ItemEvidence", englishSentence(evidence.code))
        .replace(QStringLiteral("%1"), evidence.subject);
}

} // namespace tidewell
