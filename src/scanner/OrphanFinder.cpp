#include "OrphanFinder.h"

#include "EntryTargets.h"
#include "model/LinuxAppIdentity.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace tidewell {

namespace {

QString joined(const QString& folder, const QString& name) {
    return folder + u'/' + name;
}

// The program a command line starts, looking through "env [-options] [VAR=value]...".
QString programOf(const QStringList& arguments) {
    qsizetype index = 0;
    if (!arguments.isEmpty() && QFileInfo(arguments.first()).fileName() == u"env") {
        ++index;
        while (index < arguments.size() &&
               (arguments[index].startsWith(u'-') || arguments[index].contains(u'=')))
            ++index;
    }
    return arguments.value(index);
}

bool isFlatpakLaunch(const QStringList& arguments) {
    return QFileInfo(programOf(arguments)).fileName() == u"flatpak" &&
           arguments.contains(QStringLiteral("run"));
}

bool isAppImage(const QString& program, const DesktopEntry& entry) {
    return linuxapp::isAppImagePath(program) || linuxapp::kindOf(entry) == AppKind::appImage;
}

} // namespace

OrphanFinder::OrphanFinder(Host host, AppCatalogue installed, const FileSystem& fileSystem)
    : m_host(std::move(host)), m_installed(std::move(installed)), m_fileSystem(fileSystem) {}

QList<Orphan> OrphanFinder::find() const {
    QList<Orphan> found;
    addFlatpakData(found);
    addSnapData(found);
    QList<Orphan> launchers;
    addDesktopEntries(m_host.data + QStringLiteral("/applications"), launchers);
    addDesktopEntries(m_host.config + QStringLiteral("/autostart"), launchers);
    addAppImageIcons(launchers, found);
    found.append(launchers);
    std::sort(found.begin(), found.end(),
              [](const Orphan& a, const Orphan& b) { return a.path < b.path; });
    return found;
}

void OrphanFinder::addFlatpakData(QList<Orphan>& found) const {
    QSet<QString> removed;
    const QString sandboxes = linuxapp::flatpakDataFolderIn(m_host.home);
    for (const QString& id : childNames(sandboxes, EntryKind::folders)) {
        if (!m_installed.hasFlatpak(id)) {
            found.append({joined(sandboxes, id), OrphanCause::flatpakNotInstalled, id});
            removed.insert(id);
        }
    }
    const QString overrides = m_host.data + QStringLiteral("/flatpak/overrides");
    for (const QString& id : childNames(overrides, EntryKind::files)) {
        if (id != u"global" && !m_installed.hasFlatpak(id)) {
            found.append({joined(overrides, id), OrphanCause::flatpakNotInstalled, id});
            removed.insert(id);
        }
    }
    // A removed Flatpak's own folders outside its sandbox, by its exact id only.
    for (const QString& base : {m_host.config, m_host.data, m_host.cache, m_host.state}) {
        for (const QString& id : removed) {
            const QString path = joined(base, id);
            const std::optional<ResourceValues> values = m_fileSystem.resourceValues(path);
            if (values && !values->isSymbolicLink)
                found.append({path, OrphanCause::flatpakNotInstalled, id});
        }
    }
}

void OrphanFinder::addSnapData(QList<Orphan>& found) const {
    const QString snaps = linuxapp::snapDataFolderIn(m_host.home);
    for (const QString& name : childNames(snaps, EntryKind::folders)) {
        if (!m_installed.hasSnap(name))
            found.append({joined(snaps, name), OrphanCause::snapNotInstalled, name});
    }
}

void OrphanFinder::addDesktopEntries(const QString& folder, QList<Orphan>& found) const {
    for (const QString& name : childNames(folder, EntryKind::files)) {
        if (!name.endsWith(QStringLiteral(".desktop")))
            continue;
        if (const auto orphan = orphanedEntry(joined(folder, name)))
            found.append(*orphan);
    }
}

std::optional<Orphan> OrphanFinder::orphanedEntry(const QString& path) const {
    // An entry that cannot be read, or that hides a system entry on purpose, is the user's
    // choice and never an orphan.
    const std::optional<DesktopEntry> entry = readDesktopEntry(path);
    if (!entry || entry->hidden || entry->execArguments.isEmpty())
        return std::nullopt;
    const QStringList& arguments = entry->execArguments;
    if (!entry->flatpakId.isEmpty() || isFlatpakLaunch(arguments)) {
        const QString id =
            entry->flatpakId.isEmpty() ? linuxapp::programNameOf(arguments) : entry->flatpakId;
        if (m_installed.hasFlatpak(id))
            return std::nullopt;
        return Orphan{path, OrphanCause::flatpakNotInstalled, id};
    }
    if (!entry->snapName.isEmpty()) {
        if (m_installed.hasSnap(entry->snapName))
            return std::nullopt;
        return Orphan{path, OrphanCause::snapNotInstalled, entry->snapName};
    }
    const QString program = programOf(arguments);
    if (programExists(program))
        return std::nullopt;
    return Orphan{
        path, isAppImage(program, *entry) ? OrphanCause::appImageGone : OrphanCause::programGone,
        program};
}

bool OrphanFinder::programExists(const QString& program) const {
    if (QDir::isAbsolutePath(program))
        return m_fileSystem.exists(program);
    // A relative path depends on a working folder nobody knows: never call it gone.
    if (program.isEmpty() || program.contains(u'/'))
        return true;
    // Never an empty list of folders: the search would fall back to this process's PATH.
    const QStringList folders =
        m_host.programPath + QStringList{m_host.home + QStringLiteral("/.local/bin")};
    return !QStandardPaths::findExecutable(program, folders).isEmpty();
}

void OrphanFinder::addAppImageIcons(const QList<Orphan>& launchers, QList<Orphan>& found) const {
    // Each hash an integration gave a launcher: its AppImage when the launcher is orphaned.
    QSet<QString> liveHashes;
    QHash<QString, QString> goneAppImages;
    const QString applications = m_host.data + QStringLiteral("/applications");
    for (const QString& name : childNames(applications, EntryKind::files)) {
        const QString hash = linuxapp::appImageIntegrationHashOf(name);
        const auto launcher =
            std::find_if(launchers.begin(), launchers.end(),
                         [&](const Orphan& o) { return o.path == joined(applications, name); });
        if (hash.isEmpty())
            continue;
        if (launcher == launchers.end())
            liveHashes.insert(hash);
        else
            goneAppImages.insert(hash, launcher->subject);
    }
    m_fileSystem.walkTree(m_host.data + QStringLiteral("/icons"), [&](const TreeEntry& entry) {
        const QString hash = linuxapp::appImageIntegrationHashOf(QFileInfo(entry.path).fileName());
        if (entry.values.isDirectory || hash.isEmpty() || liveHashes.contains(hash))
            return;
        found.append({entry.path, OrphanCause::appImageGone,
                      goneAppImages.value(hash, QStringLiteral("appimagekit_") + hash)});
    });
}

QStringList OrphanFinder::childNames(const QString& folder, EntryKind kind) const {
    // A link counts as what it leads to; a dangling one as neither.
    QStringList names;
    for (const DirectoryEntry& entry :
         m_fileSystem.listDirectory(folder, HiddenEntries::included).entries) {
        const bool isFolder = leadsToFolder(entry, m_fileSystem);
        const bool dangles =
            entry.isSymbolicLink.value_or(false) && !m_fileSystem.exists(entry.path);
        if (isFolder == (kind == EntryKind::folders) && !dangles)
            names.append(entry.name);
    }
    return names;
}

} // namespace tidewell
