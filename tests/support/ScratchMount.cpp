#include "ScratchMount.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>

namespace {

QString failureOf(const char* step) {
    return QStringLiteral("cannot %1 (%2); that needs root")
        .arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
}

// Once per process: a mount namespace whose mounts propagate nowhere.
QString enterPrivateMountNamespace() {
    static const QString failure = []() -> QString {
        if (::unshare(CLONE_NEWNS) != 0)
            return failureOf("make a mount namespace");
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return failureOf("make the mounts private");
        return {};
    }();
    return failure;
}

} // namespace

ScratchMount::ScratchMount(const QString& folder, const char* type, const QByteArray& options)
    : m_folder(QFile::encodeName(folder)), m_failure(enterPrivateMountNamespace()) {
    // A source name of its own: some device names ("none") mark system mounts.
    if (m_failure.isEmpty() &&
        ::mount("tidewell-test", m_folder.constData(), type, 0, options.constData()) != 0)
        m_failure = failureOf("mount a file system");
}

ScratchMount::~ScratchMount() {
    if (m_failure.isEmpty())
        ::umount2(m_folder.constData(), MNT_DETACH);
}
