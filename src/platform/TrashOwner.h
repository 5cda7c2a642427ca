#pragma once

#include <QString>

namespace tidewell {

// The account whose Trash takes the items, when it is not the process's own user: an
// administrator working in another user's home. Its Trash lies below dataFolder, which must lie
// inside home; the folders from home down to the Trash are opened without following a link, and
// whatever is made there (missing folders, records) belongs to uid and gid.
struct TrashOwner {
    QString home;
    QString dataFolder;
    uint uid = 0;
    uint gid = 0;
};

} // namespace tidewell
