#include "RealProgramRunner.h"

#include <QProcess>
#include <QStandardPaths>

namespace tidewell {

RealProgramRunner::RealProgramRunner(QStringList programPath)
    : m_programPath(std::move(programPath)) {}

std::optional<QByteArray> RealProgramRunner::outputOf(const Call& call) const {
    // An empty list of folders would make the search fall back to this process's PATH.
    const QString program = m_programPath.isEmpty()
                                ? QString()
                                : QStandardPaths::findExecutable(call.program, m_programPath);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, call.arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(call.timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        !call.acceptedExitCodes.contains(process.exitCode())) {
        process.kill();
        process.waitForFinished(-1);
        return std::nullopt;
    }
    QByteArray output = process.readAllStandardOutput();
    if (output.size() > call.maximumOutput)
        return std::nullopt;
    return output;
}

} // namespace tidewell
