// Drives the real main window off screen and prints how long the user waits:
//
//     tidewell_bench_window --home DIR --root DIR --bundle APP [--rows N] [--no-index]
//                           [--index-db PATH]
//
// start to first frame, intake of APP to its header and to its first row, the longest stall
// of the GUI thread while that scan runs, select-all, deselect-all and removal of N made-up
// rows, and quitting while a scan of APP runs. APP is a bundle, dropped, or a Linux
// application's desktop entry or AppImage, picked in the chooser: its name typed into the
// filter and Return pressed while the chooser still measures the apps, as a quick user does;
// the window then asks the host's programs as it does for a user.
#include "platform/RealProgramRunner.h"
#include "removal/PermissionManager.h"
#include "scanner/DefaultSpotlightService.h"
#include "scanner/LeftoverScannerService.h"
#include "scanner/LocateIndexSearch.h"
#include "session/AppPreferences.h"
#include "session/CleanerViewModel.h"
#include "session/HostFromProcess.h"
#include "session/InstalledAppsModel.h"
#include "session/OrphansModel.h"
#include "session/PreferenceStore.h"
#include "ui/TidewellApp.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>
#include <functional>
#include <memory>

Q_IMPORT_QML_PLUGIN(TidewellPlugin)

using namespace tidewell;

namespace {

QElapsedTimer processClock;

void report(const char* what, double milliseconds) {
    std::printf("%-34s %9.1f ms\n", what, milliseconds);
    std::fflush(stdout);
}

// Spins the event loop until done() holds; the longest gap between two turns of the loop goes
// to longestStall. False after timeoutMs.
bool spinUntil(const std::function<bool()>& done, int timeoutMs, double* longestStall = nullptr) {
    QElapsedTimer clock;
    clock.start();
    qint64 lastTurn = clock.nsecsElapsed();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 now = clock.nsecsElapsed();
        if (longestStall)
            *longestStall = std::max(*longestStall, (now - lastTurn) / 1e6);
        lastTurn = now;
    }
    return true;
}

// Milliseconds from now until the window has drawn one more frame.
double untilNextFrame(QQuickWindow& window, QElapsedTimer& clock) {
    bool drawn = false;
    const auto connection =
        QObject::connect(&window, &QQuickWindow::frameSwapped, [&drawn] { drawn = true; });
    window.requestUpdate();
    spinUntil([&drawn] { return drawn; }, 5000);
    QObject::disconnect(connection);
    return clock.nsecsElapsed() / 1e6;
}

QList<ScannedFile> madeUpRows(int count) {
    QList<ScannedFile> rows;
    for (int index = 0; index < count; ++index) {
        const QString path = QStringLiteral("/bench/Library/Caches/item-%1").arg(index);
        rows.append({path, QUrl::fromLocalFile(path), ScanCategory::caches, FileSafetyLevel::safe,
                     1000 + index, true});
    }
    return rows;
}

bool isLinuxApp(const QString& path) {
    return path.endsWith(QStringLiteral(".desktop")) ||
           path.endsWith(QStringLiteral(".AppImage"), Qt::CaseInsensitive);
}

struct Window {
    std::unique_ptr<CleanerViewModel> viewModel;
    std::unique_ptr<InstalledAppsModel> installedApps;
    std::unique_ptr<OrphansModel> orphans;
    std::unique_ptr<QQuickWindow> window; // destroyed first: it shows the others
};

Window openWindow(QQmlEngine& engine, const QCommandLineParser& options, PreferenceStore& prefs,
                  PermissionManager& permissions) {
    // The home and root are the options'; the locate program is this process's.
    Host host = Host::withDefaults(options.value("home"), options.value("root"));
    host.programPath = hostFromProcess().programPath;
    std::shared_ptr<const SpotlightSearching> index = makeDefaultSpotlightService(host);
    if (options.isSet("index-db"))
        index = std::make_shared<LocateIndexSearch>(host.programPath, options.value("index-db"));
    CleanerViewModel::Collaborators collaborators;
    if (isLinuxApp(options.value("bundle")))
        collaborators = CleanerViewModel::collaboratorsOn(
            host, std::make_shared<RealProgramRunner>(host.programPath));
    collaborators.scanner = std::make_shared<LeftoverScannerService>(
        options.isSet("no-index") ? nullptr : index, host,
        isLinuxApp(options.value("bundle")) ? std::make_shared<RealProgramRunner>(host.programPath)
                                            : nullptr);
    collaborators.preferences = &prefs;
    collaborators.permissions = &permissions;
    Window opened;
    opened.viewModel = std::make_unique<CleanerViewModel>(std::move(collaborators));
    opened.installedApps = std::make_unique<InstalledAppsModel>(host);
    opened.orphans = std::make_unique<OrphansModel>(host);
    QQmlComponent component(&engine, QUrl("qrc:/qt/qml/Tidewell/qml/MainWindow.qml"));
    opened.window.reset(qobject_cast<QQuickWindow*>(component.createWithInitialProperties({
        {"viewModel", QVariant::fromValue<QObject*>(opened.viewModel.get())},
        {"permissionManager", QVariant::fromValue<QObject*>(&permissions)},
        {"preferences", QVariant::fromValue<QObject*>(&prefs)},
        {"installedApps", QVariant::fromValue<QObject*>(opened.installedApps.get())},
        {"orphans", QVariant::fromValue<QObject*>(opened.orphans.get())},
    })));
    if (!opened.window)
        qFatal("%s", qPrintable(component.errorString()));
    opened.window->show();
    return opened;
}

// Opens the chooser and types the app's name into its filter, leaving app the current row;
// the installed applications are read, and measured while the user types.
void pickInChooser(Window& main, const QUrl& app) {
    InstalledAppsModel& apps = *main.installedApps;
    main.window->requestActivate();
    spinUntil([&main] { return main.window->isActive(); }, 5000);
    QMetaObject::invokeMethod(main.window->property("contentView").value<QObject*>(), "chooseApp");
    spinUntil([&apps] { return !apps.loading() && apps.rowCount() > 0; }, 10000);
    std::printf("%-34s %9d\n", "apps in the chooser", apps.rowCount());
    QString name;
    for (int row = 0; row < apps.rowCount(); ++row) {
        if (apps.entryUrlAt(row) == app)
            name = apps.data(apps.index(row), InstalledAppsModel::NameRole).toString();
    }
    auto* filter = main.window->findChild<QQuickItem*>("chooserFilter");
    if (name.isEmpty() || !filter)
        qFatal("the chooser does not list %s", qPrintable(app.toLocalFile()));
    spinUntil([filter] { return filter->hasActiveFocus(); }, 5000);
    filter->setProperty("text", name);
    spinUntil([&apps, &app] { return apps.entryUrlAt(0) == app; }, 5000);
}

void measureIntake(Window& main, const QUrl& bundle, bool chosen) {
    CleanerViewModel& model = *main.viewModel;
    QElapsedTimer clock;
    clock.start();
    if (chosen) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QGuiApplication::sendEvent(main.window.get(), &press);
        QGuiApplication::sendEvent(main.window.get(), &release);
    } else {
        model.handleDroppedApp(bundle);
    }
    report(chosen ? "Return in the chooser, GUI thread" : "intake call on the GUI thread",
           clock.nsecsElapsed() / 1e6);
    spinUntil([&model] { return model.app()->isHeld(); }, 5000);
    report("intake to header", untilNextFrame(*main.window, clock));
    double stall = 0;
    if (!spinUntil([&model] { return model.phase() != CleanerViewModel::Scanning; }, 120000,
                   &stall))
        qFatal("the scan did not finish");
    report("intake to scan applied", clock.nsecsElapsed() / 1e6);
    report("intake to first row", untilNextFrame(*main.window, clock));
    report("longest GUI stall during the scan", stall);
    std::printf("%-34s %9d\n", "rows found", model.files()->count());
}

void measureSelection(Window& main, int rowCount) {
    CleanerViewModel& model = *main.viewModel;
    model.files()->setFiles(madeUpRows(rowCount));
    QElapsedTimer settle;
    settle.start();
    untilNextFrame(*main.window, settle);
    for (const char* what : {"deselect-all", "select-all"}) {
        QElapsedTimer clock;
        clock.start();
        model.toggleSelectAll();
        const double applied = clock.nsecsElapsed() / 1e6;
        report(qPrintable(QStringLiteral("%1 of %2 rows").arg(what).arg(rowCount)), applied);
        report("  ... to the next frame", untilNextFrame(*main.window, clock));
    }
    QSet<QString> everyId;
    for (const ScannedFile& file : model.files()->files())
        everyId.insert(file.id);
    QElapsedTimer clock;
    clock.start();
    model.files()->removeFilesWithIds(everyId);
    report(qPrintable(QStringLiteral("removal of %1 rows").arg(rowCount)),
           clock.nsecsElapsed() / 1e6);
    report("  ... to the next frame", untilNextFrame(*main.window, clock));
}

void measureQuitDuringScan(Window main, const QUrl& bundle) {
    main.viewModel->handleDroppedApp(bundle);
    // Well into the walk, as a user who gives up would be.
    QElapsedTimer wait;
    wait.start();
    spinUntil([&wait] { return wait.elapsed() > 150; }, 1000);
    const bool stillScanning = main.viewModel->phase() == CleanerViewModel::Scanning;
    QElapsedTimer clock;
    clock.start();
    main.window.reset();
    main.viewModel.reset();
    report(stillScanning ? "quit during a scan" : "quit (the scan had finished)",
           clock.nsecsElapsed() / 1e6);
}

} // namespace

int main(int argc, char** argv) {
    processClock.start();
    QGuiApplication application(argc, argv);
    QCommandLineParser options;
    options.addOptions({{"home", "home folder", "DIR"},
                        {"root", "system root", "DIR"},
                        {"bundle", "bundle to take in", "APP"},
                        {"rows", "rows for selection and removal", "N", "5000"},
                        {"no-index", "skip the file index"},
                        {"index-db", "locate database to search", "PATH"}});
    options.process(application);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    TidewellApp::prepareApplication();

    QTemporaryDir settings;
    PreferenceStore prefs(settings.filePath("settings.ini"));
    AppPreferences::registerDefaults(prefs);
    prefs.setAutoScanAfterDroppingApp(true);
    PermissionManager permissions(FileSystem::real(), options.value("home"));
    QQmlEngine engine;
    // Bundles only: no program is asked.
    TidewellApp::prepareEngine(engine, std::make_shared<RealProgramRunner>(QStringList()));

    Window main = openWindow(engine, options, prefs, permissions);
    report("start to first frame", untilNextFrame(*main.window, processClock));
    const QUrl bundle = QUrl::fromLocalFile(options.value("bundle"));
    const bool chosen = isLinuxApp(bundle.toLocalFile());
    if (chosen)
        pickInChooser(main, bundle);
    measureIntake(main, bundle, chosen);
    measureSelection(main, options.value("rows").toInt());
    main.viewModel->resetSelection();
    measureQuitDuringScan(std::move(main), bundle);
    return 0;
}
