#include "HostFromProcess.h"

#include <QDir>

namespace tidewell {

Host hostFromProcess(const QString& root) {
    const QString home = qEnvironmentVariable("HOME");
    return Host::describe(home.isEmpty() ? QDir::homePath() : home, root,
                          [](const char* name) { return qEnvironmentVariable(name); });
}

} // namespace tidewell
