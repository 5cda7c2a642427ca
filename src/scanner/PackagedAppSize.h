#pragma once

#include "model/AppDescriptor.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "platform/ProgramRunner.h"

#include <optional>

namespace tidewell {

// What a package-managed Linux application takes on disk, where its package manager tells: a
// Debian package's Installed-Size (asked of dpkg-query through programs), the folder Flatpak
// deployed it to, the squashfs image of a snap's current revision. Nothing for other apps and
// when it is not known. Reads the disk and asks programs: call it off the main thread.
std::optional<qint64> packagedAppSize(const AppDescriptor& app, const Host& host,
                                      const ProgramRunner& programs, const FileSystem& fileSystem);

} // namespace tidewell
