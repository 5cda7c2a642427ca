#include "RemoveCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "DescribeCommand.h"
#include "ExitCode.h"
#include "HomeRemoval.h"
#include "InterruptWatch.h"
#include "ScanCommand.h"
#include "session/SharedByteFormatter.h"

#include <QJsonArray>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("remove");

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

QString appHeading(const AppDescriptor& app) {
    return CliText::tr("%1 (%2):")
        .arg(CliOutput::escaped(app.displayName), CliOutput::escaped(app.identifier));
}

// Whether the report names each app: more than one, or any in a user's home.
bool namesApps(const QList<HomeRemoval>& removals) {
    return removals.size() > 1 || removals.value(0).home.account ||
           removals.value(0).apps.size() > 1;
}

// Shows what would go, with sizes, before asking: the items of each app in each home.
bool confirmRemoval(const QList<HomeRemoval>& removals) {
    QString items;
    qsizetype count = 0;
    for (const HomeRemoval& removal : removals) {
        if (removal.home.account)
            items += removal.home.heading() + u'\n';
        for (const AppRemoval& app : removal.apps) {
            if (namesApps(removals))
                items += appHeading(app.scanned.app) + u'\n';
            items += itemTable(app.plan.urls(), app.plan);
            count += app.plan.items().size();
        }
    }
    return answeredYes(
        CliText::tr("These %n item(s) will be moved to the Trash:\n", "", int(count)) + items +
        CliText::tr("Move them to Trash? [y/N] "));
}

bool confirmPermanentRemoval(const QList<DeletionFailure>& refusals) {
    return answeredYes(
        CliText::tr("The Trash refused these %n item(s):\n", "", int(refusals.size())) +
        failureList(refusals) + CliText::tr("Delete them permanently? [y/N] "));
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

// How to put back what went to the Trash, when something did.
QString undoHint(const DeletionReport& deletion) {
    if (deletion.journalId == 0 || deletion.trashed.isEmpty())
        return {};
    return u'\n' + CliText::tr("To put it back: tidewell-cli undo %1").arg(deletion.journalId);
}

// The leftovers of one app found outside the user's home an administrator works in.
QString outsideHomeText(const QList<QUrl>& urls) {
    if (urls.isEmpty())
        return {};
    QString text =
        CliText::tr("\nLeft alone outside the user's home (%n item(s)):\n", "", int(urls.size()));
    for (const QUrl& url : urls)
        text += QStringLiteral("  ") + CliOutput::escaped(url.toLocalFile()) + u'\n';
    return text;
}

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

QJsonObject appRemovalJson(const AppRemoval& app, bool interrupted, bool named) {
    const DeletionReport& deletion = app.deletion;
    QJsonObject object = removalJson(deletion, app.plan.reclaimedSize(deletion), interrupted);
    const QJsonObject leftAlone = leftAloneJson(app.scanned.report);
    for (auto field = leftAlone.constBegin(); field != leftAlone.constEnd(); ++field)
        object.insert(field.key(), field.value());
    if (!app.uninstall.isEmpty())
        object.insert(QStringLiteral("uninstallCommand"), app.uninstall.text());
    if (app.uninstallExitCode)
        object.insert(QStringLiteral("uninstallExitCode"), *app.uninstallExitCode);
    if (named)
        object.insert(QStringLiteral("app"), describeJson(app.scanned.app));
    if (app.plan.scope().confinement.size() > 0)
        object.insert(QStringLiteral("outsideHome"), pathArray(app.outsideHome));
    object.insert(QStringLiteral("notSelected"), pathArray(offeredUrls(app.offeredLeft)));
    return object;
}

QString appRemovalText(const AppRemoval& app, bool interrupted, bool named) {
    QString text = named ? appHeading(app.scanned.app) + u'\n' : QString();
    text += removalText(app.deletion, app.plan, interrupted);
    if (const QString left = offeredText(app.offeredLeft); !left.isEmpty())
        text += u'\n' + left.chopped(1);
    if (const QString leftAlone = leftAloneText(app.scanned.report); !leftAlone.isEmpty())
        text += QStringLiteral("\n\n") + leftAlone.trimmed();
    if (app.uninstallExitCode)
        text += u'\n' + CliText::tr("Ran %1 (exit code %2).")
                            .arg(app.uninstall.text())
                            .arg(*app.uninstallExitCode);
    else if (!app.uninstall.isEmpty())
        text += u'\n' + uninstallText(app.uninstall.text());
    return text + undoHint(app.deletion) + outsideHomeText(app.outsideHome);
}

// Prints what the removal did, home by home and app by app.
void report(const QList<HomeRemoval>& removals, bool json, bool interrupted) {
    QList<WorkHome> homes;
    QList<QJsonObject> documents;
    QStringList texts;
    for (const HomeRemoval& removal : removals) {
        QList<QJsonObject> appDocuments;
        QStringList appTexts;
        for (const AppRemoval& app : removal.apps) {
            appDocuments.append(appRemovalJson(app, interrupted, removal.apps.size() > 1));
            appTexts.append(appRemovalText(app, interrupted, namesApps(removals)));
        }
        homes.append(removal.home);
        documents.append(appsJson(appDocuments));
        texts.append(appTexts.join(QStringLiteral("\n\n")));
    }
    if (json)
        CliOutput::printJson(homesJson(homes, documents));
    else
        CliOutput::printLine(homesText(homes, texts).trimmed());
}

// Scans every home for the apps and plans their removal; the exit code when an app is rejected.
std::variant<QList<HomeRemoval>, int> planRemovals(const QList<WorkHome>& homes,
                                                   const QStringList& operands, bool useIndex,
                                                   bool withOffered) {
    QList<HomeRemoval> removals;
    for (const WorkHome& home : homes) {
        const auto apps = readApps(operands, home);
        if (const int* exitCode = std::get_if<int>(&apps))
            return *exitCode;
        removals.append(HomeRemoval::plan(
            home, scanApps(std::get<QList<AppDescriptor>>(apps), home, useIndex), withOffered));
    }
    return removals;
}

void printLauncherNotes(const QList<HomeRemoval>& removals) {
    for (const HomeRemoval& removal : removals) {
        for (const AppRemoval& app : removal.apps) {
            if (const QString note = ownLauncherText(app.scanned.app, app.scanned.report);
                !note.isEmpty())
                CliOutput::printErrorLine(note);
        }
    }
}

// Whether nothing at all was removed because the journal could not be written; then says why.
bool refusedForTheJournal(const QList<HomeRemoval>& removals) {
    const QString refusal = journalRefusal(removals);
    if (refusal.isEmpty())
        return false;
    CliOutput::printErrorLine(
        refusal + u' ' +
        CliText::tr("Pass --no-journal to remove without it; that removal cannot be undone."));
    for (const HomeRemoval& removal : removals) {
        for (const AppRemoval& app : removal.apps) {
            if (!app.deletion.deleted.isEmpty())
                return false;
        }
    }
    return true;
}

// Removes the planned items (the Trash first, then in place what it refused, after a second
// question unless --yes), runs the package managers when asked and prints what happened; the
// exit code tells whether everything went. Each app's removal is recorded in journal first.
int removeAndReport(QList<HomeRemoval>& removals, const RemoveFlags& flags,
                    const std::shared_ptr<const RemovalJournal>& journal) {
    const InterruptWatch watch;
    const auto stop = [] { return InterruptWatch::raised(); };
    trashPlannedItems(removals, stop, journal);
    if (refusedForTheJournal(removals))
        return ExitCode::failure;
    const QList<DeletionFailure> refusals = trashRefusals(removals);
    const bool removeInPlace = !refusals.isEmpty() && !InterruptWatch::raised() &&
                               (flags.yes || confirmPermanentRemoval(refusals));
    settleTrashRefusals(removals, removeInPlace, stop, journal);
    const bool interrupted = InterruptWatch::raised();
    // The package managers run only when asked, after the leftovers are gone, and only
    // commands that need no administrator rights.
    if (flags.uninstall && !interrupted)
        runUninstallCommands(removals, journal.get());
    report(removals, flags.json, interrupted);
    return isComplete(removals) && !interrupted ? ExitCode::success : ExitCode::failure;
}

int runRemove(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CliText::tr("Moves apps and their leftovers to the Trash."));
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
    const QCommandLineOption noJournal(
        QStringLiteral("no-journal"),
        CliText::tr("Remove without recording the removal: it cannot be undone then."));
    const ScanOptions scanOptions;
    parser.addOptions({json, yes, all, uninstallOption, noJournal});
    scanOptions.addTo(parser);
    const QString usage =
        QStringLiteral("[--json] [--yes] [--all] [--uninstall] [--no-journal] [--root DIR] "
                       "[--no-index] "
                       "[--all-users | --user NAME...] APP...");
    if (auto done = parseAppArguments(parser, commandName, usage, arguments))
        return *done;
    const auto homes = scanOptions.homesFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&homes))
        return *exitCode;
    if (auto refused = refuseQuestionWithoutTerminal(
            parser.isSet(yes), commandName,
            CliText::tr("stdin is not a terminal; pass --yes to remove without asking")))
        return *refused;

    // Only what is certainly the app's goes, unless --all takes what is offered too.
    auto planned = planRemovals(std::get<QList<WorkHome>>(homes), parser.positionalArguments(),
                                !parser.isSet(scanOptions.noIndex), parser.isSet(all));
    if (const int* exitCode = std::get_if<int>(&planned))
        return *exitCode;
    QList<HomeRemoval>& removals = std::get<QList<HomeRemoval>>(planned);
    if (!parser.isSet(json))
        printLauncherNotes(removals);
    // Removals are recorded in the process's own journal, whoever's home they are in: its user
    // is the one who can undo them.
    const auto journal =
        parser.isSet(noJournal)
            ? nullptr
            : std::make_shared<RemovalJournal>(RemovalJournal::folderOn(givenHost));
    return removePlanned(
        removals, {parser.isSet(json), parser.isSet(yes), parser.isSet(uninstallOption)}, journal);
}

} // namespace

int removePlanned(QList<HomeRemoval>& removals, const RemoveFlags& flags,
                  const std::shared_ptr<const RemovalJournal>& journal) {
    if (!flags.yes && !confirmRemoval(removals)) {
        CliOutput::printErrorLine(CliText::tr("Nothing was removed."));
        return ExitCode::failure;
    }
    return removeAndReport(removals, flags, journal);
}

CliCommand removeCommand() {
    return {commandName, CliText::tr("Move apps and their leftovers to the Trash."), runRemove};
}

} // namespace tidewell
