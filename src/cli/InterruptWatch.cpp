#include "InterruptWatch.h"

#include <QByteArray>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <poll.h>
#include <unistd.h>

namespace tidewell {

namespace {

constexpr int watchedSignals[] = {SIGINT, SIGTERM};

std::atomic<bool> interrupted = false;
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
// The pipe a signal writes to, so that a wait for input ends too; -1 while no watch is on.
int wakeReader = -1;
int wakeWriter = -1;
struct sigaction previousActions[std::size(watchedSignals)];

extern "C" void noteInterrupt(int) {
    const int savedErrno = errno;
    interrupted = true;
    if (wakeWriter >= 0 && ::write(wakeWriter, "!", 1) < 0) {
        // A full pipe is awake already.
    }
    errno = savedErrno;
}

} // namespace

InterruptWatch::InterruptWatch() {
    interrupted = false;
    // pipe and fcntl rather than pipe2, which macOS lacks.
    int fds[2];
    if (::pipe(fds) == 0) {
        for (const int fd : fds) {
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            ::fcntl(fd, F_SETFL, O_NONBLOCK);
        }
        wakeReader = fds[0];
        wakeWriter = fds[1];
    }
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    action.sa_flags = SA_RESTART;
    sigfillset(&action.sa_mask);
    for (size_t i = 0; i < std::size(watchedSignals); ++i)
        ::sigaction(watchedSignals[i], &action, &previousActions[i]);
}

InterruptWatch::~InterruptWatch() {
    for (size_t i = 0; i < std::size(watchedSignals); ++i)
        ::sigaction(watchedSignals[i], &previousActions[i], nullptr);
    for (int* fd : {&wakeWriter, &wakeReader}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool InterruptWatch::raised() {
    return interrupted;
}

std::optional<QString> InterruptWatch::readLine() {
    // Byte by byte, so that nothing typed after the line is taken from the next question.
    QByteArray line;
    for (;;) {
        pollfd waits[] = {{STDIN_FILENO, POLLIN, 0}, {wakeReader, POLLIN, 0}};
        const int ready = ::poll(waits, 2, -1);
        if (interrupted || (ready < 0 && errno != EINTR))
            return std::nullopt;
        char byte = 0;
        const ssize_t count = ready < 0 ? -1 : ::read(STDIN_FILENO, &byte, 1);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0 || byte == '\n')
            return count == 0 && line.isEmpty() ? std::nullopt
                                                : std::optional(QString::fromUtf8(line));
        line.append(byte);
    }
}

} // namespace tidewell
