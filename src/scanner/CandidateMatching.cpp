#include "CandidateMatching.h"

#include "PathNames.h"
#include "ScanRoots.h"
#include "model/TextRules.h"
#include "platform/PackageExtensions.h"

#include <QRegularExpression>

#include <algorithm>

namespace tidewell {

namespace {

constexpr qsizetype teamIdLength = 10;
// Names this long may start the name of an entry directly in a Library folder.
constexpr size_t minimumPrefixName = 5;

bool isTeamIdCharacter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool isApplicationBundleName(QStringView name) {
    return pathnames::extension(name).compare(u"app", Qt::CaseInsensitive) == 0;
}

// Adds what one component below a root folder shows; an application bundle inside an
// Applications folder blocks everything at and below it.
void addComponent(QStringView name, bool isFirst, const PathPlace& place,
                  const MatchNeedles& needles, MatchEvidence& evidence, bool& isBlocked) {
    if (place.inApplications && isApplicationBundleName(name)) {
        isBlocked = true;
        return;
    }
    thread_local ComponentWords words;
    words.assign(isFirst && place.stripsTeamId ? withoutTeamId(name) : name);
    needles.collect(words, evidence);
}

// How strongly an entry directly in a Library folder is named for the application: by the
// longest identifier or long name its name starts with ("DBeaverData"), or by its whole name
// without the extension.
int libraryEntryStrength(QStringView name, const MatchNeedles& needles) {
    if (isStandardLibraryFolder(name))
        return 0;
    const ComponentWords words(name);
    int strength = 0;
    for (const std::u32string& identifier : needles.identifiers()) {
        if (words.startsWithWords(identifier))
            strength = std::max(strength, int(identifier.size()));
    }
    const std::u32string_view baseName = words.textWithoutExtension();
    for (const std::u32string& appName : needles.names()) {
        if (baseName == appName ||
            (appName.size() >= minimumPrefixName && words.startsWithWords(appName)))
            strength = std::max(strength, int(appName.size()));
    }
    return strength;
}

ItemEvidence libraryEntryEvidence(const ComponentWords& words, const MatchNeedles& needles) {
    const bool startsWithIdentifier =
        std::any_of(needles.identifiers().begin(), needles.identifiers().end(),
                    [&](const std::u32string& id) { return words.startsWithWords(id); });
    if (startsWithIdentifier)
        return {EvidenceCode::identifier};
    return {needles.holdsFullName(words) ? EvidenceCode::fullName : EvidenceCode::partialName};
}

// Whether a component that holds a full name is not a versioned folder of another edition: a
// versioned name ("PyCharmCE2024.3", "Sublime Text 3") is the app's only when what comes before
// its version is wholly the app's name, never when the name merely starts it.
bool isOwnEdition(QStringView component, const MatchNeedles& needles) {
    static const QRegularExpression version(QStringLiteral("[\\s._-]*\\d+([._-]\\d+)*$"));
    const QString name = pathnames::deletingExtension(component).toString();
    const qsizetype versionStart = version.match(name).capturedStart();
    return versionStart <= 0 || needles.isNamedWholly(ComponentWords(name.left(versionStart)));
}

std::optional<MatchEvidence> evidenceAt(QStringView path, const PathPlace& place,
                                        const MatchNeedles& needles) {
    if (place.kind == PathPlace::Kind::libraryEntry)
        return MatchEvidence{libraryEntryStrength(path.sliced(place.relativeStart), needles)};
    if (place.kind != PathPlace::Kind::belowRoot)
        return std::nullopt;
    MatchEvidence evidence;
    bool isBlocked = false;
    bool isFirst = true;
    for (QStringView component : path.sliced(place.relativeStart).split(u'/', Qt::SkipEmptyParts)) {
        addComponent(component, isFirst, place, needles, evidence, isBlocked);
        isFirst = false;
    }
    return isBlocked ? std::nullopt : std::optional(evidence);
}

} // namespace

QStringView withoutTeamId(QStringView name) {
    if (name.size() <= teamIdLength + 1 || name[teamIdLength] != u'.')
        return name;
    const QStringView prefix = name.first(teamIdLength);
    return std::all_of(prefix.begin(), prefix.end(), isTeamIdCharacter)
               ? name.sliced(teamIdLength + 1)
               : name;
}

std::optional<MatchEvidence> evidenceFor(QStringView path, const MatchNeedles& needles,
                                         const ScanContext& context) {
    return evidenceAt(path, context.place(path), needles);
}

ItemEvidence namingEvidence(QStringView path, const ScanContext& context) {
    const PathPlace place = context.place(path);
    const MatchNeedles& needles = context.needles();
    const QStringView below = path.sliced(place.relativeStart);
    if (place.kind == PathPlace::Kind::libraryEntry)
        return libraryEntryEvidence(ComponentWords(below), needles);
    ItemEvidence evidence{EvidenceCode::partialName};
    const QString spelledName =
        text::strippingTrailingVersionSuffix(context.app().displayName).trimmed();
    const auto components = below.split(u'/', Qt::SkipEmptyParts);
    bool isFirst = true;
    for (QStringView component : components) {
        const ComponentWords words(isFirst && place.stripsTeamId ? withoutTeamId(component)
                                                                 : component);
        if (needles.holdsIdentifier(words))
            return {EvidenceCode::identifier};
        // A name of one plain word names the app directly in its root folder; deeper, it is as
        // likely an everyday word in another program's data ("CloudDocs/session") unless it is
        // spelled as the app spells it ("CrashReporter/Session_2c4f.plist").
        const bool plainWordsCount = isFirst || component.contains(spelledName);
        if (needles.holdsFullName(words, plainWordsCount) && isOwnEdition(component, needles))
            evidence = {EvidenceCode::fullName};
        else if (evidence.code == EvidenceCode::partialName &&
                 component.data() == components.last().data() && needles.isVendorName(words))
            evidence = {EvidenceCode::vendorData,
                        pathnames::deletingExtension(component).toString()};
        isFirst = false;
    }
    return evidence;
}

bool matchesCandidate(const QString& path, const ScanContext& context) {
    if (path == context.appPath())
        return false;
    const auto evidence = evidenceFor(path, context.needles(), context);
    return evidence && context.needles().decides(*evidence);
}

bool matchesContainerName(QStringView name, const MatchNeedles& needles) {
    MatchEvidence evidence;
    needles.collect(ComponentWords(withoutTeamId(name)), evidence);
    return needles.decides(evidence);
}

bool isPackageLike(const DirectoryEntry& entry) {
    return entry.isPackage.value_or(false) || isPackageName(entry.name);
}

FolderMatchState folderMatchState(const QString& folderPath, const ScanContext& context) {
    FolderMatchState state;
    state.path = folderPath;
    const PathPlace place = context.place(folderPath);
    state.hasEvidence = place.kind == PathPlace::Kind::belowRoot;
    if (state.hasEvidence) {
        const auto evidence = evidenceAt(folderPath, place, context.needles());
        state.isBlocked = !evidence;
        state.evidence = evidence.value_or(MatchEvidence{});
    }
    return state;
}

bool matchesEntry(const FolderMatchState& folder, const QString& name, const QString& path,
                  const ScanContext& context, FolderMatchState& entryState) {
    const PathPlace place = context.place(path);
    const bool isBelowRoot = place.kind == PathPlace::Kind::belowRoot;
    const bool isFirst = isBelowRoot && place.relativeStart == path.size() - name.size();
    if (!isBelowRoot || name.isEmpty() || !(isFirst || folder.hasEvidence)) {
        entryState = folderMatchState(path, context);
        return matchesCandidate(path, context);
    }
    entryState.path = path;
    entryState.hasEvidence = true;
    entryState.isBlocked = !isFirst && folder.isBlocked;
    entryState.evidence = isFirst ? MatchEvidence{} : folder.evidence;
    if (!entryState.isBlocked)
        addComponent(name, isFirst, place, context.needles(), entryState.evidence,
                     entryState.isBlocked);
    return !entryState.isBlocked && path != context.appPath() &&
           context.needles().decides(entryState.evidence);
}

} // namespace tidewell
