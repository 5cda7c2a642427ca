#pragma once

#include "CancellationToken.h"
#include "RemovedApp.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "platform/ProgramRunner.h"

#include <QThreadPool>

namespace tidewell {

// Every application of the host that is gone, of every kind, with what it left in the user's
// folders and the size of each item: removed Debian packages (DebianOrphanFinder), app bundles
// (BundleOrphanFinder), Flatpaks, snaps, AppImages and launchers whose program is gone
// (OrphanFinder). A path goes with the first app that lists it, in that order, and an item
// inside another's is left out. Sorted by name; cancel is asked between the kinds.
OrphanReport findRemovedApps(const Host& host, const ProgramRunner& programs,
                             const FileSystem& fileSystem, QThreadPool& pool,
                             const CancellationToken& cancel = {});

} // namespace tidewell
