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

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tidewell {

namespace {

constexpr int weakTier = 1;
constexpr qsizetype minimumVendorKeyLength = 4;

QString lowered(const QString& text) {
    return text::lowercased(text);
}

// Folders of a desktop framework that hold one entry per application, named for it: KXmlGui's
// customised menus and toolbars ("kxmlgui5/kate/kateui.rc").
bool isPerApplicationFolder(const QString& name) {
    static const QSet<QString> folders{QStringLiteral("kxmlgui5"), QStringLiteral("kxmlgui6")};
    return folders.contains(name);
}

} // namespace

LinuxLeftoverFinder::LinuxLeftoverFinder(const AppDescriptor& app,
                                         const QList<AppDescriptor>& installed, Host host,
                                         const FileSystem& fileSystem)
    : m_app(app), m_keys(LinuxAppKeys::of(app)), m_host(std::move(host)), m_fileSystem(fileSystem) {
    for (const AppDescriptor& other : installed) {
        if (lowered(other.identifier) == lowered(app.identifier))
            continue;
        m_rivalIdentityKeys.unite(LinuxAppKeys::of(other).identityKeys());
        m_iconIsShared = m_iconIsShared || other.linuxFacts.iconName == app.linuxFacts.iconName;
    }
    m_rivalIdentityKeys.subtract(m_keys.identityKeys());
}

LinuxLeftovers LinuxLeftoverFinder::find(const CancellationToken& cancel) const {
    Search search{cancel, {}};
    addXdgEntries(m_host.config, true, search);
    addXdgEntries(m_host.data, false, search);
    addXdgEntries(m_host.cache, false, search);
    addXdgEntries(m_host.state, true, search);
    addHomeDotEntries(search);
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
    search.found.paths.removeDuplicates();
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

bool LinuxLeftoverFinder::keeps(const std::optional<KeyMatch>& match) const {
    return match && (match->tier < weakTier || !m_rivalIdentityKeys.contains(match->key));
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
        if (keeps(m_keys.matchName(entry.name, file, allowRc, false)))
            search.found.paths.append(entry.path);
        else if (!file)
            addVendorEntries(entry, search);
    }
}

void LinuxLeftoverFinder::addVendorEntries(const DirectoryEntry& folder, Search& search) const {
    const QString vendorCompact = text::compactForm(folder.name);
    const bool isOurVendor = ComponentWords::compact(folder.name) ==
                             MatchNeedles::vendorOf(lowered(m_app.linuxFacts.packageId.isEmpty()
                                                                ? m_app.linuxFacts.desktopFileId
                                                                : m_app.linuxFacts.packageId));
    const bool holdsOneEntryPerApp = isPerApplicationFolder(folder.name);
    for (const DirectoryEntry& entry : entriesOf(folder.path, search)) {
        const QString joined = vendorCompact + text::compactForm(entry.name);
        if (keeps(m_keys.match(joined)) ||
            (holdsOneEntryPerApp &&
             keeps(m_keys.matchName(entry.name, isFile(entry), false, false)))) {
            search.found.paths.append(entry.path);
            continue;
        }
        if (!isOurVendor)
            continue;
        const ComponentWords words(entry.name);
        for (auto key = m_keys.keys().cbegin(); key != m_keys.keys().cend(); ++key) {
            if (key.key().size() >= minimumVendorKeyLength &&
                words.startsWithWords(ComponentWords::compact(key.key()))) {
                search.found.paths.append(entry.path);
                break;
            }
        }
    }
}

void LinuxLeftoverFinder::addHomeDotEntries(Search& search) const {
    for (const DirectoryEntry& entry : entriesOf(m_host.home, search)) {
        if (!entry.name.startsWith(u'.') || isBaseFolder(entry.path) ||
            m_host.config.startsWith(entry.path + u'/') ||
            m_host.data.startsWith(entry.path + u'/'))
            continue;
        if (keeps(m_keys.matchName(entry.name, isFile(entry), false, true)))
            search.found.paths.append(entry.path);
    }
}

void LinuxLeftoverFinder::addPackageFolders(Search& search) const {
    QStringList candidates{linuxapp::sandboxFolderOf(m_app, m_host.home)};
    if (m_app.kind == AppKind::flatpak && !candidates.first().isEmpty())
        candidates.append(pathrules::joinedInside(
            m_host.data + QStringLiteral("/flatpak/overrides"), m_app.linuxFacts.packageId));
    for (const QString& path : candidates) {
        if (!path.isEmpty() && m_fileSystem.exists(path))
            search.found.paths.append(path);
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
        if (sameId || launchesApp(entry->execArguments) || runsThisAppImage(*entry)) {
            search.found.paths.append(file.path);
            icons.append(entry->icon);
        }
    }
}

bool LinuxLeftoverFinder::runsThisAppImage(const DesktopEntry& entry) const {
    // An AppImage integration's launcher runs the AppImage file by its path.
    return m_app.kind == AppKind::appImage && !entry.execArguments.isEmpty() &&
           QDir::cleanPath(entry.execArguments.first()) == m_app.appURL.toLocalFile();
}

bool LinuxLeftoverFinder::launchesApp(const QStringList& commandLine) const {
    return keeps(m_keys.match(text::compactForm(linuxapp::programNameOf(commandLine))));
}

void LinuxLeftoverFinder::addLaunchers(const QString& folder, const QString& group,
                                       const QString& key, Search& search) const {
    for (const DirectoryEntry& file : entriesOf(folder, search)) {
        if (isFile(file) && launchesApp(readCommandLine(file.path, group, key)))
            search.found.paths.append(file.path);
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
    if (topName == below || keeps(m_keys.matchName(topName, false, false, false)))
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
        search.found.paths.append(install);
    for (const QString& folder : userProgramFolders()) {
        for (const DirectoryEntry& entry : entriesOf(folder, search)) {
            if (!entry.isSymbolicLink.value_or(false))
                continue;
            const QString resolved = m_fileSystem.resolvedPath(entry.path);
            if (resolved == install || resolved.startsWith(install + u'/'))
                search.found.paths.append(entry.path);
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
            search.found.paths.append(entry.path);
    });
}

} // namespace tidewell
