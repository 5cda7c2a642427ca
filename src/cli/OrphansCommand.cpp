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

void printOrphans(const QList<Orphan>& orphans, const QList<qint64>& sizes) {
    if (orphans.isEmpty()) {
        CliOutput::printLine(CliText::tr("No leftovers of removed applications were found."));
        return;
    }
    QList<QStringList> rows;
    qint64 total = 0;
    for (qsizetype index = 0; index < orphans.size(); ++index) {
        rows.append({SharedByteFormatter::string(sizes[index]), orphans[index].path,
                     OrphansModel::reasonText(orphans[index])});
        total += sizes[index];
    }
    CliOutput::printLine(
        CliText::tr("Leftovers of removed applications (%n item(s), %1):", "", int(rows.size()))
            .arg(SharedByteFormatter::string(total)));
    CliOutput::printLine(CliOutput::formatTable(rows, {CliOutput::Align::right}).chopped(1));
}

int runOrphans(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Lists what applications that are no longer installed left behind."));
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

    const OrphanFinder finder(std::get<Host>(host),
                              AppCatalogue::readLinuxApps(std::get<Host>(host), FileSystem::real()),
                              FileSystem::real());
    const QList<Orphan> orphans = finder.find();
    QList<qint64> sizes;
    for (const Orphan& orphan : orphans)
        sizes.append(sizeInBytes(orphan.path, FileSystem::real()));
    if (parser.isSet(json)) {
        QJsonArray array;
        for (qsizetype index = 0; index < orphans.size(); ++index)
            array.append(orphanJson(orphans[index], sizes[index]));
        CliOutput::printJson(QJsonObject{{QStringLiteral("orphans"), array}});
    } else {
        printOrphans(orphans, sizes);
    }
    return ExitCode::success;
}

} // namespace

CliCommand orphansCommand() {
    return {commandName, CliText::tr("List leftovers of removed applications."), runOrphans};
}

} // namespace tidewell
