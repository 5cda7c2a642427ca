#include "RemovedPackages.h"

#include "model/LinuxAppIdentity.h"
#include "model/TextRules.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

namespace tidewell {

namespace {

// More programs than this make a package a toolbox rather than an application.
constexpr qsizetype maximumProgramsOfAnApp = 3;

const QStringList programFolders{QStringLiteral("/usr/bin"), QStringLiteral("/usr/games"),
                                 QStringLiteral("/bin")};

// The id a metainfo file is named for ("org.xfce.mousepad" of org.xfce.mousepad.appdata.xml).
QString metainfoIdOf(const QString& fileName) {
    for (const QString& suffix :
         {QStringLiteral(".metainfo.xml"), QStringLiteral(".appdata.xml")}) {
        if (fileName.endsWith(suffix))
            return fileName.chopped(suffix.size());
    }
    return {};
}

QString withoutDesktopSuffix(const QString& id) {
    return id.endsWith(QStringLiteral(".desktop")) ? id.chopped(8) : id;
}

std::optional<debian::PackageState> stateIn(const std::optional<debian::PackageStates>& states,
                                            const QString& package) {
    if (!states || !states->packages.contains(package))
        return std::nullopt;
    return states->packages.value(package);
}

void appendNew(QStringList& list, const QStringList& names) {
    for (const QString& name : names) {
        if (!name.isEmpty() && !list.contains(name))
            list.append(name);
    }
}

} // namespace

QList<RemovedPackage> removedPackages(const std::optional<debian::PackageStates>& states,
                                      const QList<apt::PackageEvent>& history) {
    using debian::PackageState;
    QHash<QString, apt::PackageEvent> lastEvents;
    for (const apt::PackageEvent& event : history)
        lastEvents.insert(event.package, event);
    QMap<QString, RemovedPackage> removed;
    if (states) {
        for (auto package = states->packages.cbegin(); package != states->packages.cend();
             ++package) {
            if (package.value() != PackageState::configFiles)
                continue;
            const apt::PackageEvent last = lastEvents.value(package.key());
            const bool recorded = last.action != apt::PackageAction::installed;
            removed.insert(package.key(),
                           {package.key(), false, recorded ? last.when : QDateTime()});
        }
    }
    for (const apt::PackageEvent& event : std::as_const(lastEvents)) {
        if (event.action == apt::PackageAction::installed || removed.contains(event.package))
            continue;
        if (stateIn(states, event.package) == PackageState::installed)
            continue;
        // Removed, and dpkg keeps nothing of it: its configuration files went too.
        const bool purged = states.has_value() || event.action == apt::PackageAction::purged;
        removed.insert(event.package, {event.package, purged, event.when});
    }
    return removed.values();
}

PackageNames PackageNames::inFiles(const QStringList& paths) {
    PackageNames names;
    QStringList programs;
    QStringList icons;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        const QString folder = file.path();
        const QString folderName = file.dir().dirName();
        if ((folderName == u"applications" || folderName == u"autostart") &&
            path.endsWith(QStringLiteral(".desktop")))
            appendNew(names.desktopIds, {file.completeBaseName()});
        else if (folderName == u"metainfo" || folderName == u"appdata")
            appendNew(names.appStreamIds, {metainfoIdOf(file.fileName())});
        else if (programFolders.contains(folder))
            appendNew(programs, {file.fileName()});
        else if (path.startsWith(QStringLiteral("/usr/share/icons/")) ||
                 path.startsWith(QStringLiteral("/usr/share/pixmaps/")))
            appendNew(icons, {file.completeBaseName()});
    }
    if (programs.size() <= maximumProgramsOfAnApp)
        names.programs = programs;
    if (icons.size() <= maximumProgramsOfAnApp)
        names.icons = icons;
    return names;
}

void PackageNames::add(const appstream::CatalogEntry& entry) {
    if (displayName.isEmpty())
        displayName = entry.name;
    appendNew(appStreamIds, {withoutDesktopSuffix(entry.id)});
    appendNew(desktopIds, entry.desktopIds);
    appendNew(programs, entry.binaries);
    appendNew(icons, {entry.icon});
}

void PackageNames::add(const PackageNames& other) {
    if (displayName.isEmpty())
        displayName = other.displayName;
    appendNew(desktopIds, other.desktopIds);
    appendNew(appStreamIds, other.appStreamIds);
    appendNew(programs, other.programs);
    appendNew(icons, other.icons);
}

QStringList PackageNames::all(const QString& package) const {
    return QStringList{package} + desktopIds + appStreamIds + programs + icons;
}

AppDescriptor describeRemovedPackage(const QString& package, const PackageNames& names) {
    DesktopEntry entry;
    entry.desktopFileId = names.desktopIds.value(0);
    entry.appStreamId = names.appStreamIds.value(0);
    entry.name = names.displayName.isEmpty() ? package : names.displayName;
    if (!names.programs.isEmpty())
        entry.execArguments = {names.programs.first()};
    entry.icon = names.icons.value(0);
    AppDescriptor app = linuxapp::describe(entry);
    app.linuxFacts.packageId = package;
    app.identifier = package;
    app.normalizedIdentifier = text::lowercased(package);
    for (const QString& name : names.desktopIds.mid(1) + names.appStreamIds.mid(1) +
                                   names.programs.mid(1) + names.icons.mid(1)) {
        for (const QString& token : {name, linuxapp::reverseDnsTailOf(name)}) {
            const QString lowered = text::lowercased(token);
            if (!lowered.isEmpty() && !app.linuxFacts.rankedTokens.contains(lowered))
                app.linuxFacts.rankedTokens.append(lowered);
        }
    }
    app.searchTokens =
        QSet<QString>(app.linuxFacts.rankedTokens.cbegin(), app.linuxFacts.rankedTokens.cend());
    return app;
}

QSet<QString> namesClaimedByPackages(const debian::PackageStates& states) {
    QSet<QString> claimed;
    for (auto package = states.packages.cbegin(); package != states.packages.cend(); ++package) {
        if (package.value() != debian::PackageState::installed)
            continue;
        claimed.insert(text::compactForm(package.key()));
        claimed.insert(text::compactForm(package.key().section(u'-', 0, 0)));
    }
    return claimed;
}

} // namespace tidewell
