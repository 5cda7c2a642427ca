#pragma once

#include <QTest>

#include <unistd.h>

// For cases that need permission bits to bite. A test registered with UNPRIVILEGED runs as user
// nobody when ctest runs as root; still being root here means that drop did not happen (the
// binary was started by hand, or setpriv is missing), and root ignores permission bits.
#define TIDEWELL_REQUIRE_UNPRIVILEGED()                                                            \
    do {                                                                                           \
        if (::geteuid() == 0)                                                                      \
            QSKIP("needs an unprivileged user: root ignores permission bits (run it through "      \
                  "ctest, which drops to user nobody)");                                           \
    } while (false)
