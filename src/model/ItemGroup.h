#pragma once

#include "AppDescriptor.h"
#include "ScanCategory.h"
#include "ScannedFile.h"

#include <QList>
#include <QString>

#include <optional>

namespace tidewell {

// What a Linux application's leftover is to its user: finer than its category, which stays
// what listings and JSON say. A bundle's leftovers are named by their category.
enum class ItemGroup {
    appData,
    settings,
    cache,
    logsAndState,
    launchersAndIcons,
    autostart,
    appItself,
};

// Every group in the order the window lists them.
const QList<ItemGroup>& allItemGroups();
// The group's key: "appData", "settings", "cache", ...
QString rawValue(ItemGroup group);
// The group's name in the user's language.
QString displayName(ItemGroup group);

// The app's own file or folder where the user put it: a bundle, an AppImage, the folder of a
// program outside the system's folders (the program itself in a "bin" folder); nothing for an
// app a package manager installed.
std::optional<QString> appItselfPath(const AppDescriptor& app);

// The group of app's leftover at path, found in category: its launchers, icons and autostart
// entries by the folders the desktop reads them from; the app itself by its program or
// AppImage; the rest by category.
ItemGroup linuxItemGroup(const QString& path, ScanCategory category, const AppDescriptor& app);

// What a file is called in the window: its group for a Linux application, else its category.
QString itemKindName(const ScannedFile& file, const AppDescriptor& app);

// How many items of one group a list of leftovers holds, and their bytes.
struct ItemGroupTotal {
    ItemGroup group = ItemGroup::appData;
    qint64 itemCount = 0;
    qint64 totalBytes = 0;
    bool sizeComplete = true; // every item of the group was sized whole
};

// The groups that files of app fill, in the order of allItemGroups().
QList<ItemGroupTotal> itemGroupTotals(const QList<ScannedFile>& files, const AppDescriptor& app);

} // namespace tidewell
