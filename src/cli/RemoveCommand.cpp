#include "RemoveCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "ItemRemoval.h"
#include "LinuxAppIntake.h"
#include "ScanCommand.h"
#include "platform/FileSystem.h"
#include "platform/RealProgramRunner.h"
#include "removal/RemovalPlan.h"
#include "scanner/ItemClassification.h"
#include "session/PackageRemoval.h"

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("remove");

QString uninstallText(const QString& command) {
    return CliText::tr("The app itself belongs to its package manager. To uninstall it, run: %1")
        .arg(command);
}

// What the command was asked besides the app.
struct RemoveFlags {
    bool json = false;
    bool yes = false;
    bool uninstall = false;
};

// Removes the planned items, runs the package manager when asked and prints what happened; the
// exit code tells whether everything went.
int removeAndReport(const RemovalPlan& plan, const ScanReport& report,
                    const UninstallCommand& uninstall, const RemoveFlags& flags, const Host& host) {
    const RemovalRun run = runRemoval(plan, !flags.yes, host);
    const bool interrupted = run.interrupted;
    // The package manager runs only when asked, after the leftovers are gone, and only a
    // command that needs no administrator rights.
    const bool runsUninstall = flags.uninstall && uninstall.runnable && !interrupted;
    const int uninstallExit = runsUninstall ? runUninstallCommand(uninstall) : 0;
    if (flags.json) {
        QJsonObject object = removalJson(run, plan);
        const QJsonObject leftAlone = leftAloneJson(report);
        for (auto field = leftAlone.constBegin(); field != leftAlone.constEnd(); ++field)
            object.insert(field.key(), field.value());
        if (!uninstall.isEmpty())
            object.insert(QStringLiteral("uninstallCommand"), uninstall.text());
        if (runsUninstall)
            object.insert(QStringLiteral("uninstallExitCode"), uninstallExit);
        CliOutput::printJson(object);
    } else {
        QString text = removalText(run, plan);
        if (const QString leftAlone = leftAloneText(report); !leftAlone.isEmpty())
            text += QStringLiteral("\n\n") + leftAlone.trimmed();
        CliOutput::printLine(text);
        if (runsUninstall)
            CliOutput::printLine(
                CliText::tr("Ran %1 (exit code %2).").arg(uninstall.text()).arg(uninstallExit));
        else if (!uninstall.isEmpty())
            CliOutput::printLine(uninstallText(uninstall.text()));
    }
    const bool complete = run.deletion.failures.isEmpty() && !interrupted && uninstallExit == 0;
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
    const ScanOptions scanOptions;
    parser.addOptions({json, yes, uninstallOption});
    scanOptions.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("BUNDLE"), appArgumentHelp());
    const QString usage =
        QStringLiteral("[--json] [--yes] [--uninstall] [--root DIR] [--no-index] BUNDLE");
    if (auto done = parseCommandArguments(parser, commandName, usage, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1)
        return usageError(commandName, CliText::tr("expected exactly one BUNDLE"));
    if (auto refused = refuseOptionLikeOperands(commandName, parser.positionalArguments()))
        return *refused;
    const auto environment = scanOptions.hostFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&environment))
        return *exitCode;
    // Refused before any work is done.
    if (auto refused = refuseQuestionWithoutTerminal(commandName, parser.isSet(yes)))
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
                           {parser.isSet(json), parser.isSet(yes), parser.isSet(uninstallOption)},
                           host);
}

} // namespace

CliCommand removeCommand() {
    return {commandName, CliText::tr("Move an app bundle and its leftovers to the Trash."),
            runRemove};
}

} // namespace tidewell
