#pragma once

#include <QByteArray>
#include <QStringList>

namespace tidewell::dconf {

// The folders of the user's dconf database that hold keys ("/org/gnome/gedit/state/"), read
// with "dconf dump /", which reads the database file and needs no session bus. Empty when the
// dconf tool is missing, does not answer or answers more than 16 MiB.
QStringList foldersWithKeys();

// The folders that hold keys in the text of "dconf dump /", one per keyfile group.
QStringList foldersInDump(const QByteArray& dump);

// The folder an id names, its dots read as slashes ("/org/gnome/gedit/" for org.gnome.gedit);
// empty for ids of fewer than three labels, as "/gedit/" could be anyone's.
QString folderNamedBy(const QString& id);

// The topmost folders of folders that ids name, compared without regard to case.
QStringList foldersNamedBy(const QStringList& folders, const QStringList& ids);

} // namespace tidewell::dconf
