#include "OrphansCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "ScanCommand.h"
#include "platform/FileSystem.h"
#include "scanner/ItemClassification.h"
#include "scanner/OrphanFinder.h"
#include "session/OrphansModel.h"
#include "session/SharedByteFormatter.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("orphans");

QString causeKey(OrphanCause cause) {
    switch (cause) {
    case OrphanCause::flatpakNotInstalled:
        return QStringLiteral("flatpakNotInstalled");
    case OrphanCause::snapNotInstalled:
        return QStringLiteral("snapNotInstalled");
    case OrphanCause::appImageGone:
        return QStringLiteral("appImageGone");
    case OrphanCause::programGone:
        break;
    }
    return QStringLiteral("programGone");
}

QJsonObject orphanJson(const Orphan& orphan, qint64 size) {
    return {{QStringLiteral("path"), orphan.path},
            {QStringLiteral("sizeInBytes"), size},
            {QStringLiteral("cause"), causeKey(orphan.cause)},
            {QStringLiteral("subject"), orphan.subject},
            {QStringLiteral("reason"), OrphansModel::reasonText(orphan)}};
}

QString orphansText(const QList<Orphan>& orphans, const QList<qint64>& sizes) {
    if (orphans.isEmpty())
        return CliText::tr("No leftovers of removed applications were found.");
    QList<QStringList> rows;
    qint64 total = 0;
    for (qsizetype index = 0; index < orphans.size(); ++index) {
        rows.append({SharedByteFormatter::string(sizes[index]), orphans[index].path,
                     OrphansModel::reasonText(orphans[index])});
        total += sizes[index];
    }
    return CliText::tr("Leftovers of removed applications (%n item(s), %1):", "", int(rows.size()))
               .arg(SharedByteFormatter::string(total)) +
           u'\n' + CliOutput::formatTable(rows, {CliOutput::Align::right}).chopped(1);
}

QJsonObject orphansJson(const QList<Orphan>& orphans, const QList<qint64>& sizes) {
    QJsonArray array;
    for (qsizetype index = 0; index < orphans.size(); ++index)
        array.append(orphanJson(orphans[index], sizes[index]));
    return {{QStringLiteral("orphans"), array}};
}

int runOrphans(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Lists what applications that are no longer installed left behind."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const ScanOptions scanOptions;
    parser.addOptions({json, scanOptions.root});
    scanOptions.accounts.addTo(parser);
    if (auto done = parseCommandArguments(
            parser, commandName,
            QStringLiteral("[--json] [--root DIR] [--all-users | --user NAME...]"), arguments))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return usageError(commandName, CliText::tr("expected no arguments"));
    const auto homes = scanOptions.homesFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&homes))
        return *exitCode;

    QList<QJsonObject> documents;
    QStringList texts;
    for (const WorkHome& home : std::get<QList<WorkHome>>(homes)) {
        const OrphanFinder finder(home.host,
                                  AppCatalogue::readLinuxApps(home.host, FileSystem::real()),
                                  FileSystem::real());
        const QList<Orphan> orphans = finder.find();
        QList<qint64> sizes;
        for (const Orphan& orphan : orphans)
            sizes.append(sizeInBytes(orphan.path, FileSystem::real()));
        documents.append(orphansJson(orphans, sizes));
        texts.append(orphansText(orphans, sizes));
    }
    if (parser.isSet(json))
        CliOutput::printJson(homesJson(std::get<QList<WorkHome>>(homes), documents));
    else
        CliOutput::printLine(homesText(std::get<QList<WorkHome>>(homes), texts));
    return ExitCode::success;
}

} // namespace

CliCommand orphansCommand() {
    return {commandName, CliText::tr("List leftovers of removed applications."), runOrphans};
}

} // namespace tidewell
