#include "OrphansCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "RemoveCommand.h"
#include "ScanCommand.h"
#include "session/OrphansModel.h"
#include "session/SharedByteFormatter.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("orphans");

qint64 totalSize(const QList<RemovedApp>& apps) {
    qint64 bytes = 0;
    for (const RemovedApp& app : apps) {
        for (const Orphan& item : app.items)
            bytes += item.sizeInBytes;
    }
    return bytes;
}

QJsonObject itemJson(const Orphan& item) {
    return {{QStringLiteral("path"), item.path},
            {QStringLiteral("sizeInBytes"), item.sizeInBytes},
            {QStringLiteral("evidence"),
             QJsonObject{{QStringLiteral("code"), causeCode(item.cause)},
                         {QStringLiteral("sentence"), OrphansModel::reasonText(item)}}},
            {QStringLiteral("selected"), !item.offered}};
}

QJsonObject appJson(const RemovedApp& app) {
    QJsonArray items;
    for (const Orphan& item : app.items)
        items.append(itemJson(item));
    return {{QStringLiteral("id"), app.id()},
            {QStringLiteral("name"), app.name},
            {QStringLiteral("identifier"), app.identifier},
            {QStringLiteral("kind"), kindName(app.kind)},
            {QStringLiteral("removedAt"), app.removedAt.isValid()
                                              ? QJsonValue(app.removedAt.toString(Qt::ISODate))
                                              : QJsonValue()},
            {QStringLiteral("sizeInBytes"), totalSize({app})},
            {QStringLiteral("items"), items},
            {QStringLiteral("keptDconfFolders"), QJsonArray::fromStringList(app.dconfFolders)}};
}

// Every item on its own, sorted by path, as the command listed them before it grouped them by
// app.
QJsonArray flatJson(const QList<RemovedApp>& apps) {
    QList<Orphan> items;
    for (const RemovedApp& app : apps)
        items.append(app.items);
    std::sort(items.begin(), items.end(),
              [](const Orphan& a, const Orphan& b) { return a.path < b.path; });
    QJsonArray orphans;
    for (const Orphan& item : items)
        orphans.append(QJsonObject{{QStringLiteral("path"), item.path},
                                   {QStringLiteral("sizeInBytes"), item.sizeInBytes},
                                   {QStringLiteral("cause"), causeCode(item.cause)},
                                   {QStringLiteral("subject"), item.subject},
                                   {QStringLiteral("reason"), OrphansModel::reasonText(item)}});
    return orphans;
}

QJsonObject reportJson(const OrphanReport& report) {
    QJsonArray apps;
    for (const RemovedApp& app : report.apps)
        apps.append(appJson(app));
    return {{QStringLiteral("apps"), apps},
            {QStringLiteral("orphans"), flatJson(report.apps)},
            {QStringLiteral("problems"), QJsonArray::fromStringList(report.problems)}};
}

QString appText(const RemovedApp& app) {
    QList<QStringList> rows;
    for (const Orphan& item : app.items) {
        const QString reason = OrphansModel::reasonText(item);
        rows.append(
            {QStringLiteral("  ") + SharedByteFormatter::string(item.sizeInBytes), item.path,
             item.offered ? CliText::tr("%1 (offered, not selected)").arg(reason) : reason});
    }
    return QStringLiteral("%1  [%2]  %3, %4\n")
               .arg(CliOutput::escaped(app.name), CliOutput::escaped(app.id()),
                    OrphansModel::appSummaryText(app),
                    SharedByteFormatter::string(totalSize({app}))) +
           CliOutput::formatTable(rows, {CliOutput::Align::right});
}

// The report for people; what could not be read goes to stderr.
QString reportText(const OrphanReport& report) {
    for (const QString& problem : report.problems)
        CliOutput::printErrorLine(problem);
    if (report.apps.isEmpty())
        return CliText::tr("No leftovers of removed applications were found.");
    qsizetype items = 0;
    for (const RemovedApp& app : report.apps)
        items += app.items.size();
    QString text = CliText::tr("Leftovers of %n removed application(s) (%1, %2):\n", "",
                               int(report.apps.size()))
                       .arg(CliText::tr("%n item(s)", "", int(items)),
                            SharedByteFormatter::string(totalSize(report.apps)));
    for (const RemovedApp& app : report.apps)
        text += u'\n' + appText(app);
    return text + u'\n' +
           CliText::tr("To move an app's leftovers to the Trash: tidewell-cli orphans --remove ID");
}

// Lists the removed apps of each home.
void printReports(const QList<WorkHome>& homes, const QList<OrphanReport>& reports, bool json) {
    QList<QJsonObject> documents;
    QStringList texts;
    for (const OrphanReport& report : reports) {
        documents.append(reportJson(report));
        texts.append(json ? QString() : reportText(report));
    }
    if (json)
        CliOutput::printJson(homesJson(homes, documents));
    else
        CliOutput::printLine(homesText(homes, texts).trimmed());
}

// Whether id names app: its "<kind>:<identifier>", or its identifier.
bool names(const QString& id, const RemovedApp& app) {
    return app.id() == id || app.identifier == id;
}

// The usage error for an id that names no removed app in any home, or several in one.
std::optional<int> refuseUnknownIds(const QStringList& ids, const QList<OrphanReport>& reports) {
    for (const QString& id : ids) {
        qsizetype mostInAHome = 0;
        for (const OrphanReport& report : reports)
            mostInAHome =
                qMax(mostInAHome,
                     std::count_if(report.apps.cbegin(), report.apps.cend(),
                                   [&id](const RemovedApp& app) { return names(id, app); }));
        if (mostInAHome == 0)
            return usageError(
                commandName,
                CliText::tr("'%1' names no removed app; `orphans` lists their ids").arg(id));
        if (mostInAHome > 1)
            return usageError(
                commandName, CliText::tr("'%1' names several removed apps; give one's id").arg(id));
    }
    return std::nullopt;
}

// The removal of the apps ids name in one home, each app one part of it with its items, the
// offered ones only when asked.
HomeRemoval plannedRemoval(const QStringList& ids, const OrphanReport& report, const WorkHome& home,
                           bool withOffered) {
    HomeRemoval removal{home, {}};
    for (const RemovedApp& app : report.apps) {
        if (std::none_of(ids.cbegin(), ids.cend(),
                         [&app](const QString& id) { return names(id, app); }))
            continue;
        QList<RemovalPlan::Item> items;
        for (const Orphan& item : app.items) {
            if (!item.offered || withOffered)
                items.append({QUrl::fromLocalFile(item.path), {item.sizeInBytes, true}});
        }
        // Leftovers lie in the home folder; the removal refuses anything outside it.
        AppRemoval part{{{}, {}},
                        RemovalPlan(items, {{home.host.home}, QString()},
                                    {app.name, {}, RemovalSubject::orphansKind()}),
                        {}};
        part.scanned.app.displayName = app.name;
        part.scanned.app.identifier = app.id();
        // Its settings in dconf stay, as after a scan, and the report says so.
        part.scanned.report.leftAlone =
            leftAloneItems(app.dconfFolders, LeftAloneReason::dconfFolder);
        if (home.account)
            part.outsideHome = part.plan.confineTo(home.host.home);
        removal.apps.append(part);
    }
    return removal;
}

int runOrphans(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Lists what applications that are no longer installed left behind, or "
                    "moves it to the Trash."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const QCommandLineOption remove(
        QStringLiteral("remove"),
        CliText::tr("Move the leftovers of the apps named by ID to the Trash."));
    const QCommandLineOption offered(
        QStringLiteral("offered"),
        CliText::tr("With --remove: the items only offered (named like the app) go too."));
    const QCommandLineOption yes({QStringLiteral("y"), QStringLiteral("yes")},
                                 CliText::tr("Remove without asking."));
    const ScanOptions scanOptions;
    parser.addOptions({json, remove, offered, yes, scanOptions.root});
    scanOptions.accounts.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("ID"), CliText::tr("A removed app, as listed."));
    if (auto done = parseCommandArguments(parser, commandName,
                                          QStringLiteral("[--json] [--root DIR] [--all-users | "
                                                         "--user NAME...] [--remove [--offered] "
                                                         "[--yes] ID...]"),
                                          arguments))
        return *done;
    const QStringList ids = parser.positionalArguments();
    if (parser.isSet(remove) == ids.isEmpty())
        return usageError(commandName, parser.isSet(remove)
                                           ? CliText::tr("--remove expects at least one ID")
                                           : CliText::tr("expected no arguments"));
    const auto homes = scanOptions.homesFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&homes))
        return *exitCode;
    if (parser.isSet(remove)) {
        if (auto refused = refuseQuestionWithoutTerminal(
                parser.isSet(yes), commandName,
                CliText::tr("stdin is not a terminal; pass --yes to remove without asking")))
            return *refused;
    }

    const QList<WorkHome>& workHomes = std::get<QList<WorkHome>>(homes);
    QList<OrphanReport> reports;
    for (const WorkHome& home : workHomes)
        reports.append(OrphansModel::removedAppsOf(home.host));
    if (!parser.isSet(remove)) {
        printReports(workHomes, reports, parser.isSet(json));
        return ExitCode::success;
    }
    if (auto refused = refuseUnknownIds(ids, reports))
        return *refused;
    QList<HomeRemoval> removals;
    for (qsizetype index = 0; index < reports.size(); ++index)
        removals.append(
            plannedRemoval(ids, reports[index], workHomes[index], parser.isSet(offered)));
    return removePlanned(removals, {parser.isSet(json), parser.isSet(yes), false},
                         std::make_shared<RemovalJournal>(RemovalJournal::folderOn(givenHost)));
}

} // namespace

CliCommand orphansCommand() {
    return {commandName,
            CliText::tr("List the leftovers of removed applications, or move them to the Trash."),
            runOrphans};
}

} // namespace tidewell
