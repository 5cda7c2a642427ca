#include "WorkHome.h"

#include "CliOutput.h"
#include "CliText.h"
#include "platform/RealFileSystem.h"

#include <QJsonArray>

namespace tidewell {

std::unique_ptr<FileSystem> WorkHome::fileSystem() const {
    if (!account)
        return std::make_unique<RealFileSystem>(host.data);
    return std::make_unique<RealFileSystem>(
        TrashOwner{host.home, host.data, account->uid, account->gid});
}

QString WorkHome::heading() const {
    if (!account)
        return {};
    return CliText::tr("User %1 (%2):")
        .arg(CliOutput::escaped(account->name), CliOutput::escaped(host.home));
}

QJsonObject homesJson(const QList<WorkHome>& homes, const QList<QJsonObject>& documents) {
    if (homes.size() == 1 && !homes.constFirst().account)
        return documents.value(0);
    QJsonArray users;
    for (qsizetype index = 0; index < homes.size(); ++index) {
        QJsonObject document = documents.value(index);
        document.insert(QStringLiteral("user"), homes[index].account->name);
        document.insert(QStringLiteral("home"), homes[index].host.home);
        users.append(document);
    }
    return {{QStringLiteral("users"), users}};
}

QString homesText(const QList<WorkHome>& homes, const QStringList& texts) {
    if (homes.size() == 1 && !homes.constFirst().account)
        return texts.value(0);
    if (homes.isEmpty())
        return CliText::tr("No user account with a login shell and a home was found.");
    QStringList parts;
    for (qsizetype index = 0; index < homes.size(); ++index)
        parts.append(homes[index].heading() + u'\n' + texts.value(index));
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace tidewell
