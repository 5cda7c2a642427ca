#pragma once

#include "ProgramRunner.h"

namespace tidewell {

// Runs the host's own programs, looked up on its program path only (never on this process's
// PATH); a program that is not there is not found. Their standard error is discarded.
class RealProgramRunner final : public ProgramRunner {
public:
    explicit RealProgramRunner(QStringList programPath);

    std::optional<QByteArray> outputOf(const ToolRun& run) const override;

private:
    QStringList m_programPath;
};

} // namespace tidewell
