#include "LinuxLeftoverFinder.h"

#include "ComponentWords.h"
#include "FolderEntry.h"
#include "MatchNeedles.h"
#include "model/LinuxAppIdentity.h"
#include "model/PathRules.h"
#include "model/TextRules.h"
#include "platform/DconfDatabase.h"
#include "platform/DesktopEntry.h"
#include "platform/SmallFileReading.h"

#include <QDir>
#include <QDirIterator>

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
                                         const QList<AppDescriptor>& installed,
                                         LinuxHomeFolders folders)
    : m_app(app), m_keys(LinuxAppKeys::of(app)), m_folders(std::move(folders)) {
    for (const AppDescriptor& other : installed) {
        if (lowered(other.bundleIdentifier) == lowered(app.bundleIdentifier))
            continue;
        m_rivalIdentityKeys.unite(LinuxAppKeys::of(other).identityKeys());
        m_iconIsShared = m_iconIsShared || other.iconName == app.iconName;
    }
    m_rivalIdentityKeys.subtract(m_keys.identityKeys());
}

QStringList LinuxLeftoverFinder::find() const {
    QStringList found;
    addXdgEntries(m_folders.config, true, found);
    addXdgEntries(m_folders.data, false, found);
    addXdgEntries(m_folders.cache, false, found);
    addXdgEntries(m_folders.state, true, found);
    addHomeDotEntries(found);
    addPackageFolders(found);
    QStringList launcherIcons;
    addDesktopEntries(m_folders.data + QStringLiteral("/applications"), found, launcherIcons);
    addDesktopEntries(m_folders.config + QStringLiteral("/autostart"), found, launcherIcons);
    addLaunchers(m_folders.config + QStringLiteral("/systemd/user"), QStringLiteral("Service"),
                 QStringLiteral("ExecStart"), found);
    addLaunchers(m_folders.data + QStringLiteral("/dbus-1/services"),
                 QStringLiteral("D-BUS Service"), QStringLiteral("Exec"), found);
    addIcons(launcherIcons, found);
    addUserPrograms(found);
    found.removeDuplicates();
    return found;
}

QStringList LinuxLeftoverFinder::settingsNamingApp() const {
    const QString entryName = m_app.desktopFileId + QStringLiteral(".desktop");
    QStringList files;
    for (const QString& path : {m_folders.config + QStringLiteral("/mimeapps.list"),
                                m_folders.data + QStringLiteral("/applications/mimeapps.list")}) {
        const std::optional<QByteArray> bytes = m_app.desktopFileId.isEmpty()
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

QStringList LinuxLeftoverFinder::dconfFoldersOfApp() const {
    const QStringList ids{m_app.packageId, m_app.desktopFileId, m_app.appStreamId};
    // Spare the dconf tool's start when no id could name a folder.
    if (std::all_of(ids.cbegin(), ids.cend(),
                    [](const QString& id) { return dconf::folderNamedBy(id).isEmpty(); }))
        return {};
    return dconf::foldersNamedBy(dconf::foldersWithKeys(), ids);
}

bool LinuxLeftoverFinder::keeps(const std::optional<KeyMatch>& match) const {
    return match && (match->tier < weakTier || !m_rivalIdentityKeys.contains(match->key));
}

bool LinuxLeftoverFinder::isBaseFolder(const QString& path) const {
    return path == m_folders.config || path == m_folders.data || path == m_folders.cache ||
           path == m_folders.state || path == m_folders.home;
}

void LinuxLeftoverFinder::addXdgEntries(const QString& base, bool allowRc,
                                        QStringList& found) const {
    for (const FolderEntry& entry : FolderEntry::listed(base)) {
        if (isBaseFolder(entry.path))
            continue;
        if (keeps(m_keys.matchName(entry.name, entry.isFile, allowRc, false)))
            found.append(entry.path);
        else if (!entry.isFile)
            addVendorEntries(entry, found);
    }
}

void LinuxLeftoverFinder::addVendorEntries(const FolderEntry& folder, QStringList& found) const {
    const QString vendorCompact = text::compactForm(folder.name);
    const bool isOurVendor =
        ComponentWords::compact(folder.name) ==
        MatchNeedles::vendorOf(
            lowered(m_app.packageId.isEmpty() ? m_app.desktopFileId : m_app.packageId));
    const bool holdsOneEntryPerApp = isPerApplicationFolder(folder.name);
    for (const FolderEntry& entry : FolderEntry::listed(folder.path)) {
        const QString joined = vendorCompact + text::compactForm(entry.name);
        if (keeps(m_keys.match(joined)) ||
            (holdsOneEntryPerApp &&
             keeps(m_keys.matchName(entry.name, entry.isFile, false, false)))) {
            found.append(entry.path);
            continue;
        }
        if (!isOurVendor)
            continue;
        const ComponentWords words(entry.name);
        for (auto key = m_keys.keys().cbegin(); key != m_keys.keys().cend(); ++key) {
            if (key.key().size() >= minimumVendorKeyLength &&
                words.startsWithWords(ComponentWords::compact(key.key()))) {
                found.append(entry.path);
                break;
            }
        }
    }
}

void LinuxLeftoverFinder::addHomeDotEntries(QStringList& found) const {
    for (const FolderEntry& entry : FolderEntry::listed(m_folders.home)) {
        if (!entry.name.startsWith(u'.') || isBaseFolder(entry.path) ||
            m_folders.config.startsWith(entry.path + u'/') ||
            m_folders.data.startsWith(entry.path + u'/'))
            continue;
        if (keeps(m_keys.matchName(entry.name, entry.isFile, false, true)))
            found.append(entry.path);
    }
}

void LinuxLeftoverFinder::addPackageFolders(QStringList& found) const {
    QStringList candidates{linuxapp::sandboxFolderOf(m_app, m_folders.home)};
    if (m_app.kind == AppKind::flatpak && !candidates.first().isEmpty())
        candidates.append(pathrules::joinedInside(
            m_folders.data + QStringLiteral("/flatpak/overrides"), m_app.packageId));
    for (const QString& path : candidates) {
        if (!path.isEmpty() && QFileInfo::exists(path))
            found.append(path);
    }
}

void LinuxLeftoverFinder::addDesktopEntries(const QString& folder, QStringList& found,
                                            QStringList& icons) const {
    for (const FolderEntry& file : FolderEntry::listed(folder)) {
        if (!file.isFile || !file.name.endsWith(QStringLiteral(".desktop")))
            continue;
        const std::optional<DesktopEntry> entry = readDesktopEntry(file.path);
        if (!entry)
            continue;
        const AppDescriptor other = linuxapp::describe(*entry);
        const bool sameId = lowered(other.bundleIdentifier) == lowered(m_app.bundleIdentifier) ||
                            (!m_app.packageId.isEmpty() &&
                             lowered(other.desktopFileId) == lowered(m_app.packageId));
        if (sameId || launchesApp(entry->execArguments) || runsThisAppImage(*entry)) {
            found.append(file.path);
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
                                       const QString& key, QStringList& found) const {
    for (const FolderEntry& file : FolderEntry::listed(folder)) {
        if (file.isFile && launchesApp(readCommandLine(file.path, group, key)))
            found.append(file.path);
    }
}

QStringList LinuxLeftoverFinder::userProgramFolders() const {
    return {m_folders.home + QStringLiteral("/Applications"),
            m_folders.home + QStringLiteral("/.local/bin")};
}

QString LinuxLeftoverFinder::launchedProgramFile() const {
    const QString& program = m_app.programPath;
    if (QDir::isAbsolutePath(program))
        return QDir::cleanPath(program);
    if (program.isEmpty() || program.contains(u'/'))
        return {};
    const QString inLocalBin = userProgramFolders().last() + u'/' + program;
    return QFileInfo::exists(inLocalBin) ? inLocalBin : QString();
}

QString LinuxLeftoverFinder::userInstallHolding(const QString& canonicalProgram) const {
    const QString applications = QFileInfo(userProgramFolders().first()).canonicalFilePath();
    const QString localBin = QFileInfo(userProgramFolders().last()).canonicalFilePath();
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

void LinuxLeftoverFinder::addUserPrograms(QStringList& found) const {
    const QFileInfo program(QFileInfo(launchedProgramFile()).canonicalFilePath());
    // Only a file is a program: an Exec that names a folder ("Exec=~/src") claims nothing.
    if (!program.isFile())
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
    if (install != QFileInfo(m_app.appURL.toLocalFile()).canonicalFilePath())
        found.append(install);
    for (const QString& folder : userProgramFolders()) {
        for (const FolderEntry& entry : FolderEntry::listed(folder)) {
            const QString resolved = QFileInfo(entry.path).canonicalFilePath();
            if (entry.isLink && (resolved == install || resolved.startsWith(install + u'/')))
                found.append(entry.path);
        }
    }
}

void LinuxLeftoverFinder::addIcons(const QStringList& launcherIcons, QStringList& found) const {
    QSet<QString> names;
    if (!m_app.iconName.isEmpty() && !m_iconIsShared)
        names.insert(m_app.iconName);
    // The AppImage integration names each launcher's icon after the AppImage's own hash.
    for (const QString& icon : launcherIcons) {
        if (icon.startsWith(QStringLiteral("appimagekit_")) && !icon.contains(u'/'))
            names.insert(icon);
    }
    if (names.isEmpty())
        return;
    static const QStringList iconExtensions{QStringLiteral("png"), QStringLiteral("svg"),
                                            QStringLiteral("xpm")};
    QDirIterator icons(m_folders.data + QStringLiteral("/icons"), QDir::Files,
                       QDirIterator::Subdirectories);
    while (icons.hasNext()) {
        const QFileInfo icon(icons.next());
        if (names.contains(icon.completeBaseName()) && iconExtensions.contains(icon.suffix()))
            found.append(icon.absoluteFilePath());
    }
}

} // namespace tidewell
