#include "AppBatch.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ScanCommand.h"

#include <QJsonArray>

namespace tidewell {

std::variant<QList<AppDescriptor>, int> readApps(const QStringList& operands,
                                                 const WorkHome& home) {
    QList<AppDescriptor> apps;
    for (const QString& operand : operands) {
        auto read = readScannedApp(operand, home.host);
        if (const int* exitCode = std::get_if<int>(&read)) {
            if (home.account)
                CliOutput::printErrorLine(
                    CliText::tr("(reading %1 for the user %2)")
                        .arg(CliOutput::escaped(operand), CliOutput::escaped(home.account->name)));
            return *exitCode;
        }
        apps.append(std::get<AppDescriptor>(std::move(read)));
    }
    return eachAppOnce(apps);
}

QList<ScannedApp> scanApps(const QList<AppDescriptor>& apps, const WorkHome& home, bool useIndex) {
    QList<ScannedApp> scanned;
    for (const AppDescriptor& app : apps)
        scanned.append({app, scanShowingProgress(app, home.host, useIndex)});
    keepSharedItemsOnce(scanned);
    return scanned;
}

QJsonObject appsJson(const QList<QJsonObject>& documents) {
    if (documents.size() == 1)
        return documents.constFirst();
    QJsonArray apps;
    for (const QJsonObject& document : documents)
        apps.append(document);
    return {{QStringLiteral("apps"), apps}};
}

} // namespace tidewell
