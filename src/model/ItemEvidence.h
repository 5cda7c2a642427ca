#pragma once

#include <QString>

namespace tidewell {

// Why a scan reports an item. The first codes are certain enough for the item to start
// selected; the others only offer it, each saying why it needs the user's look first.
enum class EvidenceCode {
    identifier, // named by the app's identifier (or its id, on Linux)
    sandbox,    // the app's own sandbox or container, by the system's record or its exact id
    fullName,   // the app's full name or program is the item's whole name
    launcher,   // a launcher, autostart entry or user unit that runs the app's own program
    icon,       // the app's icon, by the exact name the app gives it
    // Offered, not selected:
    partialName,           // only part of its name is the app's
    launcherByName,        // starts a program of the app's name, not by the app's own path or id
    vendorData,            // shared by the vendor's apps, of which no other is installed
    userWork,              // lies where the user keeps their own work
    risky,                 // rated Risky: outside the app's data folders
    claimedByInstalledApp, // another installed app claims it as strongly
};

// The evidence of one item: its code and, for the codes whose sentence names one, the other
// app or the vendor.
struct ItemEvidence {
    EvidenceCode code = EvidenceCode::partialName;
    QString subject = {};

    friend bool operator==(const ItemEvidence&, const ItemEvidence&) = default;
};

// The stable code scripts read ("identifier", "claimedByInstalledApp").
QString rawValue(EvidenceCode code);
// Whether evidence of that code lets the item start selected.
bool isCertain(EvidenceCode code);
// The evidence as one sentence in the user's language.
QString sentence(const ItemEvidence& evidence);

} // namespace tidewell
