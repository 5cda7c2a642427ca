#include "PackageUninstaller.h"

#include <QtConcurrent/QtConcurrentRun>

namespace tidewell {

PackageUninstaller::PackageUninstaller(Lookup lookup, QObject* parent)
    : QObject(parent), m_lookup(std::move(lookup)) {}

// Asking the package database takes a moment; a bundle has no package to ask about.
void PackageUninstaller::lookUp(const AppDescriptor& app) {
    forget();
    m_app = app;
    emit commandChanged(); // names another app now
    if (app.kind == AppKind::bundle)
        return;
    const QUuid appID = m_activeAppID;
    QtConcurrent::run(m_lookup, app).then(this, [this, appID](const UninstallCommand& command) {
        if (appID == m_activeAppID)
            setCommand(command);
    });
}

void PackageUninstaller::forget() {
    m_activeAppID = QUuid::createUuid();
    m_app.reset();
    m_recorder = nullptr;
    setCommand({});
}

void PackageUninstaller::setRunRecorder(RunRecorder recorder) {
    m_recorder = std::move(recorder);
}

void PackageUninstaller::run() {
    if (m_isRunning || !m_app || !m_command.uninstallsExactly(*m_app))
        return;
    const QUuid appID = m_activeAppID;
    setStatus(true, tr("Uninstalling…"));
    QtConcurrent::run([command = m_command, recorder = m_recorder] {
        const UninstallOutcome outcome = runUninstallCommandUnattended(command);
        if (recorder)
            recorder(command.text(), outcome.exitCode);
        return outcome;
    }).then(this, [this, appID](const UninstallOutcome& outcome) {
        if (appID != m_activeAppID)
            return;
        setStatus(false, outcomeText(outcome));
        // Done once: the package is gone.
        if (outcome.exitCode == 0) {
            m_command.runnable = false;
            emit commandChanged();
        }
    });
}

void PackageUninstaller::setCommand(const UninstallCommand& command) {
    setStatus(false, {});
    if (command == m_command)
        return;
    m_command = command;
    emit commandChanged();
}

void PackageUninstaller::setStatus(bool running, const QString& status) {
    if (running == m_isRunning && status == m_status)
        return;
    m_isRunning = running;
    m_status = status;
    emit statusChanged();
}

QString PackageUninstaller::outcomeText(const UninstallOutcome& outcome) {
    if (outcome.exitCode == 0)
        return tr("Uninstalled.");
    if (outcome.exitCode < 0)
        return outcome.startError.isEmpty()
                   ? tr("The command could not be run.")
                   : tr("The command could not be run: %1.").arg(outcome.startError);
    if (outcome.lastLine.isEmpty())
        return tr("The command failed with exit code %1.").arg(outcome.exitCode);
    return tr("The command failed: %1").arg(outcome.lastLine);
}

} // namespace tidewell
