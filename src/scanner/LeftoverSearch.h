#pragma once

#include "CancellationToken.h"
#include "FoundItem.h"
#include "LeftAloneItem.h"
#include "model/AppDescriptor.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace tidewell {

// What a search met for one app, before its items are built.
struct FoundLeftovers {
    // At standardized paths, each with its evidence; some may be gone since, or have names that
    // are not valid UTF-8.
    QList<FoundItem> items;
    // Folders that refused to be listed: they may hold more leftovers.
    QStringList unreadable;
    // What the search met and leaves alone for a reason of its own kind (shared settings
    // files, dconf folders).
    QList<LeftAloneItem> leftAlone;
    // The folders searched; every path lies inside one.
    QStringList searchedFolders;
};

// Finds the leftovers of one kind of app. The scan service runs it on its own thread and
// builds, sizes and orders the items it finds.
class LeftoverSearch {
public:
    // How far the search is: the folders searched so far out of all.
    using Progress = std::function<void(int done, int total)>;

    virtual ~LeftoverSearch() = default;

    // useIndex: ask the metadata index too, where the kind has one. Nothing once cancel
    // answers yes: it is asked between folders.
    virtual std::optional<FoundLeftovers> find(const AppDescriptor& app, bool useIndex,
                                               const Progress& progress,
                                               const CancellationToken& cancel) const = 0;
};

} // namespace tidewell
