#include "HistoryCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "platform/FileSystem.h"
#include "removal/RemovalJournal.h"
#include "removal/RemovalUndo.h"
#include "session/RemovalTexts.h"
#include "session/SharedByteFormatter.h"

#include <QJsonArray>
#include <QJsonObject>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("history");

using Outcome = RemovalRecord::Outcome;

QJsonObject removalJson(const RemovalRecord& removal, bool undoable) {
    const MeasuredSize size = removal.removedSize();
    QJsonObject object{
        {QStringLiteral("id"), removal.id},
        {QStringLiteral("date"), removal.date.toUTC().toString(Qt::ISODate)},
        {QStringLiteral("app"),
         QJsonObject{{QStringLiteral("displayName"), removal.subject.displayName},
                     {QStringLiteral("appPath"), removal.subject.appPath},
                     {QStringLiteral("kind"), removal.subject.kind}}},
        {QStringLiteral("trashed"), removal.count(Outcome::trashed)},
        {QStringLiteral("removedPermanently"), removal.count(Outcome::removedPermanently)},
        {QStringLiteral("failed"), removal.count(Outcome::failed)},
        {QStringLiteral("bytes"), size.bytes},
        {QStringLiteral("sizeComplete"), size.complete},
        {QStringLiteral("undoable"), undoable},
    };
    if (!removal.packageRuns.isEmpty())
        object.insert(QStringLiteral("packageRuns"), packageRunsJson(removal.packageRuns));
    if (removal.unreadLines > 0)
        object.insert(QStringLiteral("unreadLines"), removal.unreadLines);
    return object;
}

// What a row of the table cannot say: a package manager's uninstall, a damaged entry.
QStringList notesOn(const RemovalRecord& removal) {
    QStringList notes;
    if (const QString runs = RemovalTexts::packageRunsText(removal.packageRuns); !runs.isEmpty())
        notes.append(QStringLiteral("%1: %2").arg(removal.id).arg(runs));
    if (removal.unreadLines > 0)
        notes.append(CliText::tr("%1: the last %n line(s) of its journal could not be read.", "",
                                 int(removal.unreadLines))
                         .arg(removal.id));
    return notes;
}

void printHistory(const QList<RemovalRecord>& removals, const QList<bool>& undoable) {
    if (removals.isEmpty()) {
        CliOutput::printLine(CliText::tr("No removals are recorded."));
        return;
    }
    QList<QStringList> rows{{CliText::tr("ID"), CliText::tr("Date"), CliText::tr("App"),
                             CliText::tr("Items"), CliText::tr("Size"), CliText::tr("Undo")}};
    QStringList notes;
    for (qsizetype index = 0; index < removals.size(); ++index) {
        const RemovalRecord& removal = removals[index];
        const MeasuredSize size = removal.removedSize();
        rows.append({QString::number(removal.id),
                     removal.date.toLocalTime().toString(u"yyyy-MM-dd HH:mm"),
                     RemovalTexts::subjectName(removal.subject), RemovalTexts::countsText(removal),
                     SharedByteFormatter::sizeText(size.bytes, size.complete),
                     undoable[index] ? CliText::tr("yes") : CliText::tr("no")});
        notes += notesOn(removal);
    }
    const QString table = CliOutput::formatTable(rows, {CliOutput::Align::right}).chopped(1);
    CliOutput::printLine(notes.isEmpty() ? table : table + u'\n' + notes.join(u'\n'));
}

int runHistory(const QStringList& arguments, const Host& host) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Lists the recorded removals, newest first, and whether each can be undone."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    parser.addOption(json);
    if (auto done =
            parseCommandArguments(parser, commandName, QStringLiteral("[--json]"), arguments))
        return *done;
    if (!parser.positionalArguments().isEmpty())
        return usageError(commandName, CliText::tr("expected no arguments"));

    qsizetype unreadable = 0;
    const QList<RemovalRecord> removals =
        RemovalJournal(RemovalJournal::folderOn(host)).readAll(&unreadable);
    if (unreadable > 0)
        CliOutput::printErrorLine(CliText::tr(
            "%n journal entry(s) could not be read and are left out.", "", int(unreadable)));
    QList<bool> undoable;
    for (const RemovalRecord& removal : removals)
        undoable.append(RemovalUndo::isUndoable(removal, FileSystem::real()));
    if (parser.isSet(json)) {
        QJsonArray array;
        for (qsizetype index = 0; index < removals.size(); ++index)
            array.append(removalJson(removals[index], undoable[index]));
        CliOutput::printJson(QJsonObject{{QStringLiteral("removals"), array}});
    } else {
        printHistory(removals, undoable);
    }
    return ExitCode::success;
}

} // namespace

QJsonArray packageRunsJson(const QList<RemovalRecord::PackageRun>& runs) {
    QJsonArray array;
    for (const RemovalRecord::PackageRun& run : runs)
        array.append(QJsonObject{{QStringLiteral("command"), run.command},
                                 {QStringLiteral("exitCode"), run.exitCode}});
    return array;
}

CliCommand historyCommand() {
    return {commandName, CliText::tr("List past removals and whether they can be undone."),
            runHistory};
}

} // namespace tidewell
