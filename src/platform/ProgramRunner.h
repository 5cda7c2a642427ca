#pragma once

#include "ToolRun.h"

#include <QByteArray>

#include <optional>

namespace tidewell {

// The programs Tidewell asks about the host (dpkg-query, dconf, unsquashfs), behind one seam
// that tests answer from a table. Safe to call from several threads at once.
class ProgramRunner {
public:
    virtual ~ProgramRunner() = default;

    // The standard output of run, as outputOf(ToolRun) reads it, its program a name looked up
    // on the host's program path; nothing when the program is not found there.
    virtual std::optional<QByteArray> outputOf(const ToolRun& run) const = 0;
};

} // namespace tidewell
