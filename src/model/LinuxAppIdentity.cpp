#include "LinuxAppIdentity.h"

#include "TextRules.h"

namespace tidewell::linuxapp {

namespace {

QString fileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// Programs that run another program or a script named by a later argument: the app is that
// argument, not the runner.
bool isProgramRunner(const QString& program) {
    static const QStringList runners{
        QStringLiteral("env"),    QStringLiteral("sh"),      QStringLiteral("bash"),
        QStringLiteral("python"), QStringLiteral("python3"), QStringLiteral("java"),
        QStringLiteral("mono"),   QStringLiteral("node"),    QStringLiteral("perl"),
    };
    return runners.contains(program);
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
            return arguments.at(index);
    }
    return {};
}

bool isReverseDnsId(const QString& id) {
    return text::identifierSegments(id).size() >= 3;
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
    if (!entry.appImageName.isEmpty() || entry.desktopFileId.startsWith(u"appimagekit_"))
        return AppKind::appImage;
    return AppKind::desktopEntry;
}

QString packageIdOf(const DesktopEntry& entry) {
    return entry.flatpakId.isEmpty() ? entry.snapName : entry.flatpakId;
}

QString programPathOf(const QStringList& execArguments) {
    for (const QString& argument : execArguments) {
        if (argument.startsWith(u'-') || isEnvironmentAssignment(argument))
            continue;
        if (!isProgramRunner(fileNameOf(argument)))
            return argument;
    }
    return {};
}

QString programNameOf(const QStringList& execArguments) {
    const QString program = fileNameOf(programPathOf(execArguments));
    if (program == QStringLiteral("flatpak"))
        return flatpakRunTarget(execArguments, execArguments.indexOf(u"run"_qs));
    return program;
}

QString flatpakCommandOf(const QStringList& execArguments) {
    static const QString option = QStringLiteral("--command=");
    for (const QString& argument : execArguments) {
        if (argument.startsWith(option))
            return fileNameOf(argument.mid(option.size()));
    }
    return {};
}

bool isAppImagePath(const QString& path) {
    return path.endsWith(QStringLiteral(".appimage"), Qt::CaseInsensitive);
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
    appendToken(tokens, fileNameOf(entry.tryExec));
    appendToken(tokens, entry.startupWMClass);
    if (!entry.icon.contains(u'/'))
        appendToken(tokens, entry.icon);
    appendToken(tokens, entry.appImageName);
    return tokens;
}

AppDescriptor describe(const DesktopEntry& entry) {
    AppDescriptor app;
    app.appURL = QUrl::fromLocalFile(entry.filePath);
    app.kind = kindOf(entry);
    app.packageId = packageIdOf(entry);
    app.desktopFileId = entry.desktopFileId;
    app.appStreamId = entry.appStreamId;
    app.displayName = entry.name.isEmpty() ? entry.desktopFileId : entry.name;
    app.bundleIdentifier = app.packageId.isEmpty() ? entry.desktopFileId : app.packageId;
    app.normalizedBundleIdentifier = text::lowercased(app.bundleIdentifier);
    app.compactName = text::compactForm(app.displayName);
    app.pathComponentName = text::compactForm(entry.desktopFileId);
    if (!entry.icon.contains(u'/'))
        app.iconName = entry.icon;
    // A launcher's path ("flatpak run <id>") is not the app's program.
    const QString programPath = programPathOf(entry.execArguments);
    if (fileNameOf(programPath) == programNameOf(entry.execArguments))
        app.programPath = programPath;
    app.rankedTokens = rankedTokensOf(entry);
    app.searchTokens = QSet<QString>(app.rankedTokens.cbegin(), app.rankedTokens.cend());
    return app;
}

AppDescriptor describeAppImage(DesktopEntry embedded, const QString& appImagePath) {
    embedded.filePath = appImagePath;
    AppDescriptor app = describe(embedded);
    app.kind = AppKind::appImage;
    app.programPath = appImagePath;
    return app;
}

} // namespace tidewell::linuxapp
