#include "TidewellApp.h"

#include "AppIconProvider.h"
#include "DesktopIntegration.h"
#include "FileIconProvider.h"
#include "WindowOptions.h"
#include "platform/RealFileSystem.h"
#include "platform/RealProgramRunner.h"
#include "session/AppPreferences.h"
#include "session/CleanerViewModel.h"
#include "session/HostFromProcess.h"
#include "session/InstalledAppsModel.h"
#include "session/OrphansModel.h"
#include "session/PreferenceStore.h"
#include "session/Translations.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QStandardPaths>

#include <cstdio>

namespace tidewell {

namespace {

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

// Prints what the command line asked for instead of the window and returns its exit code.
int exitWith(const WindowOptions::Exit& exit) {
    std::fprintf(exit.toStandardError ? stderr : stdout, "%s\n", qPrintable(exit.text));
    return exit.code;
}

} // namespace

int TidewellApp::run(int argc, char** argv) {
    // Read before the application object exists: --help and --version need no display.
    const auto parsed = WindowOptions::parse(argumentList(argc, argv));
    if (const auto* exit = std::get_if<WindowOptions::Exit>(&parsed))
        return exitWith(*exit);
    const WindowOptions& options = std::get<WindowOptions>(parsed);

    QGuiApplication application(argc, argv);
    Translations::install();
    prepareApplication();
    AppPreferences::registerDefaults();

    const Host host = hostFromProcess(options.rootPath);
    RealFileSystem::setOwnDataFolder(host.data);
    const auto programs = std::make_shared<RealProgramRunner>(host.programPath);
    PermissionManager permissions(FileSystem::real(), host.home);
    permissions.setSettingsOpener(settingsOpener());
    CleanerViewModel::Collaborators collaborators =
        CleanerViewModel::collaboratorsOn(host, programs);
    collaborators.permissions = &permissions;
    CleanerViewModel viewModel(std::move(collaborators));
    InstalledAppsModel installedApps(host);
    OrphansModel orphans(host);

    QQmlApplicationEngine engine;
    prepareEngine(engine, programs);
    engine.setInitialProperties({
        {QStringLiteral("viewModel"), QVariant::fromValue<QObject*>(&viewModel)},
        {QStringLiteral("permissionManager"), QVariant::fromValue<QObject*>(&permissions)},
        {QStringLiteral("preferences"), QVariant::fromValue<QObject*>(&PreferenceStore::shared())},
        {QStringLiteral("installedApps"), QVariant::fromValue<QObject*>(&installedApps)},
        {QStringLiteral("orphans"), QVariant::fromValue<QObject*>(&orphans)},
    });
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Tidewell/qml/MainWindow.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    if (!options.appPaths.isEmpty()) {
        QList<QUrl> apps;
        for (const QString& path : options.appPaths)
            apps.append(QUrl::fromLocalFile(path));
        viewModel.handleDroppedApps(apps);
    }
    return application.exec();
}

void TidewellApp::prepareApplication() {
    QGuiApplication::setOrganizationName(QStringLiteral("Tidewell"));
    QGuiApplication::setApplicationName(QStringLiteral("Tidewell"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tidewell"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tidewell.Tidewell"));
    QGuiApplication::setWindowIcon(
        QIcon(QStringLiteral(":/qt/qml/Tidewell/assets/AdaptiveAppMark.svg")));
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    // A session whose XDG_DATA_DIRS leaves out the system's own folders (a made-up home, a
    // sandbox) still finds the installed themes there, as with the variable unset.
    QStringList searchPaths = QIcon::themeSearchPaths();
    for (const QString& folder :
         {QStringLiteral("/usr/local/share/icons"), QStringLiteral("/usr/share/icons")}) {
        if (!searchPaths.contains(folder) && QFileInfo(folder).isDir())
            searchPaths.append(folder);
    }
    QIcon::setThemeSearchPaths(searchPaths);
    // Without a desktop session no icon theme is configured and only the resources are
    // searched; the file-type icons come from the installed Adwaita theme then.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) {
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() +
                                   QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                             QStringLiteral("icons"),
                                                             QStandardPaths::LocateDirectory));
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    }
}

void TidewellApp::prepareEngine(QQmlEngine& engine, std::shared_ptr<const ProgramRunner> programs) {
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.addImageProvider(QStringLiteral("fileicon"), new FileIconProvider);
    engine.addImageProvider(QStringLiteral("appicon"),
                            new AppIconProvider(FileSystem::real(), std::move(programs)));
}

PermissionManager::SettingsOpener TidewellApp::settingsOpener() {
    return [](const QUrl& settingsLink, const QString& firstDeniedPath) {
#ifdef Q_OS_MACOS
        Q_UNUSED(firstDeniedPath)
        QDesktopServices::openUrl(settingsLink);
#else
        Q_UNUSED(settingsLink)
        DesktopIntegration::revealPath(firstDeniedPath);
#endif
    };
}

} // namespace tidewell
