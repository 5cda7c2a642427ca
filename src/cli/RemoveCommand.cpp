#include "RemoveCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "InterruptWatch.h"
#include "LinuxAppIntake.h"
#include "ScanCommand.h"
#include "platform/RealProgramRunner.h"
#include "removal/FileDeletionService.h"
#include "removal/RemovalPlan.h"
#include "scanner/ItemClassification.h"
#include "session/PackageRemoval.h"
#include "session/SharedByteFormatter.h"

#include <QJsonArray>

#include <cstdio>
#include <unistd.h>
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

// Asks on the terminal; only an explicit yes goes on.
bool answeredYes(const QString& question) {
    const QByteArray bytes = question.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    const QString answer = InterruptWatch::readLine().value_or(QString()).trimmed().toLower();
    return answer == u"y" || answer == u"yes";
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
}

// The Trash first; what it refuses is deleted in place only after a second yes (--yes gives
// both). A SIGINT or SIGTERM, while an InterruptWatch is on, stops it between items.
DeletionReport removeItems(const QList<QUrl>& urls, const RemovalScope& scope, bool askFirst,
                           const Host& host) {
    using Method = RemovalOptions::Method;
    const auto stop = [] { return InterruptWatch::raised(); };
    FileDeletionService service(host);
    DeletionReport report = service.deleteItems(urls, scope, {Method::trashOnly, stop}).result();
    const QList<DeletionFailure> refusals = std::exchange(report.trashRefusals, {});
    if (refusals.isEmpty())
        return report;
    if (InterruptWatch::raised() || (askFirst && !confirmPermanentRemoval(refusals))) {
        report.failures += refusals;
        return report;
    }
    append(report,
           service.deleteItems(urlsOf(refusals), scope, {Method::removeInPlace, stop}).result());
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
            {QStringLiteral("notAttempted"), pathArray(deletion.notAttempted)}};
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
};

// The items left where they are because they were only offered, and --all was not given.
QList<QUrl> offeredUrls(const QList<ScannedFile>& offered) {
    QList<QUrl> urls;
    for (const ScannedFile& file : offered)
        urls.append(file.url);
    return urls;
}

QString offeredText(const QList<ScannedFile>& offered) {
    if (offered.isEmpty())
        return {};
    QString text = CliText::tr("\n%n item(s) only offered for review were left in place "
                               "(\"--all\" takes them too):\n",
                               "", int(offered.size()));
    for (const ScannedFile& file : offered)
        text += QStringLiteral("  %1\n    %2\n")
                    .arg(CliOutput::escaped(file.id), sentence(file.evidence));
    return text;
}

// Removes the planned items, runs the package manager when asked and prints what happened; the
// exit code tells whether everything went.
int removeAndReport(const RemovalPlan& plan, const ScanReport& report,
                    const QList<ScannedFile>& offered, const UninstallCommand& uninstall,
                    const RemoveFlags& flags, const Host& host) {
    const InterruptWatch watch;
    const DeletionReport deletion = removeItems(plan.urls(), plan.scope(), !flags.yes, host);
    const bool interrupted = InterruptWatch::raised();
    // The package manager runs only when asked, after the leftovers are gone, and only a
    // command that needs no administrator rights.
    const bool runsUninstall = flags.uninstall && uninstall.runnable && !interrupted;
    const int uninstallExit = runsUninstall ? runUninstallCommand(uninstall) : 0;
    if (flags.json) {
        QJsonObject object = removalJson(deletion, plan.reclaimedSize(deletion), interrupted);
        const QJsonObject leftAlone = leftAloneJson(report);
        for (auto field = leftAlone.constBegin(); field != leftAlone.constEnd(); ++field)
            object.insert(field.key(), field.value());
        object.insert(QStringLiteral("notSelected"), pathArray(offeredUrls(offered)));
        if (!uninstall.isEmpty())
            object.insert(QStringLiteral("uninstallCommand"), uninstall.text());
        if (runsUninstall)
            object.insert(QStringLiteral("uninstallExitCode"), uninstallExit);
        CliOutput::printJson(object);
    } else {
        QString text = removalText(deletion, plan, interrupted);
        if (const QString left = offeredText(offered); !left.isEmpty())
            text += u'\n' + left.chopped(1);
        if (const QString leftAlone = leftAloneText(report); !leftAlone.isEmpty())
            text += QStringLiteral("\n\n") + leftAlone.trimmed();
        CliOutput::printLine(text);
        if (runsUninstall)
            CliOutput::printLine(
                CliText::tr("Ran %1 (exit code %2).").arg(uninstall.text()).arg(uninstallExit));
        else if (!uninstall.isEmpty())
            CliOutput::printLine(uninstallText(uninstall.text()));
    }
    const bool complete = deletion.failures.isEmpty() && !interrupted && uninstallExit == 0;
    return complete ? ExitCode::success : ExitCode::failure;
}

int runRemove(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Moves an app bundle and its leftovers to the Trash."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const QCommandLineOption yes({QStringLiteral("y"), QStringLiteral("yes")},
                                 CliText::tr("Remove without asking."));
    const QCommandLineOption all(
        QStringLiteral("all"),
        CliText::tr("Also remove the items only offered for review (not certainly the app's)."));
    const QCommandLineOption uninstallOption(
        QStringLiteral("uninstall"),
        CliText::tr("Then run the package manager's command that uninstalls the app (Flatpak "
                    "and snap apps)."));
    const ScanOptions scanOptions;
    parser.addOptions({json, yes, all, uninstallOption});
    scanOptions.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("BUNDLE"), appArgumentHelp());
    const QString usage =
        QStringLiteral("[--json] [--yes] [--all] [--uninstall] [--root DIR] [--no-index] BUNDLE");
    if (auto done = parseCommandArguments(parser, commandName, usage, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1)
        return usageError(commandName, CliText::tr("expected exactly one BUNDLE"));
    if (auto refused = refuseOptionLikeOperands(commandName, parser.positionalArguments()))
        return *refused;
    const auto environment = scanOptions.hostFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&environment))
        return *exitCode;
    // Without a terminal nobody can answer the question: refuse before any work is done.
    if (!parser.isSet(yes) && !isatty(STDIN_FILENO))
        return usageError(
            commandName,
            CliText::tr("stdin is not a terminal; pass --yes to remove without asking"));

    const Host& host = std::get<Host>(environment);
    const auto bundle = readScannedBundle(parser, host);
    if (const int* exitCode = std::get_if<int>(&bundle))
        return *exitCode;
    const auto& app = std::get<AppDescriptor>(bundle);
    const ScanReport report = scanShowingProgress(app, host, !parser.isSet(scanOptions.noIndex));
    // Only what is certainly the app's goes, unless --all takes what is offered too.
    const QList<ScannedFile> offered =
        parser.isSet(all) ? QList<ScannedFile>() : filesWithSelection(report.matches, false);
    const RemovalPlan plan(
        parser.isSet(all) ? report.matches : filesWithSelection(report.matches, true), report.roots,
        app, [&app] { return directorySize(app.appURL.toLocalFile(), FileSystem::real()); });
    const UninstallCommand uninstall =
        uninstallCommand(app, host, RealProgramRunner(host.programPath));
    if (const QString note = ownLauncherText(app, report); !note.isEmpty() && !parser.isSet(json))
        CliOutput::printErrorLine(note);
    if (!parser.isSet(yes) && !confirmRemoval(plan)) {
        CliOutput::printErrorLine(CliText::tr("Nothing was removed."));
        return ExitCode::failure;
    }
    return removeAndReport(plan, report, offered, uninstall,
                           {parser.isSet(json), parser.isSet(yes), parser.isSet(uninstallOption)},
                           host);
}

} // namespace

CliCommand removeCommand() {
    return {commandName, CliText::tr("Move an app bundle and its leftovers to the Trash."),
            runRemove};
}

} // namespace tidewell
