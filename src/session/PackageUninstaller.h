#pragma once

#include "PackageRemoval.h"
#include "model/AppDescriptor.h"

#include <QObject>
#include <QString>
#include <QUuid>

#include <functional>
#include <optional>

namespace tidewell {

// The command that uninstalls the held Linux application through its package manager: looked
// up in the background when an app is taken in, run on request once at a time, and what
// became of it. An answer about an app the window no longer holds is dropped.
class PackageUninstaller : public QObject {
    Q_OBJECT
    // Empty for a bundle or an application no package manager owns.
    Q_PROPERTY(QString command READ command NOTIFY commandChanged)
    // The package manager it asks ("Flatpak", "snap", "apt").
    Q_PROPERTY(QString managerName READ managerName NOTIFY commandChanged)
    // The name of the app it uninstalls.
    Q_PROPERTY(QString appName READ appName NOTIFY commandChanged)
    // Whether the window may run it (Flatpak, snap: no administrator rights through a terminal).
    Q_PROPERTY(bool canRun READ canRun NOTIFY commandChanged)
    // While it runs and after: what became of it; empty before it is run.
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY statusChanged)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)

public:
    // Finds the command for an app; called on a worker thread.
    using Lookup = std::function<UninstallCommand(const AppDescriptor& app)>;
    // Keeps a record of a command that ran and its exit code; called on a worker thread.
    using RunRecorder = std::function<void(const QString& command, int exitCode)>;

    explicit PackageUninstaller(Lookup lookup, QObject* parent = nullptr);

    QString command() const { return m_command.text(); }
    QString managerName() const { return m_command.managerName(); }
    QString appName() const { return m_app ? m_app->displayName : QString(); }
    bool canRun() const { return m_command.runnable; }
    bool isRunning() const { return m_isRunning; }
    QString status() const { return m_status; }

    // Forgets the previous app's command at once and looks up app's in the background.
    void lookUp(const AppDescriptor& app);
    // Forgets the command, any answer still to come and the recorder.
    void forget();
    // What every later run is recorded by, until forget().
    void setRunRecorder(RunRecorder recorder);
    // Runs the command on a worker, once at a time, if it uninstalls exactly the app it was
    // looked up for: the click is the only question asked.
    Q_INVOKABLE void run();

signals:
    void commandChanged();
    void statusChanged();

private:
    void setCommand(const UninstallCommand& command);
    void setStatus(bool running, const QString& status);
    static QString outcomeText(const UninstallOutcome& outcome);

    Lookup m_lookup;
    RunRecorder m_recorder;
    std::optional<AppDescriptor> m_app;
    UninstallCommand m_command;
    bool m_isRunning = false;
    QString m_status;
    QUuid m_activeAppID; // changes with every app, so that late answers can be told apart
};

} // namespace tidewell
