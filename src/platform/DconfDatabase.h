#pragma once

#include "ProgramRunner.h"

#include <QStringList>

namespace tidewell::dconf {

// The folders of the user's dconf database that hold keys ("/org/gnome/gedit/state/"), read
// with "dconf dump /", which reads the database file and needs no session bus. Empty when the
// dconf tool is missing or does not answer.
QStringList foldersWithKeys(const ProgramRunner& programs);

// The folder an id names, its dots read as slashes ("/org/gnome/gedit/" for org.gnome.gedit);
// empty for ids of fewer than three labels, as "/gedit/" could be anyone's.
QString folderNamedBy(const QString& id);

// The topmost folders of folders that ids name, compared without regard to case.
QStringList foldersNamedBy(const QStringList& folders, const QStringList& ids);

} // namespace tidewell::dconf
