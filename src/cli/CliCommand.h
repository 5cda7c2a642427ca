#pragma once

#include "model/AppDescriptor.h"
#include "platform/Host.h"

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

namespace tidewell {

// One subcommand of tidewell-cli. run receives the arguments after the command's name and the
// host it works on, and returns the process exit code.
struct CliCommand {
    QString name;
    QString summary;
    std::function<int(const QStringList& arguments, const Host& host)> run;
};

// Runs the command named by the first argument (arguments include the program name) on host,
// or answers --help and --version.
int runCli(const QStringList& arguments, const QList<CliCommand>& commands, const Host& host);

// Parses a command's arguments with a parser that already holds its options and positional
// arguments; adds --help. Returns an exit code when the command is done (help printed, or a
// usage error reported on stderr), nothing when it should go on.
std::optional<int> parseCommandArguments(QCommandLineParser& parser, const QString& commandName,
                                         const QString& usageTail, const QStringList& arguments);

// Reports a usage error on stderr and returns ExitCode::usageError.
int usageError(const QString& commandName, const QString& message);

// An app operand that starts with "-" (given after "--") is refused as a usage error: it would
// reach a package manager as an option. A file of such a name is written "./-name".
std::optional<int> refuseOptionLikeOperands(const QString& commandName,
                                            const QStringList& operands);

// Asks question on the terminal (stderr, answered on stdin); only an explicit yes goes on.
bool answeredYes(const QString& question);

// Without a terminal nobody can answer a command's question: unless --yes answers it, the
// command is refused as a usage error with message before any work is done.
std::optional<int> refuseQuestionWithoutTerminal(bool answeredByOption, const QString& commandName,
                                                 const QString& message);

// Reads the bundle at path (as the user typed it). On failure prints the reason on stderr and
// returns ExitCode::appRejected.
std::variant<AppDescriptor, int> readAppBundle(const QString& path);

} // namespace tidewell
