#include "RemoveCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "InterruptWatch.h"
#include "LinuxAppIntake.h"
#include "ScanCommand.h"
#include "removal/FileDeletionService.h"
#include "scanner/ItemClassification.h"
#include "session/PackageRemoval.h"
#include "session/SharedByteFormatter.h"

#include <QHash>
#include <QJsonArray>

#include <cstdio>
#include <unistd.h>
#include <utility>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("remove");

// One item about to go: where it is and how much it holds.
struct PlannedItem {
    QUrl url;
    MeasuredSize size;
};

// The planned items' sizes by location, so that each removed item is looked up, not searched.
using SizeIndex = QHash<QUrl, MeasuredSize>;

// Every leftover in report order, then the app itself when it goes with them.
QList<PlannedItem> itemsToRemove(const ScanReport& report, const AppDescriptor& app) {
    QList<PlannedItem> items;
    for (const ScannedFile& file : report.matches)
        items.append({file.url, {file.sizeInBytes, file.sizeComplete}});
    if (appGoesWithLeftovers(app.kind))
        items.append({app.appURL, directorySize(app.appURL.toLocalFile(), FileSystem::real())});
    return items;
}

SizeIndex sizeIndexOf(const QList<PlannedItem>& items) {
    SizeIndex sizes;
    sizes.reserve(items.size());
    for (const PlannedItem& item : items)
        sizes.insert(item.url, item.size);
    return sizes;
}

template <typename Item> QList<QUrl> urlsOf(const QList<Item>& items) {
    QList<QUrl> urls;
    urls.reserve(items.size());
    for (const Item& item : items)
        urls.append(item.url);
    return urls;
}

QString itemTable(const QList<QUrl>& urls, const SizeIndex& sizes) {
    QList<QStringList> rows;
    rows.reserve(urls.size());
    qsizetype incomplete = 0;
    for (const QUrl& url : urls) {
        const MeasuredSize size = sizes.value(url);
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
bool confirmRemoval(const QList<PlannedItem>& items) {
    return answeredYes(
        CliText::tr("These %n item(s) will be moved to the Trash:\n", "", int(items.size())) +
        itemTable(urlsOf(items), sizeIndexOf(items)) + CliText::tr("Move them to Trash? [y/N] "));
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
DeletionReport removeItems(const QList<QUrl>& urls, const RemovalScope& scope, bool askFirst) {
    using Method = RemovalOptions::Method;
    const auto stop = [] { return InterruptWatch::raised(); };
    FileDeletionService service;
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

MeasuredSize reclaimedSize(const DeletionReport& deletion, const SizeIndex& sizes) {
    MeasuredSize reclaimed;
    for (const QUrl& url : deletion.deleted) {
        const MeasuredSize size = sizes.value(url);
        reclaimed.bytes += size.bytes;
        reclaimed.complete = reclaimed.complete && size.complete;
    }
    return reclaimed;
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

QString removalText(const DeletionReport& deletion, const SizeIndex& sizes,
                    const MeasuredSize& reclaimed, bool interrupted) {
    QString text;
    if (!deletion.deleted.isEmpty())
        text += CliText::tr("Removed (%1):\n")
                    .arg(SharedByteFormatter::sizeText(reclaimed.bytes, reclaimed.complete)) +
                itemTable(deletion.deleted, sizes);
    if (!deletion.failures.isEmpty())
        text += CliText::tr("Not removed:\n") + failureList(deletion.failures);
    if (interrupted)
        text += CliText::tr("Interrupted: %n item(s) were not removed.\n", "",
                            int(deletion.notAttempted.size())) +
                itemTable(deletion.notAttempted, sizes);
    return text + summary(deletion);
}

// What the command was asked besides the app.
struct RemoveFlags {
    bool json = false;
    bool yes = false;
    bool uninstall = false;
};

// Removes the planned items, runs the package manager when asked and prints what happened; the
// exit code tells whether everything went.
int removeAndReport(const QList<PlannedItem>& items, const ScanReport& report,
                    const QString& bundlePath, const UninstallCommand& uninstall,
                    const RemoveFlags& flags) {
    const InterruptWatch watch;
    const DeletionReport deletion =
        removeItems(urlsOf(items), {report.roots, bundlePath}, !flags.yes);
    const SizeIndex sizes = sizeIndexOf(items);
    const MeasuredSize reclaimed = reclaimedSize(deletion, sizes);
    const bool interrupted = InterruptWatch::raised();
    // The package manager runs only when asked, after the leftovers are gone, and only a
    // command that needs no administrator rights.
    const bool runsUninstall = flags.uninstall && uninstall.runnable && !interrupted;
    const int uninstallExit = runsUninstall ? runUninstallCommand(uninstall) : 0;
    if (flags.json) {
        QJsonObject object = removalJson(deletion, reclaimed, interrupted);
        const QJsonObject leftAlone = leftAloneJson(report);
        for (auto field = leftAlone.constBegin(); field != leftAlone.constEnd(); ++field)
            object.insert(field.key(), field.value());
        if (!uninstall.isEmpty())
            object.insert(QStringLiteral("uninstallCommand"), uninstall.text());
        if (runsUninstall)
            object.insert(QStringLiteral("uninstallExitCode"), uninstallExit);
        CliOutput::printJson(object);
    } else {
        QString text = removalText(deletion, sizes, reclaimed, interrupted);
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

int runRemove(const QStringList& arguments) {
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
    const auto environment = scanOptions.environment(parser, commandName);
    if (const int* exitCode = std::get_if<int>(&environment))
        return *exitCode;
    // Without a terminal nobody can answer the question: refuse before any work is done.
    if (!parser.isSet(yes) && !isatty(STDIN_FILENO))
        return usageError(
            commandName,
            CliText::tr("stdin is not a terminal; pass --yes to remove without asking"));

    const auto bundle = readScannedBundle(parser);
    if (const int* exitCode = std::get_if<int>(&bundle))
        return *exitCode;
    const auto& app = std::get<AppDescriptor>(bundle);
    const ScanReport report = scanShowingProgress(app, std::get<ScanEnvironment>(environment),
                                                  !parser.isSet(scanOptions.noIndex));
    const QString homePath = std::get<ScanEnvironment>(environment).homePath;
    const QString bundlePath = app.appURL.toLocalFile();
    const QList<PlannedItem> items = itemsToRemove(report, app);
    const UninstallCommand uninstall = uninstallCommand(app, homePath);
    if (const QString note = ownLauncherText(app, report); !note.isEmpty() && !parser.isSet(json))
        CliOutput::printErrorLine(note);
    if (!parser.isSet(yes) && !confirmRemoval(items)) {
        CliOutput::printErrorLine(CliText::tr("Nothing was removed."));
        return ExitCode::failure;
    }
    return removeAndReport(items, report, appGoesWithLeftovers(app.kind) ? bundlePath : QString(),
                           uninstall,
                           {parser.isSet(json), parser.isSet(yes), parser.isSet(uninstallOption)});
}

} // namespace

CliCommand removeCommand() {
    return {commandName, CliText::tr("Move an app bundle and its leftovers to the Trash."),
            runRemove};
}

} // namespace tidewell
