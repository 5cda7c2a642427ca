#include "ui/WindowOptions.h"

#include <QTest>

using namespace tidewell;

// The window's command line: what opens the window, and what is printed instead.
class TestWindowOptions : public QObject {
    Q_OBJECT

private slots:
    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");     // -1: the window opens
        QTest::addColumn<QString>("expected"); // the printed text's start, or root|apps
        QTest::newRow("nothing") << QStringList{} << -1 << "|";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: tidewell [--root DIR]";
        QTest::newRow("version") << QStringList{"-v"} << 0 << "tidewell 1.";
        QTest::newRow("unknown option")
            << QStringList{"--rot", "/"} << 2 << "tidewell: Unknown option 'rot'.";
        QTest::newRow("root missing") << QStringList{"--root", "/no/such/folder"} << 2
                                      << "tidewell: no folder at '/no/such/folder'";
        QTest::newRow("root is /") << QStringList{"--root", "/"} << -1 << "|";
        QTest::newRow("root and bundle")
            << QStringList{"--root", "/tmp/../tmp/", "/a/X.app"} << -1 << "/tmp|/a/X.app";
        QTest::newRow("several bundles")
            << QStringList{"/a/X.app", "/a/./Y.app"} << -1 << "|/a/X.app,/a/Y.app";
    }

    void arguments() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        const auto parsed = WindowOptions::parse(QStringList{"tidewell"} + arguments);
        if (const auto* exit = std::get_if<WindowOptions::Exit>(&parsed)) {
            QCOMPARE(exit->code, exitCode);
            QVERIFY2(exit->text.startsWith(expected), qPrintable(exit->text));
            QCOMPARE(exit->toStandardError, exitCode != 0);
            return;
        }
        QCOMPARE(exitCode, -1);
        const WindowOptions& options = std::get<WindowOptions>(parsed);
        QCOMPARE(QStringList({options.rootPath, options.appPaths.join(',')}).join('|'), expected);
    }
};

QTEST_GUILESS_MAIN(TestWindowOptions)
#include "TestWindowOptions.moc"
