#pragma once

#include <QProcess>

// One finished run of the built tidewell-cli, in this process's environment.
struct CliRun {
    int exitCode = -1; // also when it crashed or hung
    QByteArray out, err;

    // stdin is read from stdinFile when one is given, else from an empty pipe (no terminal).
    // A run that takes longer than timeoutMs is killed.
    static CliRun of(const QStringList& arguments, const QString& stdinFile = {},
                     int timeoutMs = 60000) {
        QProcess process;
        process.setStandardInputFile(stdinFile);
        process.start(QStringLiteral(TIDEWELL_CLI_PATH), arguments);
        process.closeWriteChannel();
        const bool exited =
            process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
        return {exited ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
};
