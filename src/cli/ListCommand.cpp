#include "ListCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "ScanCommand.h"
#include "scanner/AppCatalogue.h"
#include "scanner/LinuxAppData.h"
#include "session/SharedByteFormatter.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("list");

QJsonObject appJson(const AppDescriptor& app, qint64 dataSize) {
    return {{QStringLiteral("kind"), kindName(app.kind)},
            {QStringLiteral("id"), app.identifier},
            {QStringLiteral("name"), app.displayName},
            {QStringLiteral("desktopEntry"), app.appURL.toLocalFile()},
            {QStringLiteral("dataSizeInBytes"), dataSize}};
}

int runList(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Lists the installed applications (their desktop entries)."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const ScanOptions scanOptions;
    parser.addOptions({json, scanOptions.root});
    if (auto done = parseCommandArguments(parser, commandName,
                                          QStringLiteral("[--json] [--root DIR]"), arguments))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return usageError(commandName, CliText::tr("expected no arguments"));
    const auto host = scanOptions.hostFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&host))
        return *exitCode;

    const QList<AppDescriptor> apps =
        AppCatalogue::readLinuxApps(std::get<Host>(host), FileSystem::real()).apps();
    const LinuxAppData data(std::get<Host>(host), FileSystem::real());
    if (parser.isSet(json)) {
        QJsonArray array;
        for (const AppDescriptor& app : apps)
            array.append(appJson(app, data.sizeOf(app)));
        CliOutput::printJson(QJsonObject{{QStringLiteral("apps"), array}});
        return ExitCode::success;
    }
    QList<QStringList> rows;
    for (const AppDescriptor& app : apps)
        rows.append({SharedByteFormatter::string(data.sizeOf(app)), kindName(app.kind),
                     app.identifier, app.displayName});
    if (!rows.isEmpty())
        CliOutput::printLine(CliOutput::formatTable(rows, {CliOutput::Align::right}).chopped(1));
    return ExitCode::success;
}

} // namespace

CliCommand listCommand() {
    return {commandName, CliText::tr("List the installed applications."), runList};
}

} // namespace tidewell
