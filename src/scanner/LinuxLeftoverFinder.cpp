#include "LinuxLeftoverFinder.h"

#include "ComponentWords.h"
#include "EntryTargets.h"
#include "MatchNeedles.h"
#include "model/LinuxAppIdentity.h"
#include "model/PathRules.h"
#include "model/TextRules.h"
#include "platform/DconfDatabase.h"
#include "platform/DesktopEntry.h"
#include "platform/SmallFileReading.h"
#include "platform/XdgUserDirs.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tidewell {

namespace {

QString lowered(const QString& text) {
    return text::lowercased(text);
}

// Folders of the XDG folders whose entries are read by rules of their own (launchers, icons,
// package data) or are no application's (the Trash): never read as one app's folder.
bool isReadByOwnRules(const QString& name) {
    static const QSet<QString> folders{QStringLiteral("Trash"),     QStringLiteral("applications"),
                                       QStringLiteral("autostart"), QStringLiteral("dbus-1"),
                                       QStringLiteral("flatpak"),   QStringLiteral("icons"),
                                       QStringLiteral("systemd"),   QStringLiteral("mime")};
    return folders.contains(name);
}

} // namespace

void LinuxLeftoverFinder::Search::add(const QString& path, const ItemEvidence& evidence) {
    if (!foundPaths.contains(path)) {
        foundPaths.insert(path);
        found.items.append({path, evidence});
    }
}

LinuxLeftoverFinder::LinuxLeftoverFinder(const AppDescriptor& app,
                                         const QList<AppDescriptor>& installed, Host host,
                                         const FileSystem& fileSystem, QSet<QString> claimedKeys)
    : m_app(app), m_keys(LinuxAppKeys::of(app)), m_claimedKeys(std::move(claimedKeys)),
      m_host(std::move(host)), m_fileSystem(fileSystem) {
    QList<AppDescriptor> rivals;
    for (const AppDescriptor& other : installed) {
        if (lowered(other.identifier) == lowered(app.identifier))
            continue;
        rivals.append(other);
        m_iconIsShared = m_iconIsShared || other.linuxFacts.iconName == app.linuxFacts.iconName;
    }
    m_rivalKeys = LinuxAppKeys::ofAll(rivals);
    m_iconIsShared =
        m_iconIsShared || m_claimedKeys.contains(text::compactForm(app.linuxFacts.iconName));
}

LinuxLeftovers LinuxLeftoverFinder::find(const CancellationToken& cancel) const {
    Search search{cancel, {}, {}};
    addXdgEntries(m_host.config, true, search);
    addXdgEntries(m_host.data, false, search);
    addXdgEntries(m_host.cache, false, search);
    addXdgEntries(m_host.state, true, search);
    addSettingsChannels(search);
    addHomeEntries(search);
    addPackageFolders(search);
    QStringList launcherIcons;
    addDesktopEntries(m_host.data + QStringLiteral("/applications"), search, launcherIcons);
    addDesktopEntries(m_host.config + QStringLiteral("/autostart"), search, launcherIcons);
    addLaunchers(m_host.config + QStringLiteral("/systemd/user"), QStringLiteral("Service"),
                 QStringLiteral("ExecStart"), search);
    addLaunchers(m_host.data + QStringLiteral("/dbus-1/services"), QStringLiteral("D-BUS Service"),
                 QStringLiteral("Exec"), search);
    addIcons(launcherIcons, search);
    addUserPrograms(search);
    search.found.unreadable.removeDuplicates();
    return search.found;
}

QStringList LinuxLeftoverFinder::settingsNamingApp() const {
    const QString entryName = m_app.linuxFacts.desktopFileId + QStringLiteral(".desktop");
    QStringList files;
    for (const QString& path : {m_host.config + QStringLiteral("/mimeapps.list"),
                                m_host.data + QStringLiteral("/applications/mimeapps.list")}) {
        const std::optional<QByteArray> bytes = m_app.linuxFacts.desktopFileId.isEmpty()
                                                    ? std::nullopt
                                                    : readSmallFile(path, maximumSettingsFileSize);
        if (!bytes)
            continue;
        const QString text =
            QString::fromUtf8(*bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // "type=a.desktop;b.desktop;": the app is named when one of the values is its entry.
        for (const QString& line : text.split(u'\n')) {
            const QStringList values = line.section(u'=', 1).split(u';', Qt::SkipEmptyParts);
            if (line.contains(u'=') && values.contains(entryName)) {
                files.append(path);
                break;
            }
        }
    }
    return files;
}

QStringList LinuxLeftoverFinder::dconfFoldersOfApp(const ProgramRunner& programs) const {
    const QStringList ids{m_app.linuxFacts.packageId, m_app.linuxFacts.desktopFileId,
                          m_app.linuxFacts.appStreamId};
    // Spare the dconf tool's start when no id could name a folder.
    if (std::all_of(ids.cbegin(), ids.cend(),
                    [](const QString& id) { return dconf::folderNamedBy(id).isEmpty(); }))
        return {};
    return dconf::foldersNamedBy(dconf::foldersWithKeys(m_host, programs), ids);
}

std::optional<ItemEvidence>
LinuxLeftoverFinder::keyEvidence(const std::optional<KeyMatch>& ours,
                                 const std::optional<KeyMatch>& theirs) const {
    if (ours && m_claimedKeys.contains(ours->key))
        return std::nullopt;
    return evidenceOfKeys(ours, theirs);
}

std::optional<ItemEvidence> LinuxLeftoverFinder::nameEvidence(const QString& name, bool isFile,
                                                              bool allowRc,
                                                              bool allowPrefix) const {
    return keyEvidence(m_keys.matchName(name, isFile, allowRc, allowPrefix),
                       m_rivalKeys.matchName(name, isFile, allowRc, allowPrefix));
}

bool LinuxLeftoverFinder::isClaimedByAnotherApp(const QString& folderName) const {
    return m_rivalKeys.matchName(folderName, false, false, false).has_value() ||
           m_claimedKeys.contains(text::compactForm(folderName));
}

bool LinuxLeftoverFinder::isBaseFolder(const QString& path) const {
    return path == m_host.config || path == m_host.data || path == m_host.cache ||
           path == m_host.state || path == m_host.home;
}

QList<DirectoryEntry> LinuxLeftoverFinder::entriesOf(const QString& folder, Search& search) const {
    if (search.cancel.isCancelled())
        return {};
    const DirectoryListing listing = m_fileSystem.listDirectory(folder, HiddenEntries::included);
    // A missing folder holds nothing; a refused one may hold leftovers nobody sees.
    if (listing.errorCode == NoReadPermissionError)
        search.found.unreadable.append(folder);
    return listing.entries;
}

bool LinuxLeftoverFinder::isFile(const DirectoryEntry& entry) const {
    // A link counts as what it leads to, a dangling one as a file.
    return !leadsToFolder(entry, m_fileSystem);
}

void LinuxLeftoverFinder::addXdgEntries(const QString& base, bool allowRc, Search& search) const {
    for (const DirectoryEntry& entry : entriesOf(base, search)) {
        if (isBaseFolder(entry.path))
            continue;
        const bool file = isFile(entry);
        if (const auto evidence = nameEvidence(entry.name, file, allowRc, false))
            search.add(entry.path, *evidence);
        else if (!file && !isReadByOwnRules(entry.name))
            addEntriesInside(entry, search);
    }
}

void LinuxLeftoverFinder::addEntriesInside(const DirectoryEntry& folder, Search& search) const {
    const QString vendorCompact = text::compactForm(folder.name);
    const bool isOurVendor = ComponentWords::compact(folder.name) ==
                             MatchNeedles::vendorOf(lowered(m_app.linuxFacts.packageId.isEmpty()
                                                                ? m_app.linuxFacts.desktopFileId
                                                                : m_app.linuxFacts.packageId));
    // A folder another installed app claims holds that app's own files, whatever their names.
    const bool isUnclaimed = !isClaimedByAnotherApp(folder.name);
    for (const DirectoryEntry& entry : entriesOf(folder.path, search)) {
        const QString joined = vendorCompact + text::compactForm(entry.name);
        std::optional<ItemEvidence> evidence =
            keyEvidence(m_keys.match(joined), m_rivalKeys.match(joined));
        if (!evidence && isUnclaimed)
            evidence = nameEvidence(entry.name, isFile(entry), false, false);
        if (!evidence && isOurVendor)
            evidence =
                keyEvidence(m_keys.matchEdition(entry.name), m_rivalKeys.matchEdition(entry.name));
        if (evidence)
            search.add(entry.path, *evidence);
    }
}

void LinuxLeftoverFinder::addSettingsChannels(Search& search) const {
    // Xfce's settings daemon keeps one file per channel, an app's own named for it.
    const QString channels = m_host.config + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml");
    for (const DirectoryEntry& entry : entriesOf(channels, search)) {
        if (!entry.name.endsWith(QStringLiteral(".xml")) || !isFile(entry))
            continue;
        if (const auto evidence = nameEvidence(entry.name, true, false, false))
            search.add(entry.path, *evidence);
    }
}

void LinuxLeftoverFinder::addHomeEntries(Search& search) const {
    const QStringList userFolders = xdguserdirs::standardFolders(m_host.config, m_host.home);
    for (const DirectoryEntry& entry : entriesOf(m_host.home, search)) {
        if (isBaseFolder(entry.path) || m_host.config.startsWith(entry.path + u'/') ||
            m_host.data.startsWith(entry.path + u'/') || userFolders.contains(entry.path) ||
            userProgramFolders().contains(entry.path))
            continue;
        const bool isDotEntry = entry.name.startsWith(u'.');
        const bool file = isFile(entry);
        // A visible file named for the app is a document of the user's.
        if (!isDotEntry && file)
            continue;
        auto evidence = nameEvidence(entry.name, file, false, isDotEntry);
        // The home's visible entries are the user's own: one named for the app may be their
        // work with it (its projects, its exports), so it is only offered.
        if (evidence && !isDotEntry && isCertain(evidence->code))
            evidence = ItemEvidence{EvidenceCode::userWork};
        if (evidence)
            search.add(entry.path, *evidence);
    }
}

void LinuxLeftoverFinder::addPackageFolders(Search& search) const {
    QStringList candidates{linuxapp::sandboxFolderOf(m_app, m_host.home)};
    if (m_app.kind == AppKind::flatpak && !candidates.first().isEmpty())
        candidates.append(pathrules::joinedInside(
            m_host.data + QStringLiteral("/flatpak/overrides"), m_app.linuxFacts.packageId));
    for (const QString& path : candidates) {
        if (!path.isEmpty() && m_fileSystem.exists(path))
            search.add(path, {EvidenceCode::sandbox});
    }
}

void LinuxLeftoverFinder::addDesktopEntries(const QString& folder, Search& search,
                                            QStringList& icons) const {
    for (const DirectoryEntry& file : entriesOf(folder, search)) {
        if (!file.name.endsWith(QStringLiteral(".desktop")) || !isFile(file))
            continue;
        const std::optional<DesktopEntry> entry = readDesktopEntry(file.path);
        if (!entry)
            continue;
        const AppDescriptor other = linuxapp::describe(*entry);
        const bool sameId =
            lowered(other.identifier) == lowered(m_app.identifier) ||
            (!m_app.linuxFacts.packageId.isEmpty() &&
             lowered(other.linuxFacts.desktopFileId) == lowered(m_app.linuxFacts.packageId));
        std::optional<ItemEvidence> evidence = launchEvidence(entry->execArguments);
        if (sameId)
            evidence = ItemEvidence{EvidenceCode::identifier};
        else if (runsThisAppImage(*entry))
            evidence = ItemEvidence{EvidenceCode::launcher};
        if (evidence) {
            search.add(file.path, *evidence);
            icons.append(entry->icon);
        }
    }
}

bool LinuxLeftoverFinder::runsThisAppImage(const DesktopEntry& entry) const {
    // An AppImage integration's launcher runs the AppImage file by its path.
    return m_app.kind == AppKind::appImage && !entry.execArguments.isEmpty() &&
           QDir::cleanPath(entry.execArguments.first()) == m_app.appURL.toLocalFile();
}

std::optional<ItemEvidence>
LinuxLeftoverFinder::launchEvidence(const QStringList& commandLine) const {
    const QString name = text::compactForm(linuxapp::programNameOf(commandLine));
    const auto evidence = keyEvidence(m_keys.match(name), m_rivalKeys.match(name));
    if (!evidence || !isCertain(evidence->code))
        return evidence;
    // Certain when it runs the app's own program: by its package id ("flatpak run <id>") or by
    // the very path the app's launcher runs; a program of the same name may be another one.
    const QString program = linuxapp::programPathOf(commandLine);
    const bool runsOwnProgram =
        (!m_app.linuxFacts.packageId.isEmpty() &&
         name == text::compactForm(m_app.linuxFacts.packageId)) ||
        (!m_app.linuxFacts.programPath.isEmpty() &&
         resolvedProgram(program) == resolvedProgram(m_app.linuxFacts.programPath));
    return ItemEvidence{runsOwnProgram ? EvidenceCode::launcher : EvidenceCode::launcherByName};
}

QString LinuxLeftoverFinder::resolvedProgram(const QString& program) const {
    if (program.isEmpty() || program.contains(u'/'))
        return QDir::cleanPath(program);
    for (const QString& folder : m_host.programPath) {
        const QString candidate = folder + u'/' + program;
        if (m_fileSystem.exists(candidate))
            return candidate;
    }
    return program;
}

void LinuxLeftoverFinder::addLaunchers(const QString& folder, const QString& group,
                                       const QString& key, Search& search) const {
    for (const DirectoryEntry& file : entriesOf(folder, search)) {
        if (!isFile(file))
            continue;
        if (const auto evidence = launchEvidence(readCommandLine(file.path, group, key)))
            search.add(file.path, *evidence);
    }
}

QStringList LinuxLeftoverFinder::userProgramFolders() const {
    return {m_host.home + QStringLiteral("/Applications"),
            m_host.home + QStringLiteral("/.local/bin")};
}

QString LinuxLeftoverFinder::launchedProgramFile() const {
    const QString& program = m_app.linuxFacts.programPath;
    if (QDir::isAbsolutePath(program))
        return QDir::cleanPath(program);
    if (program.isEmpty() || program.contains(u'/'))
        return {};
    const QString inLocalBin = userProgramFolders().last() + u'/' + program;
    return m_fileSystem.exists(inLocalBin) ? inLocalBin : QString();
}

QString LinuxLeftoverFinder::userInstallHolding(const QString& canonicalProgram) const {
    const QString applications = m_fileSystem.resolvedPath(userProgramFolders().first());
    const QString localBin = m_fileSystem.resolvedPath(userProgramFolders().last());
    const QFileInfo program(canonicalProgram);
    // ~/.local/bin also holds programs of other installers (pip, cargo): only an AppImage
    // there is the app's own file.
    if (!localBin.isEmpty() && program.path() == localBin)
        return linuxapp::isAppImagePath(canonicalProgram) ? canonicalProgram : QString();
    if (applications.isEmpty() || !canonicalProgram.startsWith(applications + u'/'))
        return {};
    const QString below = canonicalProgram.mid(applications.size() + 1);
    const QString topName = below.section(u'/', 0, 0);
    // A program deeper down counts only when the folder holding it is named for the app
    // ("~/Applications/Driftnote/driftnote"), not a shared "bin" folder.
    if (topName == below || nameEvidence(topName, false, false, false))
        return applications + u'/' + topName;
    return {};
}

void LinuxLeftoverFinder::addUserPrograms(Search& search) const {
    const QString launched = launchedProgramFile();
    const QFileInfo program(launched.isEmpty() ? QString() : m_fileSystem.resolvedPath(launched));
    // Only a file is a program: an Exec that names a folder ("Exec=~/src") claims nothing.
    if (program.filePath().isEmpty() || m_fileSystem.isDirectory(program.filePath()))
        return;
    QString install = userInstallHolding(program.filePath());
    // An AppImage launcher runs the AppImage, which is the app wherever the user keeps it.
    if (install.isEmpty() && m_app.kind == AppKind::appImage &&
        linuxapp::isAppImagePath(program.filePath()))
        install = program.filePath();
    // A program the user did not install (a system one, one in a shared folder) is no
    // leftover, and neither are the links that lead to it.
    if (install.isEmpty())
        return;
    // A scanned AppImage file goes with its leftovers anyway.
    const QString scannedFile = m_app.appURL.toLocalFile();
    if (scannedFile.isEmpty() || install != m_fileSystem.resolvedPath(scannedFile))
        search.add(install, {EvidenceCode::fullName});
    for (const QString& folder : userProgramFolders()) {
        for (const DirectoryEntry& entry : entriesOf(folder, search)) {
            if (!entry.isSymbolicLink.value_or(false))
                continue;
            const QString resolved = m_fileSystem.resolvedPath(entry.path);
            if (resolved == install || resolved.startsWith(install + u'/'))
                search.add(entry.path, {EvidenceCode::fullName});
        }
    }
}

void LinuxLeftoverFinder::addIcons(const QStringList& launcherIcons, Search& search) const {
    QSet<QString> names;
    if (!m_app.linuxFacts.iconName.isEmpty() && !m_iconIsShared)
        names.insert(m_app.linuxFacts.iconName);
    // The AppImage integration names each launcher's icon after the AppImage's own hash.
    for (const QString& icon : launcherIcons) {
        if (!linuxapp::appImageIntegrationHashOf(icon).isEmpty() && !icon.contains(u'/'))
            names.insert(icon);
    }
    if (names.isEmpty() || search.cancel.isCancelled())
        return;
    static const QStringList iconExtensions{QStringLiteral("png"), QStringLiteral("svg"),
                                            QStringLiteral("xpm")};
    m_fileSystem.walkTree(m_host.data + QStringLiteral("/icons"), [&](const TreeEntry& entry) {
        const QFileInfo icon(entry.path);
        if (!entry.values.isDirectory && names.contains(icon.completeBaseName()) &&
            iconExtensions.contains(icon.suffix()))
            search.add(entry.path, {EvidenceCode::icon});
    });
}

} // namespace tidewell
