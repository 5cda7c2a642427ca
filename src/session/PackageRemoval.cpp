#include "PackageRemoval.h"

#include "platform/DebianPackages.h"

#include <QProcess>

namespace tidewell {

namespace {

bool isBelow(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder + u'/');
}

QString lastLineOf(const QByteArray& output) {
    const QStringList lines = QString::fromUtf8(output).trimmed().split(u'\n');
    return lines.last().trimmed();
}

} // namespace

UninstallCommand uninstallCommand(const AppDescriptor& app, const QString& homePath) {
    const QString entry = app.appURL.toLocalFile();
    switch (app.kind) {
    case AppKind::flatpak:
        if (isBelow(entry, homePath))
            return {{QStringLiteral("flatpak"), QStringLiteral("uninstall"),
                     QStringLiteral("--user"), app.packageId},
                    true};
        return {{QStringLiteral("flatpak"), QStringLiteral("uninstall"), app.packageId}, true};
    case AppKind::snap:
        return {{QStringLiteral("snap"), QStringLiteral("remove"), app.packageId}, true};
    case AppKind::desktopEntry:
        if (!isBelow(entry, homePath)) {
            const QString package = debian::packagesOwning({entry}).value(entry);
            if (!package.isEmpty())
                return {{QStringLiteral("sudo"), QStringLiteral("apt"), QStringLiteral("remove"),
                         package},
                        false};
        }
        return {};
    case AppKind::bundle:
    case AppKind::appImage:
        break;
    }
    return {};
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
        return {-1, lastLineOf(process.readAll())};
    return {process.exitCode(), lastLineOf(process.readAll())};
}

} // namespace tidewell
