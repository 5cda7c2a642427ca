#include "OrphansCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "ItemRemoval.h"
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
                         {QStringLiteral("text"), OrphansModel::reasonText(item)}}},
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

void printReport(const OrphanReport& report) {
    for (const QString& problem : report.problems)
        CliOutput::printErrorLine(problem);
    if (report.apps.isEmpty()) {
        CliOutput::printLine(CliText::tr("No leftovers of removed applications were found."));
        return;
    }
    qsizetype items = 0;
    for (const RemovedApp& app : report.apps)
        items += app.items.size();
    QString text = CliText::tr("Leftovers of %n removed application(s) (%1, %2):\n", "",
                               int(report.apps.size()))
                       .arg(CliText::tr("%n item(s)", "", int(items)),
                            SharedByteFormatter::string(totalSize(report.apps)));
    for (const RemovedApp& app : report.apps)
        text += u'\n' + appText(app);
    text += u'\n' + CliText::tr("To move an app's leftovers to the Trash: tidewell-cli orphans "
                                "--remove ID");
    CliOutput::printLine(text);
}

// The apps ids name: each id is an app's "<kind>:<identifier>", or an identifier only one app
// has. The exit code of a usage error for an id that names none.
std::variant<QList<RemovedApp>, int> appsNamed(const QStringList& ids,
                                               const QList<RemovedApp>& apps) {
    QList<RemovedApp> named;
    for (const QString& id : ids) {
        QList<RemovedApp> matching;
        for (const RemovedApp& app : apps) {
            if (app.id() == id || app.identifier == id)
                matching.append(app);
        }
        if (matching.size() != 1)
            return usageError(
                commandName,
                CliText::tr("'%1' names no removed app; `orphans` lists their ids").arg(id));
        named.append(matching.first());
    }
    return named;
}

// What the command was asked besides the apps.
struct RemovalFlags {
    bool json = false;
    bool yes = false;
    bool offered = false;
};

int removeApps(const QList<RemovedApp>& apps, const RemovalFlags& flags, const Host& host) {
    QList<RemovalPlan::Item> items;
    for (const RemovedApp& app : apps) {
        for (const Orphan& item : app.items) {
            if (!item.offered || flags.offered)
                items.append({QUrl::fromLocalFile(item.path), {item.sizeInBytes, true}});
        }
    }
    // Leftovers lie in the home folder; the removal refuses anything outside it.
    const RemovalPlan plan(items, {{host.home}, QString()});
    if (!flags.yes && !confirmRemoval(plan)) {
        CliOutput::printErrorLine(CliText::tr("Nothing was removed."));
        return ExitCode::failure;
    }
    const RemovalRun run = runRemoval(plan, !flags.yes, host);
    if (flags.json)
        CliOutput::printJson(removalJson(run, plan));
    else
        CliOutput::printLine(removalText(run, plan));
    return run.deletion.failures.isEmpty() && !run.interrupted ? ExitCode::success
                                                               : ExitCode::failure;
}

int runOrphans(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Lists what applications that are no longer installed left behind, or "
                    "moves it to the Trash."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const QCommandLineOption remove(QStringLiteral("remove"),
                                    CliText::tr("Move the leftovers of the apps named by ID to "
                                                "the Trash."));
    const QCommandLineOption offered(
        QStringLiteral("offered"),
        CliText::tr("With --remove: the items only offered (named like the app) go too."));
    const QCommandLineOption yes({QStringLiteral("y"), QStringLiteral("yes")},
                                 CliText::tr("Remove without asking."));
    const ScanOptions scanOptions;
    parser.addOptions({json, remove, offered, yes, scanOptions.root});
    parser.addPositionalArgument(QStringLiteral("ID"), CliText::tr("A removed app, as listed."));
    if (auto done = parseCommandArguments(
            parser, commandName,
            QStringLiteral("[--json] [--root DIR] [--remove [--offered] [--yes] ID...]"),
            arguments))
        return *done;
    const QStringList ids = parser.positionalArguments();
    if (parser.isSet(remove) == ids.isEmpty())
        return usageError(commandName, parser.isSet(remove)
                                           ? CliText::tr("--remove expects at least one ID")
                                           : CliText::tr("expected no arguments"));
    const auto host = scanOptions.hostFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&host))
        return *exitCode;
    if (parser.isSet(remove)) {
        if (auto refused = refuseQuestionWithoutTerminal(commandName, parser.isSet(yes)))
            return *refused;
    }

    const OrphanReport report = OrphansModel::removedAppsOf(std::get<Host>(host));
    if (!parser.isSet(remove)) {
        if (parser.isSet(json))
            CliOutput::printJson(reportJson(report));
        else
            printReport(report);
        return ExitCode::success;
    }
    const auto apps = appsNamed(ids, report.apps);
    if (const int* exitCode = std::get_if<int>(&apps))
        return *exitCode;
    return removeApps(std::get<QList<RemovedApp>>(apps),
                      {parser.isSet(json), parser.isSet(yes), parser.isSet(offered)},
                      std::get<Host>(host));
}

} // namespace

CliCommand orphansCommand() {
    return {commandName,
            CliText::tr("List the leftovers of removed applications, or move them to the Trash."),
            runOrphans};
}

} // namespace tidewell
