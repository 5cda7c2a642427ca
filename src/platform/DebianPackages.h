#pragma once

#include "Host.h"
#include "ProgramRunner.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace tidewell::debian {

// The Debian package that installed each of paths that one did ("vim-gtk3" for
// /usr/share/applications/gvim.desktop), asked of dpkg-query through programs in one call per
// megabyte of paths; it only reads its database. Paths no package owns are left out, and so
// are paths no package installs to, which are never asked about: inside the host's home,
// wherever it lies, and below /home. Under a host's root only the paths below it are asked, of
// the dpkg database there. Empty when dpkg is absent or does not answer.
QHash<QString, QString> packagesOwning(const QStringList& paths, const Host& host,
                                       const ProgramRunner& programs);

} // namespace tidewell::debian
