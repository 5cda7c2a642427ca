#pragma once

#include "CliText.h"
#include "WorkHome.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <variant>

namespace tidewell {

// --all-users and --user NAME: an administrator works in other people's homes, each with that
// person's own folders and Trash.
struct AccountOptions {
    QCommandLineOption allUsers{
        QStringLiteral("all-users"),
        CliText::tr("Work in the home of every user who logs in (administrators only).")};
    QCommandLineOption user{QStringLiteral("user"),
                            CliText::tr("Work in the home of the user NAME (administrators only; "
                                        "may be given more than once)."),
                            QStringLiteral("NAME")};

    void addTo(QCommandLineParser& parser) const;
    // The homes the command works in: host's own, or those of the users asked for, each taken
    // under host's root (the people of root/etc/passwd then). The exit code of a usage error
    // (reported on stderr) when the process is not root or a name is nobody who logs in.
    std::variant<QList<WorkHome>, int> homesFor(const QCommandLineParser& parser,
                                                const QString& commandName, const Host& host) const;
};

} // namespace tidewell
