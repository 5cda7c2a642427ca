#include "platform/DebianPackages.h"

#include "TableProgramRunner.h"
#include "platform/RealProgramRunner.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace tidewell;

class TestDebianPackages : public QObject {
    Q_OBJECT

private slots:
    void findsTheOwnerAmongMorePathsThanOneCommandLineHolds() {
        // "[" is a glob character, so its path is only found when escaped.
        const QString owned = QStringLiteral("/usr/bin/[");
        QFile list(QStringLiteral("/var/lib/dpkg/info/coreutils.list"));
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-query")).isEmpty() ||
            !list.open(QIODevice::ReadOnly) || !list.readAll().split('\n').contains(owned.toUtf8()))
            QSKIP("needs dpkg with coreutils installing /usr/bin/[");
        QStringList paths;
        // Well over the 2 MiB a command line may hold.
        for (int index = 0; index < 40000; ++index)
            paths.append(QStringLiteral("/nonexistent/tidewell/unowned-file-%1.conf").arg(index));
        paths.append(owned);
        paths.append(QStringLiteral("/home/nobody/.config/coreutils"));
        const RealProgramRunner programs(qEnvironmentVariable("PATH").split(u':'));
        const QHash<QString, QString> owners =
            debian::packagesOwning(paths, Host::withDefaults("/root"), programs);
        QCOMPARE(owners, (QHash<QString, QString>{{owned, QStringLiteral("coreutils")}}));
    }

    // Nothing in the home is ever asked about, wherever the home lies, nor below /home; under
    // a root, only its own paths are asked, of its own database.
    void asksOnlyAboutWhatAPackageMayOwn_data() {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QList<QStringList>>("calls");
        QTest::addColumn<QString>("owned");
        const QString entry = "/usr/share/applications/gvim.desktop";
        const QStringList ask{"dpkg-query", "-S", entry};
        QTest::newRow("home outside /home")
            << "/srv/users/ada"
            << ""
            << QStringList{"/srv/users/ada/.local/share/applications/gvim.desktop",
                           "/home/bob/.config/vim", entry}
            << QList<QStringList>{ask} << entry;
        QTest::newRow("only the home: no question at all")
            << "/var/lib/ada"
            << "" << QStringList{"/var/lib/ada/.config/vim", "/var/lib/ada"} << QList<QStringList>{}
            << "";
        QTest::newRow("under a root")
            << "/srv/users/ada"
            << "/fake" << QStringList{"/fake" + entry, entry, "/fake/home/bob/x"}
            << QList<QStringList>{{"dpkg-query", "--admindir=/fake/var/lib/dpkg", "-S", entry}}
            << "/fake" + entry;
    }
    void asksOnlyAboutWhatAPackageMayOwn() {
        QFETCH(QString, home);
        QFETCH(QString, root);
        QFETCH(QStringList, paths);
        QFETCH(QList<QStringList>, calls);
        QFETCH(QString, owned);
        TableProgramRunner programs;
        // dpkg-query exits with 1 when some path has no package.
        programs.answer("dpkg-query", "vim-gtk3, vim: /usr/share/applications/gvim.desktop\n", {},
                        1);
        const auto owners = debian::packagesOwning(paths, Host::withDefaults(home, root), programs);
        QCOMPARE(programs.calls(), calls);
        QHash<QString, QString> expected;
        if (!owned.isEmpty())
            expected.insert(owned, "vim-gtk3");
        QCOMPARE(owners, expected);
    }
};

QTEST_APPLESS_MAIN(TestDebianPackages)
#include "TestDebianPackages.moc"
