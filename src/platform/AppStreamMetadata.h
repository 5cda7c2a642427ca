#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace tidewell::appstream {

// What one AppStream metainfo file says of its component.
struct Component {
    QString id;
    QStringList launchedEntries; // desktop file names ("org.gnome.gedit.desktop")
};

// The component a metainfo document describes: its <id> and the desktop ids it launches. An
// old-style id that names a desktop file ("gedit.desktop") counts as launching it and loses
// the suffix. Nothing when the document is no component or has no id.
std::optional<Component> parseComponent(const QByteArray& document);

// The AppStream id of the component that launches the desktop entry at entryPath, from the
// metainfo files of the data folder that holds its applications folder (metainfo/, and the
// older appdata/). Files named for the entry are read first, the others only when those don't
// name it. Empty when no component launches it.
QString componentIdFor(const QString& entryPath);

// Every metainfo file of a data folder read once: the AppStream id of each desktop file name
// ("org.gnome.gedit.desktop") a component launches. For many entries of one folder at a time.
QHash<QString, QString> componentIdsIn(const QString& dataFolder);

} // namespace tidewell::appstream
