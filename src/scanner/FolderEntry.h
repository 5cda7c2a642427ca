#pragma once

#include <QList>
#include <QString>

namespace tidewell {

// One entry of a folder in the user's home, as the Linux rules read it.
struct FolderEntry {
    QString path;
    QString name;
    bool isFile = false; // anything but a folder or a link to one
    bool isLink = false;

    // Every entry of folder, hidden ones included; none when it cannot be read.
    static QList<FolderEntry> listed(const QString& folder);
};

} // namespace tidewell
