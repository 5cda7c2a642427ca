#pragma once

#include <QByteArray>

namespace tidewell::linkfree {

// Copies the entry name of the folder fromFd to newName in the folder toFd, which must not
// exist yet: a file with its content, a folder with everything below it, a link as the link
// itself (never followed), anything else as the same kind of node. Every copy keeps its
// permission bits and modification and access times, and its owner where the process may set
// it. Returns 0, or the errno of the first failure; what was copied by then stays for the
// caller to remove.
int copyEntry(int fromFd, const QByteArray& name, int toFd, const QByteArray& newName);

} // namespace tidewell::linkfree
