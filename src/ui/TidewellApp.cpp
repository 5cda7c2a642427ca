#include "TidewellApp.h"

#include "BundleIconProvider.h"
#include "DesktopIntegration.h"
#include "FileIconProvider.h"
#include "platform/FileSystem.h"
#include "session/AppPreferences.h"
#include "session/CleanerViewModel.h"
#include "session/PreferenceStore.h"
#include "session/Translations.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QStandardPaths>

namespace tidewell {

int TidewellApp::run(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    Translations::install();
    prepareApplication();
    AppPreferences::registerDefaults();

    PermissionManager& permissions = PermissionManager::shared();
    permissions.setSettingsOpener(settingsOpener());
    CleanerViewModel viewModel;

    QQmlApplicationEngine engine;
    prepareEngine(engine);
    engine.setInitialProperties({
        {QStringLiteral("viewModel"), QVariant::fromValue<QObject*>(&viewModel)},
        {QStringLiteral("permissionManager"), QVariant::fromValue<QObject*>(&permissions)},
        {QStringLiteral("preferences"), QVariant::fromValue<QObject*>(&PreferenceStore::shared())},
    });
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Tidewell/qml/MainWindow.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return application.exec();
}

void TidewellApp::prepareApplication() {
    QGuiApplication::setOrganizationName(QStringLiteral("Tidewell"));
    QGuiApplication::setApplicationName(QStringLiteral("Tidewell"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tidewell"));
    QQuickStyle::setStyle(QStringLiteral("Basic"));
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

void TidewellApp::prepareEngine(QQmlEngine& engine) {
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.addImageProvider(QStringLiteral("fileicon"), new FileIconProvider);
    engine.addImageProvider(QStringLiteral("bundleicon"),
                            new BundleIconProvider(FileSystem::real()));
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
