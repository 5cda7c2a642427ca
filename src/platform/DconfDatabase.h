#pragma once

#include <QStringList>

namespace tidewell::dconf {

// The folders of the user's dconf database that hold keys ("/org/gnome/gedit/state/"), read
// with "dconf dump /", which reads the database file and needs no session bus. Empty when the
// dconf tool is missing or does not answer.
QStringList foldersWithKeys();

// The topmost folders of folders that an id names, its dots read as slashes and compared
// without regard to case ("/org/gnome/gedit/" for org.gnome.gedit); ids of fewer than three
// labels name nothing, as "/gedit/" could be anyone's.
QStringList foldersNamedBy(const QStringList& folders, const QStringList& ids);

} // namespace tidewell::dconf
