#include "ToolRun.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <limits>

namespace tidewell {

namespace {

// A program given up on is killed and reaped: none outlives the run that started it.
std::nullopt_t stop(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(-1);
    }
    return std::nullopt;
}

int remainingMs(const QDeadlineTimer& deadline) {
    return int(qMin<qint64>(deadline.remainingTime(), std::numeric_limits<int>::max()));
}

} // namespace

std::optional<QByteArray> outputOf(const ToolRun& run) {
    const QDeadlineTimer deadline(run.timeoutMs);
    QProcess process;
    process.setProcessEnvironment(run.environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(run.program, run.arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(remainingMs(deadline)))
        return stop(process);
    QByteArray output;
    for (;;) {
        // Once the program has finished, all it wrote is in the read buffer.
        const bool finished = process.state() == QProcess::NotRunning;
        output += process.read(run.maximumOutput + 1 - output.size());
        if (output.size() > run.maximumOutput)
            return stop(process);
        if (finished)
            break;
        if (deadline.hasExpired())
            return stop(process);
        process.waitForReadyRead(remainingMs(deadline));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return output;
}

} // namespace tidewell
