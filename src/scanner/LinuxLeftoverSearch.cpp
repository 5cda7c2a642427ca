#include "LinuxLeftoverSearch.h"

#include "AppCatalogue.h"
#include "LinuxLeftoverFinder.h"
#include "PathNames.h"
#include "ScanReportOrdering.h"
#include "model/PathRules.h"
#include "platform/DebianPackages.h"

#include <QDir>
#include <QFileInfo>

namespace tidewell {

LinuxLeftoverSearch::LinuxLeftoverSearch(Host host, const FileSystem& fileSystem,
                                         std::shared_ptr<const ProgramRunner> programs)
    : m_host(std::move(host)), m_fileSystem(fileSystem), m_programs(std::move(programs)) {}

std::optional<FoundLeftovers> LinuxLeftoverSearch::find(const AppDescriptor& app, bool,
                                                        const Progress& progress,
                                                        const CancellationToken& cancel) const {
    if (progress)
        progress(0, 1);
    const LinuxLeftoverFinder finder(
        app, AppCatalogue::readLinuxApps(m_host, m_fileSystem, cancel).apps(), m_host,
        m_fileSystem);
    const LinuxLeftovers leftovers = finder.find(cancel);
    if (cancel.isCancelled())
        return std::nullopt;
    QList<FoundItem> found;
    for (const FoundItem& item : leftovers.items)
        found.append({pathnames::standardized(item.path), item.evidence});
    dropUntouchable(found);
    QSet<QString> unreadable;
    for (const QString& path : leftovers.unreadable)
        unreadable.insert(pathnames::standardized(path));
    if (progress)
        progress(1, 1);
    // A Linux app's leftovers lie anywhere in the home folder; its standard folders stay
    // protected by the removal itself.
    return FoundLeftovers{
        found,
        sortedByCodePoint(unreadable),
        leftAloneItems(finder.settingsNamingApp(), LeftAloneReason::sharedSettingsFile) +
            leftAloneItems(finder.dconfFoldersOfApp(*m_programs), LeftAloneReason::dconfFolder),
        {pathnames::standardized(m_host.home)}};
}

// What a Linux scan never offers, whatever names it: a path a system package owns, and a link
// that leads out of the home folder.
void LinuxLeftoverSearch::dropUntouchable(QList<FoundItem>& items) const {
    const QString home = pathnames::standardized(m_host.home);
    QStringList paths;
    for (const FoundItem& item : std::as_const(items))
        paths.append(item.path);
    const QHash<QString, QString> packaged = debian::packagesOwning(paths, m_host, *m_programs);
    items.removeIf([&](const FoundItem& item) {
        const QFileInfo info(item.path);
        return packaged.contains(item.path) ||
               (info.isSymLink() &&
                !pathrules::liesInside(QDir::cleanPath(info.symLinkTarget()), home));
    });
}

} // namespace tidewell
