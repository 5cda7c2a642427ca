#pragma once

#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "platform/UserAccounts.h"

#include <QJsonObject>
#include <QList>

#include <memory>
#include <optional>

namespace tidewell {

// One home a command works in: the process's own user's, or, for an administrator, the home of
// an account chosen with --all-users or --user.
struct WorkHome {
    Host host;
    std::optional<UserAccount> account = {}; // nothing: the process's own user

    // The real file system, whose Trash is this home's user's.
    std::unique_ptr<FileSystem> fileSystem() const;
    // The line that opens this home's part of a report; empty for the process's own user.
    QString heading() const;
};

// The document of a command that worked in homes, one document each: the one document itself for
// the process's own user, else {"users": [{"user", "home", ...document}]}.
QJsonObject homesJson(const QList<WorkHome>& homes, const QList<QJsonObject>& documents);

// The report of a command that worked in homes, one text each, under each home's heading.
QString homesText(const QList<WorkHome>& homes, const QStringList& texts);

} // namespace tidewell
