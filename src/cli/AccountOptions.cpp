#include "AccountOptions.h"

#include "CliCommand.h"

#include <algorithm>
#include <unistd.h>

namespace tidewell {

namespace {

WorkHome homeOf(const UserAccount& account, const Host& host) {
    return {host.forAccount(host.root + account.home), account};
}

} // namespace

void AccountOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({allUsers, user});
}

std::variant<QList<WorkHome>, int> AccountOptions::homesFor(const QCommandLineParser& parser,
                                                            const QString& commandName,
                                                            const Host& host) const {
    const QStringList names = parser.values(user);
    if (!parser.isSet(allUsers) && names.isEmpty())
        return QList<WorkHome>{{host}};
    if (parser.isSet(allUsers) && !names.isEmpty())
        return usageError(commandName, CliText::tr("give either --all-users or --user, not both"));
    // Only an administrator may move other people's files, and their Trash must be theirs.
    if (::geteuid() != 0)
        return usageError(commandName,
                          CliText::tr("--all-users and --user work in other people's homes and "
                                      "need administrator rights; run as root"));
    const QList<UserAccount> people = useraccounts::readPeople(host.root);
    QList<WorkHome> homes;
    for (const UserAccount& account : people) {
        if (names.isEmpty() || names.contains(account.name))
            homes.append(homeOf(account, host));
    }
    for (const QString& name : names) {
        const bool found = std::any_of(people.cbegin(), people.cend(),
                                       [&name](const UserAccount& a) { return a.name == name; });
        if (!found)
            return usageError(commandName,
                              CliText::tr("'%1' is no user who logs in (an account with a login "
                                          "shell, a UID from UID_MIN up and a home in the "
                                          "system's home folder)")
                                  .arg(name));
    }
    return homes;
}

} // namespace tidewell
