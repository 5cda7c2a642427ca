#include "model/LinuxAppIdentity.h"

#include <QTest>

using namespace tidewell;

namespace {

DesktopEntry entryWith(const QString& desktopFileId, const QStringList& exec) {
    DesktopEntry entry;
    entry.filePath =
        QStringLiteral("/usr/share/applications/") + desktopFileId + QStringLiteral(".desktop");
    entry.desktopFileId = desktopFileId;
    entry.name = QStringLiteral("Some Name");
    entry.execArguments = exec;
    return entry;
}

} // namespace

class TestLinuxAppIdentity : public QObject {
    Q_OBJECT

private slots:
    void programName_data() {
        QTest::addColumn<QStringList>("exec");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("programPath");
        const auto row = [](const char* tag, const QStringList& exec, const char* program,
                            const char* programPath) {
            QTest::newRow(tag) << exec << QString(program) << QString(programPath);
        };
        row("plain", {"kate", "-b", "%U"}, "kate", "kate");
        row("absolute", {"/usr/lib/firefox/firefox", "%u"}, "firefox", "/usr/lib/firefox/firefox");
        row("env assignments", {"env", "GDK_BACKEND=x11", "/opt/Signal/signal-desktop"},
            "signal-desktop", "/opt/Signal/signal-desktop");
        row("interpreter script", {"python3", "-O", "/usr/share/meld/meld.py"}, "meld.py",
            "/usr/share/meld/meld.py");
        // The launcher is no program of the app's own.
        row("flatpak run",
            {"/usr/bin/flatpak", "run", "--branch=stable", "--command=gimp", "org.gimp.GIMP", "%U"},
            "org.gimp.GIMP", "");
        row("flatpak without run", {"flatpak", "--version"}, "", "");
        row("flatpak run of no valid id", {"flatpak", "run", "../../thesis"}, "", "");
        // General tools say nothing of the app, nor does what they are given.
        row("ssh", {"ssh", "-X", "host", "xterm"}, "", "");
        row("terminal through env", {"env", "TERM=xterm", "/usr/bin/gnome-terminal", "--", "htop"},
            "", "");
        row("shell running git", {"sh", "-c", "git"}, "", "");
        row("empty", {}, "", "");
    }
    void programName() {
        QFETCH(QStringList, exec);
        QFETCH(QString, program);
        QFETCH(QString, programPath);
        QCOMPARE(linuxapp::programNameOf(exec), program);
        DesktopEntry entry;
        entry.desktopFileId = QStringLiteral("some.app");
        entry.execArguments = exec;
        QCOMPARE(linuxapp::describe(entry).linuxFacts.programPath, programPath);
    }

    void packageIds_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("flatpak");
        QTest::addColumn<bool>("snap");
        QTest::newRow("reverse-DNS") << "org.gimp.GIMP" << true << false;
        QTest::newRow("dashes and underscores") << "io.git_hub.some-app" << true << false;
        QTest::newRow("two elements") << "org.gimp" << false << false;
        QTest::newRow("element starts with a digit") << "org.7zip.App" << false << false;
        QTest::newRow("empty element") << "org..App" << false << false;
        QTest::newRow("parent folder") << "../../thesis" << false << false;
        QTest::newRow("dot") << "." << false << false;
        QTest::newRow("option") << "--all" << false << false;
        QTest::newRow("non-ASCII") << "org.exämple.App" << false << false;
        QTest::newRow("256 bytes") << "a.b." + QString(252, u'c') << false << false;
        QTest::newRow("255 bytes") << "a.b." + QString(251, u'c') << true << false;
        QTest::newRow("snap") << "firefox" << false << true;
        QTest::newRow("snap instance") << "firefox_beta2" << false << true;
        QTest::newRow("snap with digits and dashes") << "7zip-desktop" << false << true;
        QTest::newRow("snap without letters") << "1234" << false << false;
        QTest::newRow("snap upper case") << "Firefox" << false << false;
        QTest::newRow("snap double dash") << "fire--fox" << false << false;
        QTest::newRow("snap trailing dash") << "firefox-" << false << false;
        QTest::newRow("snap long key") << "firefox_abcdefghijk" << false << false;
        QTest::newRow("snap 41 characters") << QString(41, u'a') << false << false;
        QTest::newRow("snap option") << "--purge" << false << false;
    }
    void packageIds() {
        QFETCH(QString, id);
        QFETCH(bool, flatpak);
        QFETCH(bool, snap);
        QCOMPARE(linuxapp::isValidFlatpakId(id), flatpak);
        QCOMPARE(linuxapp::isValidSnapName(id), snap);
        // An entry naming an id its package manager refuses is refused, and never gives a
        // package id or sandbox folder even when described all the same.
        DesktopEntry entry = entryWith("app", {"app"});
        (id.contains(u'.') ? entry.flatpakId : entry.snapName) = id;
        const AppDescriptor app = linuxapp::describe(entry);
        const bool valid = id.contains(u'.') ? flatpak : snap;
        QCOMPARE(linuxapp::defectOf(entry).has_value(), !valid);
        QCOMPARE(app.linuxFacts.packageId.isEmpty(), !valid);
        QCOMPARE(linuxapp::sandboxFolderOf(app, "/home/u").isEmpty(), !valid);
    }

    void kindAndTokens_data() {
        QTest::addColumn<DesktopEntry>("entry");
        QTest::addColumn<AppKind>("kind");
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QStringList>("tokens");

        DesktopEntry flatpak =
            entryWith("org.gimp.GIMP", {"flatpak", "run", "--command=gimp-2.10", "org.gimp.GIMP"});
        flatpak.flatpakId = "org.gimp.GIMP";
        flatpak.icon = "org.gimp.GIMP";
        QTest::newRow("flatpak: one token for id, program and icon")
            << flatpak << AppKind::flatpak << "org.gimp.GIMP"
            << QStringList{"org.gimp.gimp", "gimp", "gimp-2.10"};

        DesktopEntry snap = entryWith("firefox_firefox", {"/snap/bin/firefox", "%u"});
        snap.snapName = "firefox";
        snap.icon = "/snap/firefox/current/default256.png";
        snap.startupWMClass = "firefox";
        QTest::newRow("snap: file id is no token, icon path is none")
            << snap << AppKind::snap << "firefox" << QStringList{"firefox"};

        DesktopEntry kde = entryWith("org.kde.kate", {"kate", "-b", "%U"});
        kde.icon = "kate";
        kde.startupWMClass = "Kate";
        QTest::newRow("desktop app: reverse-DNS id first")
            << kde << AppKind::desktopEntry << "org.kde.kate"
            << QStringList{"org.kde.kate", "kate"};

        DesktopEntry electron = entryWith("signal-desktop", {"/opt/Signal/signal-desktop"});
        electron.tryExec = "/opt/Signal/signal-launcher";
        electron.startupWMClass = "Signal";
        QTest::newRow("program, try-exec and window class in order")
            << electron << AppKind::desktopEntry << "signal-desktop"
            << QStringList{"signal-desktop", "signal-launcher", "signal"};

        DesktopEntry appImage = entryWith("appimagekit_0123abcd-Krita", {"/home/u/krita.AppImage"});
        appImage.appImageName = "Krita";
        QTest::newRow("appimage integration")
            << appImage << AppKind::appImage << "appimagekit_0123abcd-Krita"
            << QStringList{"krita.appimage", "krita"};
    }
    void kindAndTokens() {
        QFETCH(DesktopEntry, entry);
        QFETCH(AppKind, kind);
        QFETCH(QString, identifier);
        QFETCH(QStringList, tokens);
        QCOMPARE(linuxapp::rankedTokensOf(entry), tokens);
        const AppDescriptor app = linuxapp::describe(entry);
        QCOMPARE(app.kind, kind);
        QCOMPARE(app.identifier, identifier);
        // An AppImage's launcher stands for the image it runs; any other entry for itself.
        QCOMPARE(app.appURL.toLocalFile(), kind == AppKind::appImage
                                               ? linuxapp::programPathOf(entry.execArguments)
                                               : entry.filePath);
        QCOMPARE(app.displayName, QStringLiteral("Some Name"));
        QVERIFY(!app.searchTokens.contains(QStringLiteral("some name")));
        QCOMPARE(app.searchTokens, QSet<QString>(tokens.cbegin(), tokens.cend()));
    }
};

QTEST_APPLESS_MAIN(TestLinuxAppIdentity)
#include "TestLinuxAppIdentity.moc"
