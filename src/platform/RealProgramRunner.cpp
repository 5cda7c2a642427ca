#include "RealProgramRunner.h"

#include <QStandardPaths>

namespace tidewell {

RealProgramRunner::RealProgramRunner(QStringList programPath)
    : m_programPath(std::move(programPath)) {}

std::optional<QByteArray> RealProgramRunner::outputOf(const ToolRun& run) const {
    // An empty list of folders would make the search fall back to this process's PATH.
    if (m_programPath.isEmpty())
        return std::nullopt;
    ToolRun found = run;
    found.program = QStandardPaths::findExecutable(run.program, m_programPath);
    if (found.program.isEmpty())
        return std::nullopt;
    return tidewell::outputOf(found);
}

} // namespace tidewell
