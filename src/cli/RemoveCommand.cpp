#include "RemoveCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "PackageRemoval.h"
#include "ScanCommand.h"
#include "removal/FileDeletionService.h"
#include "scanner/ItemClassification.h"
#include "session/SharedByteFormatter.h"

#include <QDir>
#include <QJsonArray>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("remove");

// Every leftover in report order, then the bundle itself.
QList<QUrl> itemsToRemove(const ScanReport& report, const QUrl& bundle) {
    QList<QUrl> urls;
    for (const ScannedFile& file : report.matches)
        urls.append(file.url);
    urls.append(bundle);
    return urls;
}

QString uninstallText(const QString& command) {
    return QStringLiteral("The app itself belongs to its package manager. To uninstall it, run: ") +
           command;
}

// Asks on the terminal; only an explicit yes goes on.
bool confirmRemoval(qsizetype count) {
    std::fputs(qPrintable(CliText::tr("Move %n selected items to Trash? [y/N] ", "", int(count))),
               stderr);
    std::fflush(stderr);
    const QString answer = QTextStream(stdin).readLine().trimmed().toLower();
    return answer == u"y" || answer == u"yes";
}

// The bytes freed by the items that are gone: the bundle's size for the bundle, a leftover's
// measured size for a leftover.
qint64 reclaimedBytes(const DeletionReport& deletion, const ScanReport& report,
                      const QString& bundlePath, qint64 bundleSize) {
    qint64 bytes = 0;
    for (const QUrl& url : deletion.deleted) {
        if (QDir::cleanPath(url.toLocalFile()) == bundlePath) {
            bytes += bundleSize;
            continue;
        }
        const auto match = std::find_if(report.matches.cbegin(), report.matches.cend(),
                                        [&](const ScannedFile& file) { return file.url == url; });
        if (match != report.matches.cend())
            bytes += match->sizeInBytes;
    }
    return bytes;
}

QJsonObject removalJson(const DeletionReport& deletion, qint64 reclaimed) {
    QJsonArray deleted;
    for (const QUrl& url : deletion.deleted)
        deleted.append(url.toLocalFile());
    QJsonArray failures;
    for (const DeletionFailure& failure : deletion.failures)
        failures.append(QJsonObject{{QStringLiteral("path"), failure.url.toLocalFile()},
                                    {QStringLiteral("reason"), failure.reason}});
    return {{QStringLiteral("deleted"), deleted},
            {QStringLiteral("failures"), failures},
            {QStringLiteral("reclaimedBytes"), reclaimed}};
}

QString removalText(const DeletionReport& deletion, qint64 reclaimed) {
    QString text;
    if (!deletion.deleted.isEmpty()) {
        text += CliText::tr("Removed (%1):\n").arg(SharedByteFormatter::string(reclaimed));
        for (const QUrl& url : deletion.deleted)
            text += QStringLiteral("  ") + url.toLocalFile() + u'\n';
    }
    if (!deletion.failures.isEmpty()) {
        text += CliText::tr("Not removed:\n");
        for (const DeletionFailure& failure : deletion.failures)
            text += QStringLiteral("  %1\n    %2\n").arg(failure.url.toLocalFile(), failure.reason);
    }
    const qsizetype count = deletion.deleted.size();
    return text + (deletion.failures.isEmpty()
                       ? CliText::tr("Moved %n items to Trash.", "", int(count))
                       : CliText::tr("Deleted %n items. Some files failed.", "", int(count)));
}

int runRemove(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Moves an app bundle and its leftovers to the Trash."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const QCommandLineOption yes({QStringLiteral("y"), QStringLiteral("yes")},
                                 CliText::tr("Remove without asking."));
    const ScanOptions scanOptions;
    parser.addOptions({json, yes});
    scanOptions.addTo(parser);
    parser.addPositionalArgument(QStringLiteral("BUNDLE"), CliText::tr("The .app bundle."));
    const QString usage = QStringLiteral("[--json] [--yes] [--root DIR] [--no-index] BUNDLE");
    if (auto done = parseCommandArguments(parser, commandName, usage, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1)
        return usageError(commandName, CliText::tr("expected exactly one BUNDLE"));
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
    QList<QUrl> urls = itemsToRemove(report, app.appURL);
    // A Linux app's own entry is removed only when the user installed it; the scan reports
    // it then among the leftovers already.
    if (app.kind != AppKind::bundle)
        urls.removeAll(app.appURL);
    const QString uninstall = uninstallCommand(app, homePath);
    if (!parser.isSet(yes) && !confirmRemoval(urls.size())) {
        CliOutput::printErrorLine(CliText::tr("Nothing was removed."));
        return ExitCode::failure;
    }

    const QString bundlePath = app.appURL.toLocalFile();
    const qint64 bundleSize = directorySize(bundlePath, FileSystem::real());
    FileDeletionService deletionService;
    const DeletionReport deletion = deletionService.deleteItems(urls).result();
    const qint64 reclaimed = reclaimedBytes(deletion, report, bundlePath, bundleSize);
    if (parser.isSet(json)) {
        QJsonObject object = removalJson(deletion, reclaimed);
        if (!uninstall.isEmpty())
            object.insert(QStringLiteral("uninstallCommand"), uninstall);
        CliOutput::printJson(object);
    } else {
        CliOutput::printLine(removalText(deletion, reclaimed));
        if (!uninstall.isEmpty())
            CliOutput::printLine(uninstallText(uninstall));
    }
    return deletion.failures.isEmpty() ? ExitCode::success : ExitCode::failure;
}

} // namespace

CliCommand removeCommand() {
    return {commandName, CliText::tr("Move an app bundle and its leftovers to the Trash."),
            runRemove};
}

} // namespace tidewell
