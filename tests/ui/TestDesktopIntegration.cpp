#include "TestDir.h"
#include "ui/Appearance.h"
#include "ui/DesktopIntegration.h"

#include <QTest>

using namespace tidewell;

// The host-facing rules of the window: where the chooser starts, which folder a reveal falls
// back to, and which appearance is drawn.
class TestDesktopIntegration : public QObject {
    Q_OBJECT

private slots:
    void chooserStartsInApplicationsWhenPresent() {
        TestDir home;
        QCOMPARE(DesktopIntegration::chooserStartFolder(home.path()),
                 QUrl::fromLocalFile(home.path()));
        home.createFile("Applications"); // a file of that name is no folder to start in
        QCOMPARE(DesktopIntegration::chooserStartFolder(home.path()),
                 QUrl::fromLocalFile(home.path()));
        TestDir other;
        const QString applications = other.createDirectory("Applications");
        QCOMPARE(DesktopIntegration::chooserStartFolder(other.path()),
                 QUrl::fromLocalFile(applications));
    }

    void revealFallsBackToTheHoldingFolder_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("file") << "/home/u/Library/Preferences/Tool.plist"
                              << "/home/u/Library/Preferences";
        QTest::newRow("folder with slash") << "/home/u/Library/Caches/Tool/"
                                           << "/home/u/Library/Caches";
    }
    void revealFallsBackToTheHoldingFolder() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(DesktopIntegration::parentFolder(path), folder);
    }

    void appearanceCanBeForced_data() {
        QTest::addColumn<QString>("forced");
        QTest::addColumn<QColor>("window");
        QTest::addColumn<bool>("dark");
        QTest::newRow("forced dark on a light palette") << "dark" << QColor(Qt::white) << true;
        QTest::newRow("forced light, any case") << " LIGHT" << QColor(Qt::black) << false;
        QTest::newRow("dark palette") << "" << QColor(30, 30, 30) << true;
        QTest::newRow("unknown value follows the palette")
            << "sepia" << QColor(236, 236, 236) << false;
    }
    void appearanceCanBeForced() {
        QFETCH(QString, forced);
        QFETCH(QColor, window);
        QFETCH(bool, dark);
        QCOMPARE(Appearance::isDarkFor(forced, window), dark);
    }
};

QTEST_GUILESS_MAIN(TestDesktopIntegration)
#include "TestDesktopIntegration.moc"
