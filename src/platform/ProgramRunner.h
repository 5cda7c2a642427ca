#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tidewell {

// The programs Tidewell asks about the host (dpkg-query, dconf, unsquashfs), behind one seam
// that tests answer from a table. Safe to call from several threads at once.
class ProgramRunner {
public:
    // One question to a program, answered on its standard output.
    struct Call {
        QString program; // a name, looked up on the host's program path
        QStringList arguments;
        qint64 maximumOutput = 1 << 20; // bytes; a program that writes more is given up on
        QList<int> acceptedExitCodes = {0};
        int timeoutMs = 5000;
    };

    virtual ~ProgramRunner() = default;

    // The standard output of the call's program when it is found, exits normally with an
    // accepted code within its time and writes at most maximumOutput bytes; nothing otherwise.
    virtual std::optional<QByteArray> outputOf(const Call& call) const = 0;
};

} // namespace tidewell
