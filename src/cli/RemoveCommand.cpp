#include "RemoveCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "InterruptWatch.h"
#include "LinuxAppIntake.h"
#include "ScanCommand.h"
#include "platform/RealProgramRunner.h"
#include "removal/FileDeletionService.h"
#include "removal/RemovalJournal.h"
#include "removal/RemovalPlan.h"
#include "scanner/ItemClassification.h"
#include "session/PackageRemoval.h"
#include "session/SharedByteFormatter.h"

#include <QDir>
#include <QJsonArray>

#include <utility>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("remove");

QList<QUrl> urlsOf(const QList<DeletionFailure>& failures) {
    QList<QUrl> urls;
    urls.reserve(failures.size());
    for (const DeletionFailure& failure : failures)
        urls.append(failure.url);
    return urls;
}

QString itemTable(const QList<QUrl>& urls, const RemovalPlan& plan) {
    QList<QStringList> rows;
    rows.reserve(urls.size());
    qsizetype incomplete = 0;
    for (const QUrl& url : urls) {
        const MeasuredSize size = plan.sizeOf(url);
        rows.append(
            {QStringLiteral("  ") + SharedByteFormatter::sizeText(size.bytes, size.complete),
             url.toLocalFile()});
        incomplete += size.complete ? 0 : 1;
    }
    return CliOutput::formatTable(rows, {CliOutput::Align::right}) +
           incompleteSizesText(incomplete);
}

// Each item with its reason on a line of its own below it.
QString failureList(const QList<DeletionFailure>& failures) {
    QString text;
    for (const DeletionFailure& failure : failures)
        text += QStringLiteral("  %1\n    %2\n")
                    .arg(CliOutput::escaped(failure.url.toLocalFile()), failure.reason);
    return text;
}

QString uninstallText(const QString& command) {
    return CliText::tr("The app itself belongs to its package manager. To uninstall it, run: %1")
        .arg(command);
}

// Shows what would go, with sizes, before asking.
bool confirmRemoval(const RemovalPlan& plan) {
    return answeredYes(CliText::tr("These %n item(s) will be moved to the Trash:\n", "",
                                   int(plan.items().size())) +
                       itemTable(plan.urls(), plan) + CliText::tr("Move them to Trash? [y/N] "));
}

bool confirmPermanentRemoval(const QList<DeletionFailure>& refusals) {
    return answeredYes(
        CliText::tr("The Trash refused these %n item(s):\n", "", int(refusals.size())) +
        failureList(refusals) + CliText::tr("Delete them permanently? [y/N] "));
}

void append(DeletionReport& report, const DeletionReport& later) {
    report.deleted += later.deleted;
    report.failures += later.failures;
    report.trashed += later.trashed;
    report.removedPermanently += later.removedPermanently;
    report.notAttempted += later.notAttempted;
    if (!later.journalFailure.isEmpty())
        report.journalFailure = later.journalFailure;
}

// Records in the journal entry of removal id, when there is one, the items that stay after all.
void recordStaying(const RemovalJournal* journal, qint64 id, const QList<DeletionFailure>& stayed) {
    if (!journal || id == 0)
        return;
    std::variant<JournalEntry, QString> entry = journal->reopen(id);
    JournalEntry* opened = std::get_if<JournalEntry>(&entry);
    for (qsizetype index = 0; opened && index < stayed.size(); ++index)
        opened->record({QDir::cleanPath(stayed[index].url.toLocalFile()),
                        {},
                        RemovalRecord::Outcome::failed,
                        {},
                        stayed[index].reason});
}

// The Trash first; what it refuses is deleted in place only after a second yes (--yes gives
// both). A SIGINT or SIGTERM, while an InterruptWatch is on, stops it between items. Both
// rounds go into the removal's one journal entry.
DeletionReport removeItems(const RemovalPlan& plan, bool askFirst, const Host& host,
                           const std::shared_ptr<const RemovalJournal>& journal) {
    using Method = RemovalOptions::Method;
    const auto stop = [] { return InterruptWatch::raised(); };
    FileDeletionService service(host, FileSystem::real(), journal);
    DeletionReport report = service.deleteItems(plan, {Method::trashOnly, stop}).result();
    const QList<DeletionFailure> refusals = std::exchange(report.trashRefusals, {});
    if (refusals.isEmpty())
        return report;
    if (InterruptWatch::raised() || !report.journalFailure.isEmpty() ||
        (askFirst && !confirmPermanentRemoval(refusals))) {
        report.failures += refusals;
        recordStaying(journal.get(), report.journalId, refusals);
        return report;
    }
    QList<RemovalPlan::Item> refused;
    for (const QUrl& url : urlsOf(refusals))
        refused.append({url, plan.sizeOf(url)});
    const RemovalOptions secondRound{Method::removeInPlace, stop, report.journalId};
    append(report,
           service.deleteItems({refused, plan.scope(), plan.subject()}, secondRound).result());
    return report;
}

QJsonArray pathArray(const QList<QUrl>& urls) {
    QJsonArray paths;
    for (const QUrl& url : urls)
        paths.append(url.toLocalFile());
    return paths;
}

QJsonObject removalJson(const DeletionReport& deletion, const MeasuredSize& reclaimed,
                        bool interrupted) {
    QJsonArray failures;
    for (const DeletionFailure& failure : deletion.failures)
        failures.append(QJsonObject{{QStringLiteral("path"), failure.url.toLocalFile()},
                                    {QStringLiteral("reason"), failure.reason}});
    return {{QStringLiteral("deleted"), pathArray(deletion.deleted)},
            {QStringLiteral("trashed"), pathArray(deletion.trashed)},
            {QStringLiteral("removedPermanently"), pathArray(deletion.removedPermanently)},
            {QStringLiteral("failures"), failures},
            {QStringLiteral("reclaimedBytes"), reclaimed.bytes},
            {QStringLiteral("reclaimedSizeComplete"), reclaimed.complete},
            {QStringLiteral("interrupted"), interrupted},
            {QStringLiteral("notAttempted"), pathArray(deletion.notAttempted)},
            {QStringLiteral("journalId"), deletion.journalId}};
}

// The closing line: what went to the Trash, what the Trash refused and was deleted outright,
// and whether anything stayed.
QString summary(const DeletionReport& deletion) {
    QStringList parts;
    if (!deletion.trashed.isEmpty() || deletion.removedPermanently.isEmpty())
        parts.append(CliText::tr("Moved %n item(s) to Trash.", "", int(deletion.trashed.size())));
    if (!deletion.removedPermanently.isEmpty())
        parts.append(CliText::tr("Deleted %n item(s) permanently (the Trash refused them).", "",
                                 int(deletion.removedPermanently.size())));
    if (!deletion.failures.isEmpty())
        parts.append(
            CliText::tr("%n item(s) could not be removed.", "", int(deletion.failures.size())));
    return parts.join(u' ');
}

QString removalText(const DeletionReport& deletion, const RemovalPlan& plan, bool interrupted) {
    QString text;
    if (!deletion.deleted.isEmpty()) {
        const MeasuredSize reclaimed = plan.reclaimedSize(deletion);
        text += CliText::tr("Removed (%1):\n")
                    .arg(SharedByteFormatter::sizeText(reclaimed.bytes, reclaimed.complete)) +
                itemTable(deletion.deleted, plan);
    }
    if (!deletion.failures.isEmpty())
        text += CliText::tr("Not removed:\n") + failureList(deletion.failures);
    if (interrupted)
        text += CliText::tr("Interrupted: %n item(s) were not removed.\n", "",
                            int(deletion.notAttempted.size())) +
                itemTable(deletion.notAttempted, plan);
    return text + summary(deletion);
}

// What the command was asked besides the app.
struct RemoveFlags {
    bool json = false;
    bool yes = false;
    bool uninstall = false;
    bool journal = true;
};

// The package manager's command, when it ran, with its exit code.
struct UninstallRun {
    bool ran = false;
    int exitCode = 0;
};

// Whether the removal stopped before its last item: a signal, or a journal that could no longer
// be written.
bool wasCutShort(const DeletionReport& deletion) {
    return InterruptWatch::raised() || !deletion.journalFailure.isEmpty();
}

// How to put back what went to the Trash, when something did.
QString undoHint(const DeletionReport& deletion) {
    if (deletion.journalId == 0 || deletion.trashed.isEmpty())
        return {};
    return CliText::tr("To put it back: tidewell-cli undo %1").arg(deletion.journalId);
}

void printRemoval(const DeletionReport& deletion, const RemovalPlan& plan, const ScanReport& report,
                  const UninstallCommand& uninstall, const UninstallRun& run, bool json) {
    const bool interrupted = wasCutShort(deletion);
    if (json) {
        QJsonObject object = removalJson(deletion, plan.reclaimedSize(deletion), interrupted);
        const QJsonObject leftAlone = leftAloneJson(report);
        for (auto field = leftAlone.constBegin(); field != leftAlone.constEnd(); ++field)
            object.insert(field.key(), field.value());
        if (!uninstall.isEmpty())
            object.insert(QStringLiteral("uninstallCommand"), uninstall.text());
        if (run.ran)
            object.insert(QStringLiteral("uninstallExitCode"), run.exitCode);
        CliOutput::printJson(object);
        return;
    }
    QString text = removalText(deletion, plan, interrupted);
    if (const QString leftAlone = leftAloneText(report); !leftAlone.isEmpty())
        text += QStringLiteral("\n\n") + leftAlone.trimmed();
    if (const QString hint = undoHint(deletion); !hint.isEmpty())
        text += u'\n' + hint;
    CliOutput::printLine(text);
    if (run.ran)
        CliOutput::printLine(
            CliText::tr("Ran %1 (exit code %2).").arg(uninstall.text()).arg(run.exitCode));
    else if (!uninstall.isEmpty())
        CliOutput::printLine(uninstallText(uninstall.text()));
}

// Removes the planned items, runs the package manager when asked and prints what happened; the
// exit code tells whether everything went.
int removeAndReport(const RemovalPlan& plan, const ScanReport& report,
                    const UninstallCommand& uninstall, const RemoveFlags& flags, const Host& host) {
    const InterruptWatch watch;
    const auto journal =
        flags.journal ? std::make_shared<RemovalJournal>(RemovalJournal::folderOn(host)) : nullptr;
    const DeletionReport deletion = removeItems(plan, !flags.yes, host, journal);
    if (deletion.journalId == 0 && !deletion.journalFailure.isEmpty()) {
        CliOutput::printErrorLine(
            deletion.journalFailure + u' ' +
            CliText::tr("Pass --no-journal to remove without it; that removal cannot be undone."));
        return ExitCode::failure;
    }
    const bool interrupted = wasCutShort(deletion);
    // The package manager runs only when asked, after the leftovers are gone, and only a
    // command that needs no administrator rights.
    UninstallRun run;
    if (flags.uninstall && uninstall.runnable && !interrupted) {
        run = {true, runUninstallCommand(uninstall)};
        const std::optional<QString> unrecorded =
            journal && deletion.journalId != 0
                ? journal->recordPackageRun(deletion.journalId, {uninstall.text(), run.exitCode})
                : std::nullopt;
        if (unrecorded)
            CliOutput::printErrorLine(*unrecorded);
    }
    printRemoval(deletion, plan, report, uninstall, run, flags.json);
    if (!deletion.journalFailure.isEmpty())
        CliOutput::printErrorLine(deletion.journalFailure);
    const bool complete = deletion.failures.isEmpty() && !interrupted && run.exitCode == 0;
    return complete ? ExitCode::success : ExitCode::failure;
}

int runRemove(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Moves an app bundle and its leftovers to the Trash."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const QCommandLineOption yes({QStringLiteral("y"), QStringLiteral("yes")},
                                 CliText::tr("Remove without asking."));
    const QCommandLineOption uninstallOption(
        QStringLiteral("uninstall"),
        CliText::tr("Then run the package manager's command that uninstalls the app (Flatpak "
                    "and snap apps)."));
    const QCommandLineOption noJournal(
        QStringLiteral("no-journal"),
        CliText::tr("Remove without recording the removal: it cannot be undone then."));
    const ScanOptions scanOptions;
    parser.addOptions({json, yes, uninstallOption, noJournal});
    scanOptions.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("BUNDLE"), appArgumentHelp());
    const QString usage = QStringLiteral(
        "[--json] [--yes] [--uninstall] [--no-journal] [--root DIR] [--no-index] BUNDLE");
    if (auto done = parseCommandArguments(parser, commandName, usage, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1)
        return usageError(commandName, CliText::tr("expected exactly one BUNDLE"));
    if (auto refused = refuseOptionLikeOperands(commandName, parser.positionalArguments()))
        return *refused;
    const auto environment = scanOptions.hostFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&environment))
        return *exitCode;
    if (auto refused = refuseQuestionWithoutTerminal(
            parser.isSet(yes), commandName,
            CliText::tr("stdin is not a terminal; pass --yes to remove without asking")))
        return *refused;

    const Host& host = std::get<Host>(environment);
    const auto bundle = readScannedBundle(parser, host);
    if (const int* exitCode = std::get_if<int>(&bundle))
        return *exitCode;
    const auto& app = std::get<AppDescriptor>(bundle);
    const ScanReport report = scanShowingProgress(app, host, !parser.isSet(scanOptions.noIndex));
    const RemovalPlan plan(report.matches, report.roots, app, [&app] {
        return directorySize(app.appURL.toLocalFile(), FileSystem::real());
    });
    const UninstallCommand uninstall =
        uninstallCommand(app, host, RealProgramRunner(host.programPath));
    if (const QString note = ownLauncherText(app, report); !note.isEmpty() && !parser.isSet(json))
        CliOutput::printErrorLine(note);
    if (!parser.isSet(yes) && !confirmRemoval(plan)) {
        CliOutput::printErrorLine(CliText::tr("Nothing was removed."));
        return ExitCode::failure;
    }
    return removeAndReport(plan, report, uninstall,
                           {parser.isSet(json), parser.isSet(yes), parser.isSet(uninstallOption),
                            !parser.isSet(noJournal)},
                           host);
}

} // namespace

CliCommand removeCommand() {
    return {commandName, CliText::tr("Move an app bundle and its leftovers to the Trash."),
            runRemove};
}

} // namespace tidewell
