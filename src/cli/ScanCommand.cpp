#include "ScanCommand.h"

#include "AppBatch.h"
#include "CliOutput.h"
#include "CliText.h"
#include "DescribeCommand.h"
#include "ExitCode.h"
#include "LinuxAppIntake.h"
#include "model/CategoryTotal.h"
#include "platform/RealProgramRunner.h"
#include "scanner/DefaultSpotlightService.h"
#include "scanner/LeftoverScannerService.h"
#include "session/SharedByteFormatter.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <unistd.h>

namespace tidewell {

namespace {

const QString commandName = QStringLiteral("scan");

QStringList totalRow(const QString& label, qsizetype count, qint64 bytes, bool complete) {
    return {QStringLiteral("  ") + label, QString::number(count),
            CliText::tr("item(s)", "", int(count)), SharedByteFormatter::sizeText(bytes, complete)};
}

QString totalsTable(const QList<ScannedFile>& matches) {
    QList<QStringList> rows;
    qint64 allBytes = 0;
    bool allComplete = true;
    for (const CategoryTotal& total : categoryTotals(matches)) {
        if (total.itemCount > 0)
            rows.append(totalRow(displayName(total.category), total.itemCount, total.totalBytes,
                                 total.sizeComplete));
        allBytes += total.totalBytes;
        allComplete = allComplete && total.sizeComplete;
    }
    rows.append(totalRow(CliText::tr("Total"), matches.size(), allBytes, allComplete));
    using Align = CliOutput::Align;
    return CliOutput::formatTable(rows, {Align::left, Align::right, Align::left, Align::right});
}

QString indentedPaths(const QStringList& paths) {
    QString text;
    for (const QString& path : paths)
        text += QStringLiteral("  ") + CliOutput::escaped(path) + u'\n';
    return text;
}

// The line that opens the group of one reason, and says what the user may do about it.
QString leftAloneHeading(LeftAloneReason reason, int count) {
    switch (reason) {
    case LeftAloneReason::unreadable:
        return CliText::tr("\nCould not read %n folder(s) (they may hold more leftovers):\n", "",
                           count);
    case LeftAloneReason::sharedSettingsFile:
        return CliText::tr("\n%n settings file(s) name this app among other apps' lines; they "
                           "are not removed (edit them by hand if you wish):\n",
                           "", count);
    case LeftAloneReason::dconfFolder:
        return CliText::tr("\n%n dconf folder(s) hold this app's settings; they are not removed "
                           "(clear one with \"dconf reset -f FOLDER\" if you wish):\n",
                           "", count);
    case LeftAloneReason::undecodableName:
        break;
    }
    return CliText::tr("\n%n item(s) whose names are not valid UTF-8 were found and left alone "
                       "(the unreadable bytes shown as \uFFFD); remove them with a file manager if "
                       "you wish:\n",
                       "", count);
}

// The key of one reason's paths in JSON; each names the list it held before there was one.
QString jsonKey(LeftAloneReason reason) {
    switch (reason) {
    case LeftAloneReason::unreadable:
        return QStringLiteral("permissionDeniedPaths");
    case LeftAloneReason::sharedSettingsFile:
        return QStringLiteral("keptSettingsFiles");
    case LeftAloneReason::dconfFolder:
        return QStringLiteral("keptDconfFolders");
    case LeftAloneReason::undecodableName:
        break;
    }
    return QStringLiteral("undecodablePaths");
}

// One row per item; below an item that is only offered, its reason.
QString itemsTable(const QList<ScannedFile>& files) {
    QList<QStringList> rows;
    for (const ScannedFile& file : files) {
        rows.append({SharedByteFormatter::sizeText(file.sizeInBytes, file.sizeComplete),
                     displayName(file.category), displayName(file.safety), file.id});
        if (!file.isSelected)
            rows.append(
                {QString(), QString(), QString(), QStringLiteral("↳ ") + sentence(file.evidence)});
    }
    return CliOutput::formatTable(rows, {CliOutput::Align::right});
}

QString scanText(const AppDescriptor& app, const ScanReport& report) {
    QString text;
    const QList<ScannedFile> selected = filesWithSelection(report.matches, true);
    const QList<ScannedFile> offered = filesWithSelection(report.matches, false);
    if (report.matches.isEmpty()) {
        text = CliText::tr("No leftovers found for %1.\n").arg(CliOutput::escaped(app.displayName));
    } else {
        text = CliText::tr("Leftovers of %1 (%2):\n")
                   .arg(CliOutput::escaped(app.displayName), CliOutput::escaped(app.identifier)) +
               (selected.isEmpty() ? CliText::tr("  None is certainly the app's.\n")
                                   : itemsTable(selected));
        if (!offered.isEmpty())
            text += CliText::tr("\nReview before removing (not selected; \"remove --all\" takes "
                                "them too):\n") +
                    itemsTable(offered);
        text += incompleteSizesText(notSizedWholeCount(report.matches)) +
                CliText::tr("\nTotals of what is selected:\n") + totalsTable(selected);
    }
    if (const QString note = ownLauncherText(app, report); !note.isEmpty())
        text += u'\n' + note + u'\n';
    return text + leftAloneText(report);
}

int runScan(const QStringList& arguments, const Host& givenHost) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Lists the leftovers of apps in the library folders."));
    const QCommandLineOption json(QStringLiteral("json"), CliText::tr("Print JSON."));
    const ScanOptions options;
    parser.addOption(json);
    options.addTo(parser);
    if (auto done = parseAppArguments(parser, commandName,
                                      QStringLiteral("[--json] [--root DIR] [--no-index] "
                                                     "[--all-users | --user NAME...] APP..."),
                                      arguments))
        return *done;
    const auto homes = options.homesFor(parser, commandName, givenHost);
    if (const int* exitCode = std::get_if<int>(&homes))
        return *exitCode;

    QList<QJsonObject> documents;
    QStringList texts;
    for (const WorkHome& home : std::get<QList<WorkHome>>(homes)) {
        const auto apps = readApps(parser.positionalArguments(), home);
        if (const int* exitCode = std::get_if<int>(&apps))
            return *exitCode;
        QList<QJsonObject> appDocuments;
        QStringList appTexts;
        for (const ScannedApp& scanned :
             scanApps(std::get<QList<AppDescriptor>>(apps), home, !parser.isSet(options.noIndex))) {
            appDocuments.append(scanJson(scanned.app, scanned.report));
            appTexts.append(scanText(scanned.app, scanned.report).chopped(1));
        }
        documents.append(appsJson(appDocuments));
        texts.append(appTexts.join(QStringLiteral("\n\n")));
    }
    if (parser.isSet(json))
        CliOutput::printJson(homesJson(std::get<QList<WorkHome>>(homes), documents));
    else
        CliOutput::printLine(homesText(std::get<QList<WorkHome>>(homes), texts));
    return ExitCode::success;
}

} // namespace

std::variant<AppDescriptor, int> readScannedApp(const QString& argument, const Host& host) {
    if (auto linuxApp = readLinuxApp(argument, host))
        return *linuxApp;
    const QFileInfo given(argument);
    const QString path = QDir::cleanPath(given.absoluteFilePath());
    if (!given.isSymLink())
        return readAppBundle(path);
    // The app the link points to is the one the user means; the link itself is left alone.
    const QString target = given.canonicalFilePath();
    CliOutput::printErrorLine(
        QStringLiteral("%1 is a link; working on the app it points to, %2. The link stays.")
            .arg(CliOutput::escaped(path),
                 CliOutput::escaped(target.isEmpty() ? given.symLinkTarget() : target)));
    return readAppBundle(target.isEmpty() ? path : target);
}

void ScanOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({root, noIndex});
    accounts.addTo(parser);
}

std::variant<QList<WorkHome>, int> ScanOptions::homesFor(const QCommandLineParser& parser,
                                                         const QString& commandName,
                                                         const Host& host) const {
    const auto rooted = hostFor(parser, commandName, host);
    if (const int* exitCode = std::get_if<int>(&rooted))
        return *exitCode;
    return accounts.homesFor(parser, commandName, std::get<Host>(rooted));
}

std::optional<int> parseAppArguments(QCommandLineParser& parser, const QString& commandName,
                                     const QString& usageTail, const QStringList& arguments) {
    parser.addPositionalArgument(QStringLiteral("APP"), appArgumentHelp(),
                                 QStringLiteral("APP..."));
    if (auto done = parseCommandArguments(parser, commandName, usageTail, arguments))
        return done;
    if (parser.positionalArguments().isEmpty())
        return usageError(commandName, CliText::tr("expected at least one APP"));
    return refuseOptionLikeOperands(commandName, parser.positionalArguments());
}

std::variant<Host, int> ScanOptions::hostFor(const QCommandLineParser& parser,
                                             const QString& commandName, const Host& host) const {
    if (!parser.isSet(root))
        return host;
    const QFileInfo folder(parser.value(root));
    if (!folder.isDir())
        return usageError(commandName, CliText::tr("no folder at '%1'").arg(parser.value(root)));
    return host.withRoot(folder.absoluteFilePath());
}

ScanReport scanShowingProgress(const AppDescriptor& app, const Host& host, bool useIndex) {
    LeftoverScannerService scanner(useIndex ? makeDefaultSpotlightService(host) : nullptr, host,
                                   std::make_shared<RealProgramRunner>(host.programPath));
    if (!isatty(fileno(stderr)))
        return scanner.scan(app, useIndex).result();
    // The scanner reports from its own thread; the lock keeps each line whole and the final
    // erase last.
    std::mutex terminal;
    const auto showProgress = [&terminal](int rootsDone, int rootsTotal) {
        const std::lock_guard lock(terminal);
        const QString line = CliText::tr("Scanning… %1/%2 folders").arg(rootsDone).arg(rootsTotal);
        std::fprintf(stderr, "\r\033[K%s", qPrintable(line));
        std::fflush(stderr);
    };
    const ScanReport report = scanner.scan(app, useIndex, showProgress).result();
    const std::lock_guard lock(terminal);
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    return report;
}

CliCommand scanCommand() {
    return {commandName, CliText::tr("List the leftovers of apps."), runScan};
}

QString ownLauncherText(const AppDescriptor& app, const ScanReport& report) {
    const bool listed =
        std::any_of(report.matches.cbegin(), report.matches.cend(),
                    [&app](const ScannedFile& file) { return file.url == app.appURL; });
    if (appGoesWithLeftovers(app.kind) || !listed)
        return {};
    return CliText::tr("%1 is your own launcher of this app; it goes with the leftovers.")
        .arg(CliOutput::escaped(app.appURL.toLocalFile()));
}

QString incompleteSizesText(qsizetype count) {
    if (count == 0)
        return {};
    return CliText::tr("%n item(s) could not be sized whole: some folders inside them could not "
                       "be read.\n",
                       "", int(count));
}

QString leftAloneText(const ScanReport& report) {
    QString text;
    for (const LeftAloneReason reason : allLeftAloneReasons()) {
        const QStringList paths = pathsLeftAlone(report.leftAlone, reason);
        if (!paths.isEmpty())
            text += leftAloneHeading(reason, int(paths.size())) + indentedPaths(paths);
    }
    return text;
}

QJsonObject leftAloneJson(const ScanReport& report) {
    QJsonObject object;
    for (const LeftAloneReason reason : allLeftAloneReasons())
        object.insert(jsonKey(reason),
                      QJsonArray::fromStringList(pathsLeftAlone(report.leftAlone, reason)));
    return object;
}

QJsonObject scanJson(const AppDescriptor& app, const ScanReport& report) {
    QJsonArray matches;
    for (const ScannedFile& file : report.matches) {
        matches.append(QJsonObject{
            {QStringLiteral("path"), file.id},
            {QStringLiteral("category"), rawValue(file.category)},
            {QStringLiteral("safety"), rawValue(file.safety)},
            {QStringLiteral("sizeInBytes"), file.sizeInBytes},
            {QStringLiteral("sizeComplete"), file.sizeComplete},
            {QStringLiteral("selected"), file.isSelected},
            {QStringLiteral("evidence"),
             QJsonObject{{QStringLiteral("code"), rawValue(file.evidence.code)},
                         {QStringLiteral("sentence"), sentence(file.evidence)}}},
        });
    }
    QJsonObject object = leftAloneJson(report);
    object.insert(QStringLiteral("app"), describeJson(app));
    object.insert(QStringLiteral("appGoesWithLeftovers"), appGoesWithLeftovers(app.kind));
    object.insert(QStringLiteral("matches"), matches);
    return object;
}

} // namespace tidewell
