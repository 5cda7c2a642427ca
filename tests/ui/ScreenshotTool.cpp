// Renders every state of the two windows to PNG files, off screen, on a sample library:
//   tidewell-screenshots OUTDIR APP_BUNDLE
// HOME must be a temporary sample home (the success state really moves the sample's files to
// the Trash of XDG_DATA_HOME). TIDEWELL_APPEARANCE picks light or dark.
#include "../session/SessionFakes.h"
#include "FaultInjectingFileSystem.h"
#include "TableProgramRunner.h"
#include "TestDir.h"
#include "platform/RealFileSystem.h"
#include "removal/DeletionReport.h"
#include "removal/FileDeletionService.h"
#include "removal/PermissionManager.h"
#include "removal/RemovalJournal.h"
#include "scanner/LeftoverScannerService.h"
#include "session/AppPreferences.h"
#include "session/CleanerViewModel.h"
#include "session/HostFromProcess.h"
#include "session/InstalledAppsModel.h"
#include "session/OrphansModel.h"
#include "session/PreferenceStore.h"
#include "ui/TidewellApp.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QThread>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>
#include <functional>
#include <memory>

Q_IMPORT_QML_PLUGIN(TidewellPlugin)

using namespace tidewell;

namespace {

// Lets events, timers and animations run for ms milliseconds, or until done() holds.
bool settle(int ms, const std::function<bool()>& done = {}) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done && done())
            return true;
        QThread::msleep(10);
    }
    return !done || done();
}

class Studio {
public:
    Studio(QString outDir, QString appPath)
        : m_outDir(std::move(outDir)), m_appPath(std::move(appPath)), m_home(QDir::homePath()),
          m_host(hostFromProcess()), m_installedApps(m_host), m_orphans(m_host),
          m_preferences(QDir(m_home).filePath(QStringLiteral(".screenshots.ini"))),
          m_openPermissions(FileSystem::real(), m_home),
          m_blockedPermissions(blockFolders(), m_home) {
        RealFileSystem::setOwnDataFolder(m_host.data);
        AppPreferences::registerDefaults(m_preferences);
        TidewellApp::prepareEngine(m_engine, std::make_shared<TableProgramRunner>());
        m_component.loadUrl(QUrl(QStringLiteral("qrc:/qt/qml/Tidewell/qml/MainWindow.qml")));
        m_suffix = qEnvironmentVariable("TIDEWELL_APPEARANCE", QStringLiteral("system"));
    }

    bool run() {
        shootEmpty();
        shootScanningAndWaiting();
        shootResults();
        shootSeveralApps();
        shootRemoval();
        shootError();
        return m_failures == 0;
    }

private:
    struct Scene {
        std::unique_ptr<CleanerViewModel> viewModel;
        std::unique_ptr<QQuickWindow> window;
    };

    // Folders the scan cannot read, and two in the sample's leftovers of Lumen Studio: one
    // inside a leftover, which is then sized in part, and one leftover that cannot be sized.
    FaultInjectingFileSystem& blockFolders() {
        for (const char* folder :
             {"Library/Mail", "Library/WebKit", "Library/HTTPStorages",
              "Library/Saved Application State",
              "Library/Application Support/Lumen Studio/Projects", "Library/Logs/Lumen Studio"})
            m_blockedFs.failListing(QDir(m_home).filePath(QLatin1String(folder)), 257);
        return m_blockedFs;
    }

    std::shared_ptr<LeftoverScanning> realScanner(FileSystem& fileSystem) {
        return std::make_shared<LeftoverScannerService>(nullptr, m_host, nullptr, fileSystem);
    }

    Scene open(std::shared_ptr<LeftoverScanning> scanner = {},
               std::shared_ptr<FileDeleting> deletion = {}, PermissionManager* permissions = {}) {
        if (!permissions)
            permissions = &m_openPermissions;
        CleanerViewModel::Collaborators collaborators;
        collaborators.scanner = std::move(scanner);
        collaborators.deletion = std::move(deletion);
        collaborators.preferences = &m_preferences;
        collaborators.permissions = permissions;
        Scene scene;
        scene.viewModel = std::make_unique<CleanerViewModel>(std::move(collaborators));
        QObject* window = m_component.createWithInitialProperties({
            {QStringLiteral("viewModel"), QVariant::fromValue<QObject*>(scene.viewModel.get())},
            {QStringLiteral("permissionManager"), QVariant::fromValue<QObject*>(permissions)},
            {QStringLiteral("preferences"), QVariant::fromValue<QObject*>(&m_preferences)},
            {QStringLiteral("installedApps"), QVariant::fromValue<QObject*>(&m_installedApps)},
            {QStringLiteral("orphans"), QVariant::fromValue<QObject*>(&m_orphans)},
        });
        if (!window)
            qFatal("%s", qPrintable(m_component.errorString()));
        scene.window.reset(qobject_cast<QQuickWindow*>(window));
        settle(400);
        return scene;
    }

    void require(bool condition, const char* what) {
        if (condition)
            return;
        std::fprintf(stderr, "screenshots: state not reached: %s\n", what);
        ++m_failures;
    }

    void shoot(QQuickWindow* window, const QString& name) {
        settle(500);
        const QString file = QDir(m_outDir).filePath(name + QLatin1Char('-') + m_suffix + ".png");
        if (!window->grabWindow().save(file)) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(file));
            ++m_failures;
            return;
        }
        std::printf("%s\n", qPrintable(file));
    }

    // The bundle is read off the main thread: waits until it is taken in or rejected.
    void dropApp(Scene& scene, const QString& path) {
        bool landed = false;
        CleanerViewModel* model = scene.viewModel.get();
        const auto land = [&landed] { landed = true; };
        const QList<QMetaObject::Connection> watches{
            QObject::connect(model->app(), &HeldApp::changed, land),
            QObject::connect(model, &CleanerViewModel::showErrorAlertChanged, land)};
        model->handleDroppedApp(QUrl::fromLocalFile(path));
        require(settle(5000, [&landed] { return landed; }), "intake");
        for (const QMetaObject::Connection& watch : watches)
            QObject::disconnect(watch);
    }

    void shootEmpty() {
        Scene scene = open();
        shoot(scene.window.get(), QStringLiteral("01-empty"));
        QObject* zone = scene.window->findChild<QObject*>(QStringLiteral("dropZone"));
        require(zone, "drop zone");
        if (zone)
            zone->setProperty("isDropTargeted", true);
        shoot(scene.window.get(), QStringLiteral("02-drop-targeted"));
    }

    void shootScanningAndWaiting() {
        auto scanner = std::make_shared<FakeScanner>();
        Scene scanning = open(scanner);
        dropApp(scanning, m_appPath);
        require(scanning.viewModel->phase() == CleanerViewModel::Scanning, "scanning");
        shoot(scanning.window.get(), QStringLiteral("03-scanning"));

        m_preferences.setAutoScanAfterDroppingApp(false);
        Scene waiting = open(scanner);
        dropApp(waiting, m_appPath);
        require(waiting.viewModel->phase() == CleanerViewModel::AwaitingScan,
                "waiting for a manual scan");
        shoot(waiting.window.get(), QStringLiteral("04-awaiting-scan"));
        m_preferences.setAutoScanAfterDroppingApp(true);

        // An application that left nothing behind in the sample library.
        TestDir spare;
        const QString loner = spare.createAppBundle(
            QStringLiteral("Quokka Quill.app"),
            {{QStringLiteral("CFBundleIdentifier"), QStringLiteral("org.example.quokkaquill")}});
        Scene empty = open(realScanner(FileSystem::real()));
        dropApp(empty, loner);
        require(
            settle(15000, [&] { return empty.viewModel->phase() == CleanerViewModel::Results; }),
            "no results");
        shoot(empty.window.get(), QStringLiteral("05-no-results"));
    }

    // Results with folders the scan could not read: the banner shows and, once, the prompt.
    Scene openBlockedResults() {
        Scene scene = open(realScanner(m_blockedFs), {}, &m_blockedPermissions);
        dropApp(scene, m_appPath);
        require(settle(15000, [&] { return scene.viewModel->files()->count() > 0; }), "results");
        require(settle(15000, [&] { return scene.viewModel->app()->sizeInBytes() > 0; }),
                "bundle size");
        return scene;
    }

    QObject* find(const Scene& scene, const char* name) {
        QObject* object = scene.window->findChild<QObject*>(QLatin1String(name));
        require(object, name);
        return object;
    }

    // On macOS the prompt for Full Disk Access; elsewhere the banner listing the folders.
    void shootResults() {
        Scene scene = openBlockedResults();
        require(!scene.viewModel->unreadableFolders().isEmpty(), "unreadable folders");
#ifdef Q_OS_MACOS
        require(m_blockedPermissions.showPermissionPromptAlert(), "permission prompt");
        shoot(scene.window.get(), QStringLiteral("06-permission-prompt"));
        m_blockedPermissions.setShowPermissionPromptAlert(false);
#else
        if (QObject* banner = find(scene, "permissionBanner"))
            banner->setProperty("listShown", true);
        shoot(scene.window.get(), QStringLiteral("06-banner-folder-list"));
        if (QObject* banner = find(scene, "permissionBanner"))
            banner->setProperty("listShown", false);
#endif
        scene.viewModel->files()->setSelected(1, false);
        // The keyboard on the second row shows its focus ring.
        if (auto* list = qobject_cast<QQuickItem*>(find(scene, "fileList"))) {
            list->forceActiveFocus();
            list->setProperty("currentIndex", 1);
        }
        shoot(scene.window.get(), QStringLiteral("07-results"));

        scene.viewModel->requestDeletion();
        require(scene.viewModel->showDeleteConfirmation(), "delete confirmation");
        shoot(scene.window.get(), QStringLiteral("08-delete-confirmation"));
    }

    // The app with another of the sample's bundles: each one's rows under its heading.
    void shootSeveralApps() {
        const QDir folder = QFileInfo(m_appPath).dir();
        QList<QUrl> apps{QUrl::fromLocalFile(m_appPath)};
        for (const QString& name : folder.entryList({QStringLiteral("*.app")}, QDir::Dirs)) {
            if (apps.size() < 2 && folder.filePath(name) != m_appPath)
                apps.append(QUrl::fromLocalFile(folder.filePath(name)));
        }
        Scene scene = open(realScanner(FileSystem::real()));
        scene.viewModel->handleDroppedApps(apps);
        require(settle(15000,
                       [&] {
                           return scene.viewModel->apps()->count() == 2 &&
                                  scene.viewModel->phase() == CleanerViewModel::Results;
                       }),
                "several apps");
        shoot(scene.window.get(), QStringLiteral("07b-several-apps"));
    }

    void shootRemoval() {
        m_preferences.setConfirmBeforeRemovingFiles(false);
        auto deleter = std::make_shared<FakeDeleter>();
        Scene removing = open(realScanner(FileSystem::real()), deleter);
        dropApp(removing, m_appPath);
        require(settle(15000, [&] { return removing.viewModel->files()->count() > 0; }),
                "results before removal");
        removing.viewModel->requestDeletion();
        require(removing.viewModel->phase() == CleanerViewModel::Removing, "removing");
        shoot(removing.window.get(), QStringLiteral("09-removing"));
        // Before the real removal below, which moves the sample's leftovers away.
        shootPartialFailure();

        const auto journal = std::make_shared<RemovalJournal>(RemovalJournal::folderOn(m_host));
        Scene done =
            open(realScanner(FileSystem::real()),
                 std::make_shared<FileDeletionService>(m_host, FileSystem::real(), journal));
        dropApp(done, m_appPath);
        require(settle(15000, [&] { return done.viewModel->files()->count() > 0; }),
                "results before success");
        require(settle(15000, [&] { return done.viewModel->app()->sizeInBytes() > 0; }),
                "bundle size before success");
        done.viewModel->requestDeletion();
        require(settle(15000, [&] { return done.viewModel->phase() == CleanerViewModel::Outcome; }),
                "success");
        shoot(done.window.get(), QStringLiteral("10-success"));
        shootRecentlyRemoved(done);
        done.viewModel->undoRemoval();
        require(settle(15000, [&] { return !done.viewModel->outcome()->isUndoing(); }), "undone");
        shoot(done.window.get(), QStringLiteral("10c-undone"));
        m_preferences.setConfirmBeforeRemovingFiles(true);
    }

    // The removal just made, listed in the settings with its Undo.
    void shootRecentlyRemoved(const Scene& scene) {
        auto* settings = scene.window->property("settingsWindow").value<QQuickWindow*>();
        QMetaObject::invokeMethod(settings, "present");
        QObject* loader = settings->findChild<QObject*>(QStringLiteral("settingsLoader"));
        QObject* page = loader ? loader->property("item").value<QObject*>() : nullptr;
        require(page, "settings page");
        if (page)
            page->setProperty("selectedTab", QStringLiteral("recent"));
        require(settle(5000,
                       [settings] {
                           QObject* list =
                               settings->findChild<QObject*>(QStringLiteral("recentList"));
                           return list && list->property("count").toInt() > 0;
                       }),
                "recently removed");
        shoot(settings, QStringLiteral("14-settings-recent"));
        settings->close();
    }

    // Every other item stays in place: the outcome lists them with their reasons.
    void shootPartialFailure() {
        auto deleter = std::make_shared<FakeDeleter>();
        Scene scene = open(realScanner(FileSystem::real()), deleter);
        dropApp(scene, m_appPath);
        require(settle(15000, [&] { return scene.viewModel->files()->count() > 0; }),
                "results before a partial failure");
        scene.viewModel->requestDeletion();
        require(deleter->count() == 1, "removal requested");
        if (deleter->count() != 1)
            return;
        DeletionReport report;
        const QList<QUrl> urls = deleter->request(0);
        for (qsizetype index = 0; index < urls.size(); ++index) {
            if (index % 2 == 0)
                report.deleted.append(urls.at(index));
            else
                report.failures.append(
                    {QUuid::createUuid(), urls.at(index), QStringLiteral("Permission denied.")});
        }
        deleter->finish(0, report);
        require(settle(5000, [&] { return scene.viewModel->phase() == CleanerViewModel::Outcome; }),
                "partial failure");
        shoot(scene.window.get(), QStringLiteral("10b-partial-failure"));
    }

    void shootError() {
        Scene scene = open();
        dropApp(scene, QDir(m_home).filePath(QStringLiteral("Library")));
        require(scene.viewModel->showErrorAlert(), "error alert");
        shoot(scene.window.get(), QStringLiteral("11-error-alert"));

        auto* settings = scene.window->property("settingsWindow").value<QQuickWindow*>();
        QMetaObject::invokeMethod(settings, "present");
        // Tab moves the keyboard into the page, so the focus ring shows on the first switch.
        settle(300);
        for (int step = 0; step < 3; ++step) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QGuiApplication::sendEvent(settings, &press);
        }
        shoot(settings, QStringLiteral("12-settings-general"));
        QObject* loader = settings->findChild<QObject*>(QStringLiteral("settingsLoader"));
        QObject* page = loader ? loader->property("item").value<QObject*>() : nullptr;
        require(page, "settings page");
        if (page)
            page->setProperty("selectedTab", QStringLiteral("about"));
        shoot(settings, QStringLiteral("13-settings-about"));
    }

    QString m_outDir;
    QString m_appPath;
    QString m_home;
    Host m_host;
    InstalledAppsModel m_installedApps;
    OrphansModel m_orphans;
    QString m_suffix;
    PreferenceStore m_preferences;
    FaultInjectingFileSystem m_blockedFs;
    PermissionManager m_openPermissions;
    PermissionManager m_blockedPermissions;
    QQmlEngine m_engine;
    QQmlComponent m_component{&m_engine};
    int m_failures = 0;
};

} // namespace

int main(int argc, char** argv) {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication application(argc, argv);
    TidewellApp::prepareApplication();
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: tidewell-screenshots OUTDIR APP_BUNDLE\n");
        return 2;
    }
    if (!QDir::homePath().startsWith(QDir::tempPath() + QLatin1Char('/'))) {
        std::fprintf(stderr, "tidewell-screenshots: HOME must be a temporary sample home\n");
        return 2;
    }
    QDir().mkpath(arguments.at(1));
    return Studio(arguments.at(1), arguments.at(2)).run() ? 0 : 1;
}
