#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace tidewell::debian {

// The Debian package that installed each of paths that one did ("vim-gtk3" for
// /usr/share/applications/gvim.desktop), asked of dpkg-query in one call per megabyte of
// paths; it only reads its database. Paths no package owns are left out, and so are paths below
// /home, where no package installs; empty when dpkg is absent or does not answer.
QHash<QString, QString> packagesOwning(const QStringList& paths);

} // namespace tidewell::debian
