#include "CliCommand.h"
#include "DescribeCommand.h"
#include "HistoryCommand.h"
#include "ListCommand.h"
#include "OrphansCommand.h"
#include "RemoveCommand.h"
#include "ScanCommand.h"
#include "UndoCommand.h"
#include "platform/RealFileSystem.h"
#include "session/HostFromProcess.h"
#include "session/Translations.h"

#include <QCoreApplication>

using namespace tidewell;

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    Translations::install();
    const QList<CliCommand> commands{
        describeCommand(), scanCommand(),    removeCommand(), listCommand(),
        orphansCommand(),  historyCommand(), undoCommand(),
    };
    const Host host = hostFromProcess();
    RealFileSystem::setOwnDataFolder(host.data);
    return runCli(QCoreApplication::arguments(), commands, host);
}
