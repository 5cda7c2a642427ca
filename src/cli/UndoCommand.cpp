#include "UndoCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "HistoryCommand.h"
#include "platform/FileSystem.h"
#include "removal/RemovalJournal.h"
#include "removal/RemovalUndo.h"
#include "session/RemovalTexts.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("undo");

using Outcome = RemovalRecord::Outcome;

QStringList pathsWith(const RemovalRecord& removal, Outcome outcome) {
    QStringList paths;
    for (const RemovalRecord::Item& item : removal.items) {
        if (item.outcome == outcome)
            paths.append(item.path);
    }
    return paths;
}

// A heading with its count and the paths below it, each with a second line when one is given.
QString section(const QString& heading, const QStringList& paths, const QStringList& details = {}) {
    if (paths.isEmpty())
        return {};
    QString text = heading.arg(paths.size()) + u'\n';
    for (qsizetype index = 0; index < paths.size(); ++index) {
        text += QStringLiteral("  ") + CliOutput::escaped(paths[index]) + u'\n';
        if (index < details.size())
            text += QStringLiteral("    ") + CliOutput::escaped(details[index]) + u'\n';
    }
    return text;
}

QString undoText(const UndoReport& report) {
    QStringList conflicts, trashPaths, failures, reasons;
    for (const UndoReport::Conflict& conflict : report.conflicts) {
        conflicts.append(conflict.path);
        trashPaths.append(conflict.trashPath);
    }
    for (const UndoReport::Failure& failure : report.failures) {
        failures.append(failure.path);
        reasons.append(failure.reason);
    }
    QString text =
        section(CliText::tr("Put back (%1):"), report.restored) +
        section(CliText::tr("Still in the Trash, something else is in their place (%1):"),
                conflicts, trashPaths) +
        section(CliText::tr("No longer in the Trash (%1):"), report.gone) +
        section(CliText::tr("Deleted in place, cannot be put back (%1):"), report.notRestorable) +
        section(CliText::tr("Could not be put back (%1):"), failures, reasons);
    if (const QString runs = RemovalTexts::packageRunsText(report.packageRuns); !runs.isEmpty())
        text += runs + u'\n';
    return text + RemovalTexts::undoSummary(report);
}

QJsonArray stringArray(const QStringList& strings) {
    return QJsonArray::fromStringList(strings);
}

QJsonObject undoJson(const UndoReport& report) {
    QJsonArray conflicts, failures;
    for (const UndoReport::Conflict& conflict : report.conflicts)
        conflicts.append(QJsonObject{{QStringLiteral("path"), conflict.path},
                                     {QStringLiteral("trashPath"), conflict.trashPath}});
    for (const UndoReport::Failure& failure : report.failures)
        failures.append(QJsonObject{{QStringLiteral("path"), failure.path},
                                    {QStringLiteral("reason"), failure.reason}});
    QJsonObject object{{QStringLiteral("id"), report.id},
                       {QStringLiteral("restored"), stringArray(report.restored)},
                       {QStringLiteral("conflicts"), conflicts},
                       {QStringLiteral("gone"), stringArray(report.gone)},
                       {QStringLiteral("notRestorable"), stringArray(report.notRestorable)},
                       {QStringLiteral("failures"), failures}};
    if (!report.packageRuns.isEmpty())
        object.insert(QStringLiteral("packageRuns"), packageRunsJson(report.packageRuns));
    return object;
}

// The removal the arguments name: the given id, else the latest; the exit code when there is
// none (the reason is on stderr).
std::variant<RemovalRecord, int> removalToUndo(const QStringList& operands,
                                               const RemovalJournal& journal) {
    if (operands.size() > 1)
        return usageError(commandName, CliText::tr("expected at most one ID"));
    if (operands.isEmpty()) {
        const QList<RemovalRecord> removals = journal.readAll();
        if (!removals.isEmpty())
            return removals.first();
        CliOutput::printErrorLine(CliText::tr("No removals are recorded."));
        return ExitCode::failure;
    }
    bool isNumber = false;
    const qint64 id = operands.first().toLongLong(&isNumber);
    std::optional<RemovalRecord> removal = isNumber ? journal.read(id) : std::nullopt;
    if (!removal)
        return usageError(commandName, CliText::tr("no removal %1 is recorded; "
                                                   "'tidewell-cli history' lists them")
                                           .arg(operands.first()));
    return std::move(*removal);
}

bool confirmUndo(const RemovalRecord& removal) {
    const QStringList trashed = pathsWith(removal, Outcome::trashed);
    return answeredYes(
        section(CliText::tr("These items of %2 will be put back from the Trash (%1):")
                    .arg(RemovalTexts::subjectName(removal.subject)),
                trashed) +
        CliText::tr("Put them back? [y/N] "));
}

int runUndo(const QStringList& arguments, const Host& host) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr(
        "Puts the items of a removal (the latest by default) back from the Trash where they "
        "were. Nothing is ever overwritten."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const QCommandLineOption yes({QStringLiteral("y"), QStringLiteral("yes")},
                                 CliText::tr("Put back without asking."));
    parser.addOptions({json, yes});
    parser.addPositionalArgument(QStringLiteral("ID"),
                                 CliText::tr("The removal, as 'history' lists it."), "[ID]");
    if (auto done = parseCommandArguments(parser, commandName,
                                          QStringLiteral("[--json] [--yes] [ID]"), arguments))
        return *done;
    if (auto refused = refuseQuestionWithoutTerminal(
            parser.isSet(yes), commandName,
            CliText::tr("stdin is not a terminal; pass --yes to put back without asking")))
        return *refused;
    const RemovalJournal journal(RemovalJournal::folderOn(host));
    auto chosen = removalToUndo(parser.positionalArguments(), journal);
    if (const int* exitCode = std::get_if<int>(&chosen))
        return *exitCode;
    const RemovalRecord& removal = std::get<RemovalRecord>(chosen);
    if (removal.unreadLines > 0)
        CliOutput::printErrorLine(
            CliText::tr("The last %n line(s) of this removal's journal could not be read; the "
                        "items they name count as not recorded.",
                        "", int(removal.unreadLines)));
    if (!parser.isSet(yes) && removal.count(Outcome::trashed) > 0 && !confirmUndo(removal)) {
        CliOutput::printErrorLine(CliText::tr("Nothing was put back."));
        return ExitCode::failure;
    }
    const UndoReport report = RemovalUndo::undo(removal, FileSystem::real());
    if (parser.isSet(json))
        CliOutput::printJson(undoJson(report));
    else
        CliOutput::printLine(undoText(report));
    return report.isComplete() ? ExitCode::success : ExitCode::failure;
}

} // namespace

CliCommand undoCommand() {
    return {commandName, CliText::tr("Put the items of a removal back from the Trash."), runUndo};
}

} // namespace tidewell
