#pragma once

#include "LeftoverSearch.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "platform/ProgramRunner.h"

#include <memory>

namespace tidewell {

// A Linux application's leftovers by the rules of LinuxLeftoverFinder, weighed against the
// other installed apps. What a system package owns, and a link that leads out of the home,
// is never offered; the settings files and dconf folders that name the app are listed and
// left alone.
class LinuxLeftoverSearch final : public LeftoverSearch {
public:
    // programs answers for the package database and dconf.
    LinuxLeftoverSearch(Host host, const FileSystem& fileSystem,
                        std::shared_ptr<const ProgramRunner> programs);

    std::optional<FoundLeftovers> find(const AppDescriptor& app, bool useIndex,
                                       const Progress& progress,
                                       const CancellationToken& cancel) const override;

private:
    void dropUntouchable(QList<FoundItem>& items) const;

    Host m_host;
    const FileSystem& m_fileSystem;
    std::shared_ptr<const ProgramRunner> m_programs;
};

} // namespace tidewell
