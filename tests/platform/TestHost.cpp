#include "platform/Host.h"

#include "HostVariables.h"

#include <QDir>
#include <QTest>

using namespace tidewell;

class TestHost : public QObject {
    Q_OBJECT

private slots:
    void honoursXdgVariables_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("config");
        const auto row = [](const char* tag, const char* value, const char* config) {
            QTest::newRow(tag) << QString(value) << QString(config);
        };
        row("set", "/elsewhere/conf", "/elsewhere/conf");
        row("trailing slash", "/elsewhere/conf/", "/elsewhere/conf");
        row("relative is ignored", "conf", "/home/u/.config");
        row("the home is ignored", "/home/u/", "/home/u/.config");
        row("a folder above is ignored", "/home", "/home/u/.config");
        row("the root is ignored", "/", "/home/u/.config");
        row("a user folder is ignored", "/home/u/Documents", "/home/u/.config");
        row("inside a user folder is taken", "/home/u/Documents/conf", "/home/u/Documents/conf");
        row("unset", "", "/home/u/.config");
    }
    void honoursXdgVariables() {
        QFETCH(QString, value);
        QFETCH(QString, config);
        const Host host = Host::resolve("/home/u", {}, hostVariables({{"XDG_CONFIG_HOME", value}}),
                                        {"/home/u/Documents"});
        QCOMPARE(host.config, config);
        QCOMPARE(host.warnings.size(),
                 !value.isEmpty() && config != QDir::cleanPath(value) ? 1 : 0);
        QCOMPARE(host.state, QStringLiteral("/home/u/.local/state"));
    }

    // Folder lists are cleaned once here: no trailing or doubled slash, no relative or empty
    // entry (an empty PATH entry would run programs from the working folder), the system's data
    // folders under the root.
    void cleansFolderLists_data() {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("dataDirs");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("dataFolders");
        QTest::addColumn<QStringList>("programPath");
        QTest::newRow("unset") << ""
                               << ""
                               << "" << QStringList{"/usr/local/share", "/usr/share"}
                               << QStringList{};
        QTest::newRow("trailing slashes, doubles, relative and empty entries")
            << ""
            << "/usr/share/::share:/opt//x/share/:/usr/share"
            << "/usr/bin/::bin:/bin" << QStringList{"/usr/share", "/opt/x/share"}
            << QStringList{"/usr/bin", "/bin"};
        QTest::newRow("under a root, and its default folders too")
            << "/fake/host/"
            << ""
            << "/bin" << QStringList{"/fake/host/usr/local/share", "/fake/host/usr/share"}
            << QStringList{"/bin"};
        QTest::newRow("the real root spelt /") << "/"
                                               << "/usr/share/"
                                               << "" << QStringList{"/usr/share"} << QStringList{};
    }
    void cleansFolderLists() {
        QFETCH(QString, root);
        QFETCH(QString, dataDirs);
        QFETCH(QString, path);
        QFETCH(QStringList, dataFolders);
        QFETCH(QStringList, programPath);
        const Host host = Host::resolve(
            "/home/u/", root, hostVariables({{"XDG_DATA_DIRS", dataDirs}, {"PATH", path}}));
        QCOMPARE(host.home, "/home/u");
        QCOMPARE(host.root, root == "/" ? QString() : QDir::cleanPath(root));
        QCOMPARE(host.dataFolders, dataFolders);
        QCOMPARE(host.programPath, programPath);
        // The user's entries first, the system's data folders in their order, then the
        // package managers' exports that those leave out.
        const QStringList applications = host.applicationFolders();
        QCOMPARE(applications.first(), "/home/u/.local/share/applications");
        QCOMPARE(applications.mid(1, dataFolders.size()).join(u':'),
                 dataFolders.join(QStringLiteral("/applications:")) + "/applications");
        QCOMPARE(applications.last(), host.root + "/var/lib/snapd/desktop/applications");
        QCOMPARE(applications.size(), 1 + dataFolders.size() + 3);
    }

    void movesItsSystemFoldersToAnotherRoot() {
        const Host host =
            Host::resolve("/home/u", "/one", hostVariables({{"XDG_DATA_DIRS", "/usr/share"}}));
        const Host moved = host.withRoot("/two/");
        QCOMPARE(moved.root, "/two");
        QCOMPARE(moved.dataFolders, QStringList{"/two/usr/share"});
        QCOMPARE(moved.systemPath("/snap"), "/two/snap");
        QCOMPARE(moved.withRoot("/").dataFolders, QStringList{"/usr/share"});
        QCOMPARE(moved.withRoot("/").systemPath("/snap"), "/snap");
        QCOMPARE(moved.config, host.config);
    }
};

QTEST_APPLESS_MAIN(TestHost)
#include "TestHost.moc"
