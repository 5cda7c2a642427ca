#include "PackageRemoval.h"

#include "model/LinuxAppIdentity.h"
#include "platform/DebianPackages.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

namespace tidewell {

namespace {

bool isBelow(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder + u'/');
}

// A Debian package name: lower-case letters, digits and "+-.", starting with a letter or digit.
bool isValidDebianPackageName(const QString& name) {
    static const QRegularExpression package(QStringLiteral("^[a-z0-9][a-z0-9+.-]+$"));
    return package.match(name).hasMatch();
}

QString startErrorOf(const QProcess& process) {
    if (process.error() == QProcess::FailedToStart)
        return QCoreApplication::translate("PackageRemoval", "%1 was not found")
            .arg(process.program());
    return QCoreApplication::translate("PackageRemoval", "%1 stopped unexpectedly")
        .arg(process.program());
}

QString lastLineOf(const QByteArray& output) {
    const QStringList lines = QString::fromUtf8(output).trimmed().split(u'\n');
    return lines.last().trimmed();
}

} // namespace

UninstallCommand uninstallCommand(const AppDescriptor& app, const Host& host,
                                  const ProgramRunner& programs) {
    const QString entry = app.appURL.toLocalFile();
    // Every id goes after "--", and only once its package manager would accept it: an id read
    // from a file is never taken for an option ("--all", "--delete-data").
    const QString endOfOptions = QStringLiteral("--");
    const QStringList command = traitsOf(app.kind).uninstallCommand;
    const QString& id = app.linuxFacts.packageId;
    switch (app.kind) {
    case AppKind::flatpak:
        if (!linuxapp::isValidFlatpakId(id))
            return {};
        if (isBelow(entry, host.home))
            return {command + QStringList{QStringLiteral("--user"), endOfOptions, id}, true};
        return {command + QStringList{endOfOptions, id}, true};
    case AppKind::snap:
        if (!linuxapp::isValidSnapName(id))
            return {};
        return {command + QStringList{endOfOptions, id}, true};
    case AppKind::desktopEntry:
        if (!isBelow(entry, host.home)) {
            const QString package = debian::packagesOwning({entry}, host, programs).value(entry);
            if (isValidDebianPackageName(package))
                return {command + QStringList{endOfOptions, package}, false};
        }
        return {};
    case AppKind::bundle:
    case AppKind::appImage:
        break;
    }
    return {};
}

QString UninstallCommand::managerName() const {
    if (isEmpty())
        return {};
    if (arguments.first() == u"flatpak")
        return QStringLiteral("Flatpak");
    return arguments.first() == u"sudo" ? arguments.value(1) : arguments.first();
}

bool UninstallCommand::uninstallsExactly(const AppDescriptor& app) const {
    const bool validId =
        app.kind == AppKind::flatpak ? linuxapp::isValidFlatpakId(app.linuxFacts.packageId)
        : app.kind == AppKind::snap  ? linuxapp::isValidSnapName(app.linuxFacts.packageId)
                                     : false;
    return runnable && validId && arguments.size() >= 2 &&
           arguments.at(arguments.size() - 2) == u"--" &&
           arguments.last() == app.linuxFacts.packageId;
}

int runUninstallCommand(const UninstallCommand& command) {
    if (!command.runnable || command.isEmpty())
        return -1;
    QProcess process;
    // Its output goes to standard error, so that standard output stays the caller's own.
    process.setStandardOutputFile(QStringLiteral("/dev/stderr"));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(command.arguments.first(), command.arguments.mid(1));
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

UninstallOutcome runUninstallCommandUnattended(const UninstallCommand& command) {
    if (!command.runnable || command.isEmpty())
        return {};
    QStringList arguments = command.arguments.mid(1);
    if (command.arguments.first() == u"flatpak")
        arguments.insert(1, QStringLiteral("-y"));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command.arguments.first(), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return {-1, lastLineOf(process.readAll()), startErrorOf(process)};
    return {process.exitCode(), lastLineOf(process.readAll())};
}

} // namespace tidewell
