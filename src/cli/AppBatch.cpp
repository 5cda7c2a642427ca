#include "AppBatch.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ScanCommand.h"
#include "model/AppKind.h"

#include <QJsonArray>
#include <QSet>

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
        AppDescriptor& app = std::get<AppDescriptor>(read);
        const bool named = std::any_of(apps.cbegin(), apps.cend(), [&app](const auto& other) {
            return other.appURL == app.appURL;
        });
        if (!named)
            apps.append(std::move(app));
    }
    return apps;
}

QList<ScannedApp> scanApps(const QList<AppDescriptor>& apps, const WorkHome& home, bool useIndex) {
    QList<ScannedApp> scanned;
    for (const AppDescriptor& app : apps)
        scanned.append({app, scanShowingProgress(app, home.host, useIndex)});
    keepSharedItemsOnce(scanned);
    return scanned;
}

void keepSharedItemsOnce(QList<ScannedApp>& apps) {
    QSet<QUrl> taken;
    for (ScannedApp& scanned : apps) {
        QList<ScannedFile>& matches = scanned.report.matches;
        matches.removeIf([&taken](const ScannedFile& file) { return taken.contains(file.url); });
        for (const ScannedFile& file : std::as_const(matches))
            taken.insert(file.url);
        if (appGoesWithLeftovers(scanned.app.kind))
            taken.insert(scanned.app.appURL);
    }
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
