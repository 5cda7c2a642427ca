#pragma once

#include <QProcess>

// One finished run of the built tidewell-cli, in this process's environment.
struct CliRun {
    int exitCode = -1; // also when it crashed or hung
    QByteArray out, err;

    // stdin is read from stdinFile when one is given, else from an empty pipe (no terminal).
    static CliRun of(const QStringList& arguments, const QString& stdinFile = {}) {
        QProcess process;
        process.setStandardInputFile(stdinFile);
        process.start(QStringLiteral(TIDEWELL_CLI_PATH), arguments);
        process.closeWriteChannel();
        const bool exited =
            process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return {exited ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
};
