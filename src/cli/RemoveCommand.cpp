#include "RemoveCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "LinuxAppIntake.h"
#include "ScanCommand.h"
#include "removal/FileDeletionService.h"
#include "scanner/ItemClassification.h"
#include "session/PackageRemoval.h"
#include "session/SharedByteFormatter.h"

#include <QJsonArray>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("remove");

// One item about to go: where it is and how much it holds.
struct PlannedItem {
    QUrl url;
    qint64 sizeInBytes = 0;
};

// Every leftover in report order, then the app itself when it goes with them.
QList<PlannedItem> itemsToRemove(const ScanReport& report, const AppDescriptor& app) {
    QList<PlannedItem> items;
    for (const ScannedFile& file : report.matches)
        items.append({file.url, file.sizeInBytes});
    if (appGoesWithLeftovers(app.kind))
        items.append({app.appURL, directorySize(app.appURL.toLocalFile(), FileSystem::real())});
    return items;
}

QString itemTable(const QList<QUrl>& urls, const QList<PlannedItem>& items) {
    QList<QStringList> rows;
    for (const QUrl& url : urls) {
        const auto item =
            std::find_if(items.cbegin(), items.cend(),
                         [&url](const PlannedItem& planned) { return planned.url == url; });
        const qint64 size = item == items.cend() ? 0 : item->sizeInBytes;
        rows.append({QStringLiteral("  ") + SharedByteFormatter::string(size), url.toLocalFile()});
    }
    return CliOutput::formatTable(rows, {CliOutput::Align::right});
}

QList<QUrl> urlsOf(const QList<PlannedItem>& items) {
    QList<QUrl> urls;
    for (const PlannedItem& item : items)
        urls.append(item.url);
    return urls;
}

QString uninstallText(const QString& command) {
    return CliText::tr("The app itself belongs to its package manager. To uninstall it, run: %1")
        .arg(command);
}

// Shows what would go, then asks on the terminal; only an explicit yes goes on.
bool confirmRemoval(const QList<PlannedItem>& items) {
    const QString question =
        CliText::tr("These %n item(s) will be moved to the Trash:\n", "", int(items.size())) +
        itemTable(urlsOf(items), items) + CliText::tr("Move them to Trash? [y/N] ");
    const QByteArray bytes = question.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    const QString answer = QTextStream(stdin).readLine().trimmed().toLower();
    return answer == u"y" || answer == u"yes";
}

qint64 reclaimedBytes(const DeletionReport& deletion, const QList<PlannedItem>& items) {
    qint64 bytes = 0;
    for (const PlannedItem& item : items) {
        if (deletion.deleted.contains(item.url))
            bytes += item.sizeInBytes;
    }
    return bytes;
}

QJsonArray pathArray(const QList<QUrl>& urls) {
    QJsonArray paths;
    for (const QUrl& url : urls)
        paths.append(url.toLocalFile());
    return paths;
}

QJsonObject removalJson(const DeletionReport& deletion, qint64 reclaimed) {
    QJsonArray failures;
    for (const DeletionFailure& failure : deletion.failures)
        failures.append(QJsonObject{{QStringLiteral("path"), failure.url.toLocalFile()},
                                    {QStringLiteral("reason"), failure.reason}});
    return {{QStringLiteral("deleted"), pathArray(deletion.deleted)},
            {QStringLiteral("trashed"), pathArray(deletion.trashed)},
            {QStringLiteral("removedPermanently"), pathArray(deletion.removedPermanently)},
            {QStringLiteral("failures"), failures},
            {QStringLiteral("reclaimedBytes"), reclaimed}};
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

QString removalText(const DeletionReport& deletion, const QList<PlannedItem>& items,
                    qint64 reclaimed) {
    QString text;
    if (!deletion.deleted.isEmpty())
        text += CliText::tr("Removed (%1):\n").arg(SharedByteFormatter::string(reclaimed)) +
                itemTable(deletion.deleted, items);
    if (!deletion.failures.isEmpty()) {
        text += CliText::tr("Not removed:\n");
        for (const DeletionFailure& failure : deletion.failures)
            text += QStringLiteral("  %1\n    %2\n")
                        .arg(CliOutput::escaped(failure.url.toLocalFile()), failure.reason);
    }
    return text + summary(deletion);
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

    FileDeletionService deletionService;
    const DeletionReport deletion =
        deletionService
            .deleteItems(urlsOf(items),
                         {report.roots, appGoesWithLeftovers(app.kind) ? bundlePath : QString()})
            .result();
    const qint64 reclaimed = reclaimedBytes(deletion, items);
    // The package manager runs only when asked, after the leftovers are gone, and only a
    // command that needs no administrator rights.
    const bool runsUninstall = parser.isSet(uninstallOption) && uninstall.runnable;
    const int uninstallExit = runsUninstall ? runUninstallCommand(uninstall) : 0;
    if (parser.isSet(json)) {
        QJsonObject object = removalJson(deletion, reclaimed);
        const QJsonObject leftAlone = leftAloneJson(report);
        for (auto field = leftAlone.constBegin(); field != leftAlone.constEnd(); ++field)
            object.insert(field.key(), field.value());
        if (!uninstall.isEmpty())
            object.insert(QStringLiteral("uninstallCommand"), uninstall.text());
        if (runsUninstall)
            object.insert(QStringLiteral("uninstallExitCode"), uninstallExit);
        CliOutput::printJson(object);
    } else {
        QString text = removalText(deletion, items, reclaimed);
        if (const QString leftAlone = leftAloneText(report); !leftAlone.isEmpty())
            text += QStringLiteral("\n\n") + leftAlone.trimmed();
        CliOutput::printLine(text);
        if (runsUninstall)
            CliOutput::printLine(
                CliText::tr("Ran %1 (exit code %2).").arg(uninstall.text()).arg(uninstallExit));
        else if (!uninstall.isEmpty())
            CliOutput::printLine(uninstallText(uninstall.text()));
    }
    if (!deletion.failures.isEmpty() || uninstallExit != 0)
        return ExitCode::failure;
    return ExitCode::success;
}

} // namespace

CliCommand removeCommand() {
    return {commandName, CliText::tr("Move an app bundle and its leftovers to the Trash."),
            runRemove};
}

} // namespace tidewell
