#include "TableProgramRunner.h"
#include "ui/TidewellApp.h"

#include <QQmlEngine>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(TidewellPlugin)

// Gives the view tests the application's look and the module's resources.
class ViewTestSetup : public QObject {
    Q_OBJECT

public slots:
    void applicationAvailable() {
        // Without a display only the software renderer lays the scene out reliably.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        tidewell::TidewellApp::prepareApplication();
    }
    void qmlEngineAvailable(QQmlEngine* engine) {
        tidewell::TidewellApp::prepareEngine(*engine, std::make_shared<TableProgramRunner>());
    }
};

QUICK_TEST_MAIN_WITH_SETUP(TestViews, ViewTestSetup)
#include "TestViews.moc"
