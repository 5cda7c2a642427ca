#pragma once

#include "AccountOptions.h"
#include "CliCommand.h"
#include "CliText.h"
#include "scanner/ScanReport.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonObject>

#include <variant>

namespace tidewell {

// The options of every command that scans: --root DIR, --no-index, and the homes it works in
// (--all-users, --user NAME).
struct ScanOptions {
    QCommandLineOption root{QStringLiteral("root"),
                            CliText::tr("Take the system folders under DIR."),
                            QStringLiteral("DIR")};
    QCommandLineOption noIndex{QStringLiteral("no-index"),
                               CliText::tr("Do not search the file index.")};
    AccountOptions accounts;

    void addTo(QCommandLineParser& parser) const;
    // The host with its system folders under the root that --root names, or the exit code of a
    // usage error (reported on stderr) when DIR is not a folder.
    std::variant<Host, int> hostFor(const QCommandLineParser& parser, const QString& commandName,
                                    const Host& host) const;
    // The homes the command works in, on the host that --root gives (AccountOptions::homesFor).
    std::variant<QList<WorkHome>, int> homesFor(const QCommandLineParser& parser,
                                                const QString& commandName, const Host& host) const;
};

// Parses the arguments of a command that takes apps (APP...), after adding that positional
// argument: the exit code when the command is done (help) or the arguments are wrong, reported
// on stderr; nothing when it should go on.
std::optional<int> parseAppArguments(QCommandLineParser& parser, const QString& commandName,
                                     const QString& usageTail, const QStringList& arguments);

// The bundle named by argument, read by its absolute path: the walk meets the bundle by that
// path and must recognise it to leave it out. A bundle given as a link is read (and later
// removed) where the link points, and stderr says so. A Linux app is looked up among host's. On
// rejection, the exit code (the reason is on stderr).
std::variant<AppDescriptor, int> readScannedApp(const QString& argument, const Host& host);

// Scans host with its services and programs. While stderr is a terminal it shows there how many
// folders the walk has done, and erases that line at the end.
ScanReport scanShowingProgress(const AppDescriptor& app, const Host& host, bool useIndex);

// `scan APP... [--json] [--root DIR] [--no-index] [--all-users | --user NAME...]`: the
// leftovers a scan finds for apps, in the process's own home or in the users' homes.
CliCommand scanCommand();

// The line saying that the user's own launcher of a package-managed app is among its leftovers
// (it goes with them; the package's own entry never does); empty when it is not.
QString ownLauncherText(const AppDescriptor& app, const ScanReport& report);

// The line below a table of sizes saying that count of them could not be sized whole, and why;
// empty when count is 0.
QString incompleteSizesText(qsizetype count);

// What the scan met but leaves alone, one group per reason: folders it could not read, settings
// files that name the app among others' lines, dconf folders of its settings, and items whose
// names are not valid UTF-8; empty when there are none.
QString leftAloneText(const ScanReport& report);

// The same as JSON, one list per reason: "permissionDeniedPaths", "keptSettingsFiles",
// "keptDconfFolders" and "undecodablePaths".
QJsonObject leftAloneJson(const ScanReport& report);

// The scan as JSON: "app" (as describe prints it), "appGoesWithLeftovers" (whether remove takes
// the app itself too), "matches" in report order (path, category, safety, sizeInBytes,
// sizeComplete, selected, evidence {code, sentence}) and what leftAloneJson holds.
QJsonObject scanJson(const AppDescriptor& app, const ScanReport& report);

} // namespace tidewell
