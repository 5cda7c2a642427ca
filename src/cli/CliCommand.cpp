#include "CliCommand.h"

#include "CliOutput.h"
#include "CliText.h"
#include "ExitCode.h"
#include "InterruptWatch.h"
#include "session/AppMetadata.h"

#include <QUrl>

#include <cstdio>
#include <unistd.h>

namespace tidewell {

namespace {

const QString program = QStringLiteral("tidewell-cli");

QString mainHelp(const QList<CliCommand>& commands) {
    QList<QStringList> rows;
    for (const CliCommand& command : commands)
        rows.append({QStringLiteral("  ") + command.name, command.summary});
    return CliText::tr("Usage: %1 COMMAND [options]\n\n"
                       "Removes an app (a bundle, a desktop entry, a Flatpak, a snap or an "
                       "AppImage) and the leftovers it keeps in the user's folders.\n\n"
                       "Commands:\n%2\n"
                       "Options:\n  -h, --help     Show this help.\n"
                       "  -v, --version  Show the version.\n\n"
                       "Run '%1 COMMAND --help' for the options of a command.\n")
        .arg(program, CliOutput::formatTable(rows));
}

// An XDG variable that would pass the user's own files off as settings is ignored; say so
// before any work.
void printIgnoredXdgVariables(const Host& host) {
#ifdef Q_OS_MACOS
    Q_UNUSED(host)
#else
    for (const QString& warning : host.warnings)
        CliOutput::printErrorLine(warning);
#endif
}

} // namespace

int runCli(const QStringList& arguments, const QList<CliCommand>& commands, const Host& host) {
    const QString first = arguments.value(1);
    if (first == u"-h" || first == u"--help") {
        CliOutput::printLine(mainHelp(commands).trimmed());
        return ExitCode::success;
    }
    if (first == u"-v" || first == u"--version") {
        CliOutput::printLine(
            QStringLiteral("%1 %2 (%3)")
                .arg(program, AppMetadata::versionString(), AppMetadata::buildString()));
        return ExitCode::success;
    }
    for (const CliCommand& command : commands) {
        if (command.name == first) {
            printIgnoredXdgVariables(host);
            return command.run(arguments.mid(2), host);
        }
    }
    if (first.isEmpty())
        CliOutput::printErrorLine(mainHelp(commands).trimmed());
    else
        CliOutput::printErrorLine(
            CliText::tr("%1: unknown command '%2'\nRun '%1 --help' for usage.")
                .arg(program, first));
    return ExitCode::usageError;
}

std::optional<int> parseCommandArguments(QCommandLineParser& parser, const QString& commandName,
                                         const QString& usageTail, const QStringList& arguments) {
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CliText::tr("Show this help."));
    parser.addOption(help);
    if (!parser.parse(QStringList{program} + arguments))
        return usageError(commandName, parser.errorText());
    if (parser.isSet(help)) {
        // The parser's own usage line names the executable only; name the command too.
        QString text = parser.helpText();
        text = text.mid(text.indexOf(u'\n') + 1);
        CliOutput::printLine(CliText::tr("Usage: %1 %2 %3\n%4")
                                 .arg(program, commandName, usageTail, text)
                                 .trimmed());
        return ExitCode::success;
    }
    return std::nullopt;
}

int usageError(const QString& commandName, const QString& message) {
    CliOutput::printErrorLine(
        CliText::tr("%1 %2: %3\nRun '%1 %2 --help' for usage.").arg(program, commandName, message));
    return ExitCode::usageError;
}

std::optional<int> refuseOptionLikeOperands(const QString& commandName,
                                            const QStringList& operands) {
    for (const QString& operand : operands) {
        if (operand.startsWith(u'-'))
            return usageError(commandName,
                              CliText::tr("'%1' looks like an option, not an app (write ./%1 for "
                                          "a file of that name)")
                                  .arg(operand));
    }
    return std::nullopt;
}

bool answeredYes(const QString& question) {
    const QByteArray bytes = question.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    const QString answer = InterruptWatch::readLine().value_or(QString()).trimmed().toLower();
    return answer == u"y" || answer == u"yes";
}

std::optional<int> refuseQuestionWithoutTerminal(bool answeredByOption, const QString& commandName,
                                                 const QString& message) {
    if (answeredByOption || isatty(STDIN_FILENO))
        return std::nullopt;
    return usageError(commandName, message);
}

std::variant<AppDescriptor, int> readAppBundle(const QString& path) {
    auto result = AppDescriptor::from(QUrl::fromLocalFile(path));
    if (const auto* error = std::get_if<AppDescriptorError>(&result)) {
        CliOutput::printErrorLine(errorDescription(*error));
        return ExitCode::appRejected;
    }
    return std::get<AppDescriptor>(std::move(result));
}

} // namespace tidewell
