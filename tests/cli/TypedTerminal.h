#pragma once

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

// A new pseudo-terminal with an answer already typed into it, for a command that reads its
// stdin from name(). name() is empty when no terminal can be had here.
class TypedTerminal {
public:
    explicit TypedTerminal(const QByteArray& typed) : m_fd(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (m_fd < 0 || ::grantpt(m_fd) != 0 || ::unlockpt(m_fd) != 0 ||
            ::write(m_fd, typed.constData(), size_t(typed.size())) != typed.size())
            return;
        m_name = QString::fromLocal8Bit(::ptsname(m_fd));
    }
    ~TypedTerminal() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TypedTerminal(const TypedTerminal&) = delete;
    TypedTerminal& operator=(const TypedTerminal&) = delete;

    QString name() const { return m_name; }

private:
    int m_fd;
    QString m_name;
};
