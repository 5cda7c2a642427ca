#include "ItemGroup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tidewell {

namespace {

bool isAtOrAbove(const QString& path, const QString& target) {
    return !target.isEmpty() && (target == path || target.startsWith(path + u'/'));
}

// The folders the desktop finds launchers and icons in, and the user's program links.
bool isLauncherOrIcon(const QString& path) {
    static const QStringList folders{QStringLiteral("/applications/"), QStringLiteral("/icons/"),
                                     QStringLiteral("/pixmaps/"), QStringLiteral("/.local/bin/"),
                                     QStringLiteral("/exports/")};
    return std::any_of(folders.begin(), folders.end(),
                       [&path](const QString& folder) { return path.contains(folder); });
}

bool isInSystemFolder(const QString& path) {
    static const QStringList folders{QStringLiteral("/usr/"),  QStringLiteral("/bin/"),
                                     QStringLiteral("/sbin/"), QStringLiteral("/lib"),
                                     QStringLiteral("/snap/"), QStringLiteral("/var/"),
                                     QStringLiteral("/app/")};
    return std::any_of(folders.begin(), folders.end(),
                       [&path](const QString& folder) { return path.startsWith(folder); });
}

bool isAppItself(const QString& path, const AppDescriptor& app) {
    const std::optional<QString> itself = appItselfPath(app);
    if (itself && isAtOrAbove(path, *itself))
        return true;
    // A Flatpak installed for the user: ~/.local/share/flatpak/app/<id>.
    return app.kind == AppKind::flatpak && !app.linuxFacts.packageId.isEmpty() &&
           path.endsWith(QStringLiteral("/flatpak/app/") + app.linuxFacts.packageId);
}

ItemGroup groupOfCategory(const QString& path, ScanCategory category) {
    switch (category) {
    case ScanCategory::preferences:
        return ItemGroup::settings;
    case ScanCategory::caches:
        return ItemGroup::cache;
    case ScanCategory::logs:
        return ItemGroup::logsAndState;
    case ScanCategory::applicationSupport:
    case ScanCategory::other:
        break;
    }
    return path.contains(u"/.local/state/") ? ItemGroup::logsAndState : ItemGroup::appData;
}

const char* englishName(ItemGroup group) {
    switch (group) {
    case ItemGroup::appData:
        return QT_TRANSLATE_NOOP("ItemGroup", "App data");
    case ItemGroup::settings:
        return QT_TRANSLATE_NOOP("ItemGroup", "Settings");
    case ItemGroup::cache:
        return QT_TRANSLATE_NOOP("ItemGroup", "Cache");
    case ItemGroup::logsAndState:
        return QT_TRANSLATE_NOOP("ItemGroup", "Logs and state");
    case ItemGroup::launchersAndIcons:
        return QT_TRANSLATE_NOOP("ItemGroup", "Launchers and icons");
    case ItemGroup::autostart:
        return QT_TRANSLATE_NOOP("ItemGroup", "Autostart");
    case ItemGroup::appItself:
        break;
    }
    return QT_TRANSLATE_NOOP("ItemGroup", "The app itself");
}

} // namespace

const QList<ItemGroup>& allItemGroups() {
    static const QList<ItemGroup> groups{
        ItemGroup::appData,      ItemGroup::settings,          ItemGroup::cache,
        ItemGroup::logsAndState, ItemGroup::launchersAndIcons, ItemGroup::autostart,
        ItemGroup::appItself};
    return groups;
}

QString rawValue(ItemGroup group) {
    static const QStringList keys{QStringLiteral("appData"),
                                  QStringLiteral("settings"),
                                  QStringLiteral("cache"),
                                  QStringLiteral("logsAndState"),
                                  QStringLiteral("launchersAndIcons"),
                                  QStringLiteral("autostart"),
                                  QStringLiteral("appItself")};
    return keys.at(allItemGroups().indexOf(group));
}

QString displayName(ItemGroup group) {
    return QCoreApplication::translate("ItemGroup", englishName(group));
}

std::optional<QString> appItselfPath(const AppDescriptor& app) {
    if (app.kind == AppKind::bundle || app.kind == AppKind::appImage)
        return QDir::cleanPath(app.appURL.toLocalFile());
    const QString program = QDir::cleanPath(app.linuxFacts.programPath);
    if (app.kind != AppKind::desktopEntry || !QDir::isAbsolutePath(app.linuxFacts.programPath) ||
        isInSystemFolder(program))
        return std::nullopt;
    const QFileInfo file(program);
    return file.dir().dirName() == u"bin" ? program : file.path();
}

ItemGroup linuxItemGroup(const QString& path, ScanCategory category, const AppDescriptor& app) {
    if (isAppItself(path, app))
        return ItemGroup::appItself;
    if (path.contains(u"/autostart/"))
        return ItemGroup::autostart;
    if (isLauncherOrIcon(path))
        return ItemGroup::launchersAndIcons;
    return groupOfCategory(path, category);
}

QString itemKindName(const ScannedFile& file, const AppDescriptor& app) {
    if (app.kind == AppKind::bundle)
        return displayName(file.category);
    return displayName(linuxItemGroup(file.id, file.category, app));
}

QList<ItemGroupTotal> itemGroupTotals(const QList<ScannedFile>& files, const AppDescriptor& app) {
    QList<ItemGroupTotal> totals;
    for (const ItemGroup group : allItemGroups())
        totals.append({group});
    for (const ScannedFile& file : files) {
        ItemGroupTotal& entry =
            totals[allItemGroups().indexOf(linuxItemGroup(file.id, file.category, app))];
        entry.itemCount += 1;
        entry.totalBytes += file.sizeInBytes;
        entry.sizeComplete = entry.sizeComplete && file.sizeComplete;
    }
    totals.removeIf([](const ItemGroupTotal& total) { return total.itemCount == 0; });
    return totals;
}

} // namespace tidewell
