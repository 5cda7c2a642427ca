#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace tidewell {

// One run of a helper program whose standard output is read (unsquashfs, dconf).
struct ToolRun {
    QString program;
    QStringList arguments;
    qint64 maximumOutput = 0; // bytes; a program that writes more is given up on
    int timeoutMs = 5000;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// The standard output of run when its program exits normally with code 0 within the timeout,
// having written at most maximumOutput bytes; nothing otherwise. The output is read as it
// comes, the program killed as soon as it writes too much or runs too long, and always waited
// for. Its standard error is discarded.
std::optional<QByteArray> outputOf(const ToolRun& run);

} // namespace tidewell
