#include "session/PackageRemoval.h"
#include "session/PackageUninstaller.h"

#include "TableProgramRunner.h"

#include <QTest>
#include <QThreadPool>

using namespace tidewell;

namespace {

AppDescriptor packagedApp(AppKind kind, const QString& id, const QString& entry) {
    AppDescriptor app;
    app.kind = kind;
    app.linuxFacts.packageId = id;
    app.appURL = QUrl::fromLocalFile(entry);
    return app;
}

} // namespace

// The package manager's command: the id after "--", only when its manager accepts it, and
// run without a question only for the very app it names.
class TestPackageRemoval : public QObject {
    Q_OBJECT

private slots:
    void commands_data() {
        QTest::addColumn<AppKind>("kind");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("command");
        const auto row = [](const char* tag, AppKind kind, const char* id, const char* entry,
                            const char* command) {
            QTest::newRow(tag) << kind << QString(id) << QString(entry) << QString(command);
        };
        row("user's flatpak", AppKind::flatpak, "org.gimp.GIMP",
            "/home/u/.local/share/flatpak/exports/share/applications/org.gimp.GIMP.desktop",
            "flatpak uninstall --user -- org.gimp.GIMP");
        row("system flatpak", AppKind::flatpak, "org.gimp.GIMP",
            "/var/lib/flatpak/exports/share/applications/org.gimp.GIMP.desktop",
            "flatpak uninstall -- org.gimp.GIMP");
        row("snap", AppKind::snap, "firefox",
            "/var/lib/snapd/desktop/applications/firefox_firefox.desktop",
            "snap remove -- firefox");
        row("flatpak option", AppKind::flatpak, "--all", "/var/lib/flatpak/x.desktop", "");
        row("flatpak path", AppKind::flatpak, "../../thesis", "/var/lib/flatpak/x.desktop", "");
        row("snap option", AppKind::snap, "--purge", "/var/lib/snapd/x.desktop", "");
    }
    void commands() {
        QFETCH(AppKind, kind);
        QFETCH(QString, id);
        QFETCH(QString, entry);
        QFETCH(QString, command);
        const AppDescriptor app = packagedApp(kind, id, entry);
        const UninstallCommand uninstall =
            uninstallCommand(app, Host::withDefaults("/home/u"), TableProgramRunner());
        QCOMPARE(uninstall.text(), command);
        QCOMPARE(uninstall.uninstallsExactly(app), !command.isEmpty());

        AppDescriptor other = app;
        other.linuxFacts.packageId = QStringLiteral("org.example.Other");
        QVERIFY(!uninstall.uninstallsExactly(other));
        UninstallCommand tampered = uninstall;
        tampered.arguments.removeAll(QStringLiteral("--"));
        QVERIFY(!tampered.uninstallsExactly(app));
    }

    // apt is only shown, for a system entry whose package dpkg names; an entry in the home,
    // wherever it lies, is never asked about.
    void aptForWhatDpkgOwns_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("questions");
        const QString gvim = "/usr/share/applications/gvim.desktop";
        QTest::newRow("system entry") << gvim << QByteArray("vim-gtk3: " + gvim.toUtf8())
                                      << "sudo apt remove -- vim-gtk3" << 1;
        QTest::newRow("no package") << gvim << QByteArray() << "" << 1;
        QTest::newRow("not a package name")
            << gvim << QByteArray("-rf: " + gvim.toUtf8()) << "" << 1;
        QTest::newRow("the user's entry, home outside /home")
            << "/srv/u/.local/share/applications/gvim.desktop" << QByteArray() << "" << 0;
    }
    void aptForWhatDpkgOwns() {
        QFETCH(QString, entry);
        QFETCH(QByteArray, answer);
        QFETCH(QString, command);
        QFETCH(int, questions);
        TableProgramRunner programs;
        programs.answer("dpkg-query", answer, {"-S"}, answer.isEmpty() ? 1 : 0);
        const AppDescriptor app = packagedApp(AppKind::desktopEntry, "gvim", entry);
        const UninstallCommand uninstall =
            uninstallCommand(app, Host::withDefaults("/srv/u"), programs);
        QCOMPARE(uninstall.text(), command);
        QVERIFY(!uninstall.runnable);
        QCOMPARE(programs.calls().size(), questions);
    }

    // The window's uninstaller shows the command of the app it holds: an answer about an app it
    // was asked about before, or before it forgot, never takes its place.
    void lateAnswersAreDropped() {
        const AppDescriptor gimp = packagedApp(AppKind::flatpak, "org.gimp.GIMP", "/var/g.desktop");
        const AppDescriptor tide = packagedApp(AppKind::snap, "tide", "/var/t.desktop");
        const auto settle = [] {
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::sendPostedEvents();
        };
        PackageUninstaller uninstaller([](const AppDescriptor& app) {
            return uninstallCommand(app, Host::withDefaults("/home/u"), TableProgramRunner());
        });
        uninstaller.lookUp(gimp);
        uninstaller.lookUp(tide);
        QTRY_COMPARE(uninstaller.command(), "snap remove -- tide");
        settle();
        QCOMPARE(uninstaller.command(), "snap remove -- tide");
        QVERIFY(uninstaller.canRun());
        uninstaller.lookUp(gimp);
        uninstaller.forget();
        settle();
        QVERIFY(uninstaller.command().isEmpty() && !uninstaller.canRun());
    }
};

QTEST_GUILESS_MAIN(TestPackageRemoval)
#include "TestPackageRemoval.moc"
