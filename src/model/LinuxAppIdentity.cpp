#include "LinuxAppIdentity.h"

#include "PathRules.h"
#include "TextRules.h"

#include <QRegularExpression>
#include <QSet>

namespace tidewell::linuxapp {

namespace {

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// Programs that run another program or a script named by a later argument: the app is that
// argument, not the runner.
bool isProgramRunner(const QString& program) {
    static const QSet<QString> runners{
        QStringLiteral("env"),     QStringLiteral("sh"),      QStringLiteral("bash"),
        QStringLiteral("dash"),    QStringLiteral("zsh"),     QStringLiteral("python"),
        QStringLiteral("python2"), QStringLiteral("python3"), QStringLiteral("java"),
        QStringLiteral("mono"),    QStringLiteral("node"),    QStringLiteral("perl"),
        QStringLiteral("ruby"),    QStringLiteral("lua"),     QStringLiteral("gjs"),
    };
    return runners.contains(program);
}

// Tools that serve every app and every user: a launcher that starts one of them (a terminal
// running a command, "ssh -X host xterm", "git gui", "xdg-open FILE", a privilege tool, the
// package managers' own launchers) tells nothing about an app by that tool's name, and the
// tool's own folders (~/.ssh, ~/.gnupg, ~/.git) are never an app's leftovers. Nor do they run
// "the app" as a later argument in any way these rules could read, so nothing after them counts.
bool isGeneralTool(const QString& program) {
    static const QSet<QString> tools{
        // terminals
        QStringLiteral("x-terminal-emulator"),
        QStringLiteral("xterm"),
        QStringLiteral("uxterm"),
        QStringLiteral("gnome-terminal"),
        QStringLiteral("konsole"),
        QStringLiteral("xfce4-terminal"),
        QStringLiteral("mate-terminal"),
        QStringLiteral("lxterminal"),
        QStringLiteral("qterminal"),
        QStringLiteral("tilix"),
        QStringLiteral("terminator"),
        QStringLiteral("alacritty"),
        QStringLiteral("kitty"),
        QStringLiteral("foot"),
        QStringLiteral("wezterm"),
        QStringLiteral("urxvt"),
        QStringLiteral("rxvt"),
        QStringLiteral("st"),
        // remote shells, version control, keys and privileges
        QStringLiteral("ssh"),
        QStringLiteral("scp"),
        QStringLiteral("sftp"),
        QStringLiteral("mosh"),
        QStringLiteral("git"),
        QStringLiteral("gpg"),
        QStringLiteral("gpg2"),
        QStringLiteral("gpg-agent"),
        QStringLiteral("sudo"),
        QStringLiteral("su"),
        QStringLiteral("doas"),
        QStringLiteral("pkexec"),
        // openers, session helpers and process wrappers
        QStringLiteral("xdg-open"),
        QStringLiteral("gio"),
        QStringLiteral("kde-open"),
        QStringLiteral("gtk-launch"),
        QStringLiteral("dbus-launch"),
        QStringLiteral("dbus-send"),
        QStringLiteral("gdbus"),
        QStringLiteral("systemctl"),
        QStringLiteral("systemd-run"),
        QStringLiteral("nohup"),
        QStringLiteral("nice"),
        QStringLiteral("ionice"),
        QStringLiteral("taskset"),
        QStringLiteral("timeout"),
        QStringLiteral("exec"),
        // package managers' launchers: "flatpak run ID" is read for its id on its own
        QStringLiteral("flatpak"),
        QStringLiteral("snap"),
    };
    return tools.contains(program);
}

bool isEnvironmentAssignment(const QString& argument) {
    return argument.contains(u'=') && !argument.startsWith(u'-');
}

// The Flatpak id after "flatpak run [options]": the first argument that is no option.
QString flatpakRunTarget(const QStringList& arguments, qsizetype runIndex) {
    if (runIndex < 0)
        return {};
    for (qsizetype index = runIndex + 1; index < arguments.size(); ++index) {
        if (!arguments.at(index).startsWith(u'-'))
            return isValidFlatpakId(arguments.at(index)) ? arguments.at(index) : QString();
    }
    return {};
}

bool isReverseDnsId(const QString& id) {
    return text::identifierSegments(id).size() >= 3;
}

// The first word of a command line that is the program: past options, "VAR=value" settings
// and the runners that start a later argument.
QString launchedWordOf(const QStringList& execArguments) {
    for (const QString& argument : execArguments) {
        if (argument.startsWith(u'-') || isEnvironmentAssignment(argument))
            continue;
        if (!isProgramRunner(fileNameOf(argument)))
            return argument;
    }
    return {};
}

void appendToken(QStringList& tokens, const QString& token) {
    const QString lowered = text::lowercased(text::trimmed(token));
    if (!lowered.isEmpty() && !tokens.contains(lowered))
        tokens.append(lowered);
}

} // namespace

AppKind kindOf(const DesktopEntry& entry) {
    if (!entry.flatpakId.isEmpty())
        return AppKind::flatpak;
    if (!entry.snapName.isEmpty())
        return AppKind::snap;
    if (!entry.appImageName.isEmpty() || !appImageIntegrationHashOf(entry.desktopFileId).isEmpty())
        return AppKind::appImage;
    return AppKind::desktopEntry;
}

QString packageIdOf(const DesktopEntry& entry) {
    if (!entry.flatpakId.isEmpty())
        return isValidFlatpakId(entry.flatpakId) ? entry.flatpakId : QString();
    return isValidSnapName(entry.snapName) ? entry.snapName : QString();
}

bool isValidFlatpakId(QStringView id) {
    constexpr qsizetype maximumBytes = 255;
    constexpr qsizetype minimumElements = 3;
    if (id.isEmpty() || id.size() > maximumBytes)
        return false;
    qsizetype elements = 0;
    for (const QStringView element : id.split(u'.')) {
        if (element.isEmpty() || element.front().isDigit())
            return false;
        for (const QChar c : element) {
            if (c.unicode() > 0x7f || !(c.isLetterOrNumber() || c == u'_' || c == u'-'))
                return false;
        }
        ++elements;
    }
    return elements >= minimumElements;
}

bool isValidSnapName(QStringView name) {
    // "name" or an instance "name_key": lower-case letters, digits and single inner hyphens,
    // at least one letter, 40 characters at most; the key is 1 to 10 letters or digits.
    static const QRegularExpression snap(
        QStringLiteral("^(?=.{1,40}(_|$))(?=[a-z0-9-]*[a-z])[a-z0-9]+(-[a-z0-9]+)*"
                       "(_[a-z0-9]{1,10})?$"));
    return snap.match(name).hasMatch();
}

std::optional<AppDescriptorError> defectOf(const DesktopEntry& entry) {
    if (entry.repeatsKeys)
        return AppDescriptorError::repeatedDesktopEntryKey;
    if (!entry.flatpakId.isEmpty() && !isValidFlatpakId(entry.flatpakId))
        return AppDescriptorError::invalidFlatpakId;
    if (!entry.snapName.isEmpty() && !isValidSnapName(entry.snapName))
        return AppDescriptorError::invalidSnapName;
    return std::nullopt;
}

QString programPathOf(const QStringList& execArguments) {
    const QString program = launchedWordOf(execArguments);
    return isGeneralTool(fileNameOf(program)) ? QString() : program;
}

QString programNameOf(const QStringList& execArguments) {
    const QString program = fileNameOf(launchedWordOf(execArguments));
    if (program == QStringLiteral("flatpak"))
        return flatpakRunTarget(execArguments, execArguments.indexOf(u"run"_qs));
    return isGeneralTool(program) ? QString() : program;
}

QString flatpakCommandOf(const QStringList& execArguments) {
    static const QString option = QStringLiteral("--command=");
    for (const QString& argument : execArguments) {
        if (argument.startsWith(option))
            return fileNameOf(argument.mid(option.size()));
    }
    return {};
}

QString flatpakDataFolderIn(const QString& home) {
    return home + QStringLiteral("/.var/app");
}

QString snapDataFolderIn(const QString& home) {
    return home + QStringLiteral("/snap");
}

QString sandboxFolderOf(const AppDescriptor& app, const QString& home) {
    const QString& id = app.linuxFacts.packageId;
    if (app.kind == AppKind::flatpak && isValidFlatpakId(id))
        return pathrules::joinedInside(flatpakDataFolderIn(home), id);
    if (app.kind == AppKind::snap && isValidSnapName(id))
        return pathrules::joinedInside(snapDataFolderIn(home), id);
    return {};
}

QString appImageIntegrationHashOf(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^appimagekit_([0-9a-fA-F]+)[-_]"));
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

bool isAppImagePath(const QString& path) {
    return appKindOfFileName(path) == AppKind::appImage;
}

QString reverseDnsTailOf(const QString& id) {
    return isReverseDnsId(id) ? text::identifierSegments(id).last() : QString();
}

QStringList rankedTokensOf(const DesktopEntry& entry) {
    QStringList tokens;
    appendToken(tokens, packageIdOf(entry));
    for (const QString& id : {entry.desktopFileId, entry.appStreamId}) {
        if (isReverseDnsId(id))
            appendToken(tokens, id);
    }
    for (const QString& id : {packageIdOf(entry), entry.desktopFileId, entry.appStreamId})
        appendToken(tokens, reverseDnsTailOf(id));
    appendToken(tokens, programNameOf(entry.execArguments));
    appendToken(tokens, flatpakCommandOf(entry.execArguments));
    if (!isGeneralTool(fileNameOf(entry.tryExec)))
        appendToken(tokens, fileNameOf(entry.tryExec));
    appendToken(tokens, entry.startupWMClass);
    if (!entry.icon.contains(u'/'))
        appendToken(tokens, entry.icon);
    appendToken(tokens, entry.appImageName);
    return tokens;
}

AppDescriptor describe(const DesktopEntry& entry) {
    LinuxFacts facts;
    facts.packageId = packageIdOf(entry);
    facts.desktopFileId = entry.desktopFileId;
    facts.appStreamId = entry.appStreamId;
    if (!entry.icon.contains(u'/'))
        facts.iconName = entry.icon;
    // A launcher's path ("flatpak run <id>") is not the app's program.
    const QString programPath = programPathOf(entry.execArguments);
    if (fileNameOf(programPath) == programNameOf(entry.execArguments))
        facts.programPath = programPath;
    facts.rankedTokens = rankedTokensOf(entry);

    AppDescriptor app;
    app.appURL = QUrl::fromLocalFile(entry.filePath);
    app.kind = kindOf(entry);
    app.displayName = entry.name.isEmpty() ? entry.desktopFileId : entry.name;
    app.identifier = facts.packageId.isEmpty() ? entry.desktopFileId : facts.packageId;
    app.normalizedIdentifier = text::lowercased(app.identifier);
    app.compactName = text::compactForm(app.displayName);
    app.pathComponentName = text::compactForm(entry.desktopFileId);
    app.searchTokens = QSet<QString>(facts.rankedTokens.cbegin(), facts.rankedTokens.cend());
    app.linuxFacts = std::move(facts);
    // An AppImage's launcher stands for the image it runs: that file is the app itself, and
    // the launcher one of its leftovers.
    if (app.kind == AppKind::appImage && isAppImagePath(app.linuxFacts.programPath))
        app.appURL = QUrl::fromLocalFile(app.linuxFacts.programPath);
    return app;
}

AppDescriptor describeAppImage(DesktopEntry embedded, const QString& appImagePath) {
    embedded.filePath = appImagePath;
    AppDescriptor app = describe(embedded);
    app.kind = AppKind::appImage;
    app.linuxFacts.programPath = appImagePath;
    return app;
}

} // namespace tidewell::linuxapp
