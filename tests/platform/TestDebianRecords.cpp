#include "platform/AppStreamCatalog.h"
#include "platform/AptHistory.h"
#include "platform/DebianPackages.h"
#include "platform/DpkgDatabase.h"
#include "platform/GzipReading.h"
#include "platform/RealProgramRunner.h"

#include "TableProgramRunner.h"
#include "TestDir.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace tidewell;

namespace {

QByteArray fileContent(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString statesText(const debian::PackageStates& states) {
    QStringList rows;
    for (auto package = states.packages.cbegin(); package != states.packages.cend(); ++package)
        rows.append(package.key() + u'=' + QString::number(int(package.value())));
    rows.sort();
    return rows.join(u' ') + QStringLiteral(" malformed=") + QString::number(states.malformedLines);
}

QString eventsText(const QList<apt::PackageEvent>& events) {
    QStringList rows;
    for (const apt::PackageEvent& event : events)
        rows.append(QStringLiteral("%1:%2@%3")
                        .arg(event.package)
                        .arg(int(event.action))
                        .arg(event.when.toString(Qt::ISODate)));
    return rows.join(u' ');
}

} // namespace

// What the host keeps of its packages: which package owns a path, and once they are gone,
// dpkg's records, apt's history (rotated and gzipped too) and the distribution's AppStream
// catalog, read as they are written and never trusted further than they parse.
class TestDebianRecords : public QObject {
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
    void readsPackageStates_data() {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("states"); // 0 installed, 1 configuration files, 2 not installed
        QTest::newRow("states") << QByteArray("ii  geany\nrc  mousepad\nun  gone\niU  half\n")
                                << "geany=0 gone=2 half=0 mousepad=1 malformed=0";
        QTest::newRow("an error flag") << QByteArray("iiR vim\n") << "vim=0 malformed=0";
        QTest::newRow("one architecture still installed")
            << QByteArray("rc  libfoo1\nii  libfoo1\nrc  libfoo1\n") << "libfoo1=0 malformed=0";
        QTest::newRow("garbage and path syntax")
            << QByteArray("ii  ../../etc\nzz  odd\nrc\n\nii  Upper\nrc  fine\n")
            << "fine=1 malformed=4";
    }
    void readsPackageStates() {
        QFETCH(QByteArray, answer);
        QFETCH(QString, states);
        QCOMPARE(statesText(debian::parsePackageStates(answer)), states);
    }

    void readsAptHistory_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("events"); // 0 installed, 1 removed, 2 purged
        QTest::addColumn<int>("unreadable");
        const QByteArray removal = "Start-Date: 2024-05-01  10:22:33\nCommandline: apt remove x\n"
                                   "Remove: mousepad:amd64 (0.5.10-1), libfoo1:i386 (1.2, "
                                   "automatic)\nEnd-Date: 2024-05-01  10:22:35\n";
        QTest::newRow("removal") << removal
                                 << "mousepad:1@2024-05-01T10:22:33 libfoo1:1@2024-05-01T10:22:33"
                                 << 0;
        QTest::newRow("purge after install")
            << QByteArray("Start-Date: 2024-01-02  08:00:00\nInstall: zathura:amd64 (0.5)\n\n"
                          "Start-Date: 2024-03-04  09:00:00\r\nPurge: zathura:amd64 (0.5)\r\n")
            << "zathura:0@2024-01-02T08:00:00 zathura:2@2024-03-04T09:00:00" << 0;
        QTest::newRow("no date") << QByteArray("Remove: lost:amd64 (1)\n\n") + removal
                                 << "mousepad:1@2024-05-01T10:22:33 libfoo1:1@2024-05-01T10:22:33"
                                 << 1;
        QTest::newRow("not a history") << QByteArray("\x00\xff garbage: (\n\n") << "" << 0;
    }
    void readsAptHistory() {
        QFETCH(QByteArray, text);
        QFETCH(QString, events);
        QFETCH(int, unreadable);
        const apt::ParsedHistory parsed = apt::parseHistory(text);
        QCOMPARE(eventsText(parsed.events), events);
        QCOMPARE(parsed.unreadableEntries, unreadable);
    }

    void readsRotatedHistoryOldestFirstAndNamesWhatItCannotRead() {
        TestDir d;
        d.createFile("var/log/apt/history.log",
                     "Start-Date: 2024-03-01  10:00:00\nRemove: c (1)\n");
        d.createFile("var/log/apt/history.log.1",
                     "Start-Date: 2024-02-01  10:00:00\nRemove: b (1)\n");
        d.createGzipFile("var/log/apt/history.log.2.gz",
                         "Start-Date: 2024-01-01  10:00:00\nPurge: a (1)\n");
        const QString broken = d.createFile("var/log/apt/history.log.3.gz", "not gzip at all");
        d.createFile("var/log/apt/term.log", "Remove: nothing (1)\n");
        const apt::History history = apt::readHistory(Host::withDefaults(d.path("home"), d.path()));
        QCOMPARE(eventsText(history.events),
                 "a:2@2024-01-01T10:00:00 b:1@2024-02-01T10:00:00 c:1@2024-03-01T10:00:00");
        QCOMPARE(history.problems,
                 QStringList{QStringLiteral("Could not read apt's history %1.").arg(broken)});
    }

    void unpacksGzipOnlyWhenWhole() {
        TestDir d;
        const QByteArray first = fileContent(d.createGzipFile("a.gz", "first member\n"));
        const QByteArray second = fileContent(d.createGzipFile("b.gz", QByteArray(5000, 'x')));
        QCOMPARE(gunzip(first + second, 1 << 20),
                 QByteArray("first member\n") + QByteArray(5000, 'x'));
        QCOMPARE(gunzip(second.chopped(10), 1 << 20), std::nullopt);
        QCOMPARE(gunzip(second, 4999), std::nullopt);
        QCOMPARE(gunzip("plain text", 1 << 20), std::nullopt);
    }

    void asksDpkgOfTheDatabaseUnderTheRootAndSaysWhatFailed() {
        TestDir d;
        const Host host = Host::withDefaults(d.path("home"), d.path());
        TableProgramRunner silent;
        QCOMPARE(debian::readPackageStates(host, silent).problems, QStringList()); // no dpkg here
        d.createFile("var/lib/dpkg/status", "Package: geany\n");
        const debian::DpkgRecords unanswered = debian::readPackageStates(host, silent);
        QVERIFY(!unanswered.states && unanswered.problems.size() == 1);
        TableProgramRunner dpkg;
        dpkg.answer("dpkg-query", "ii  geany\n?? what\n",
                    {"--admindir=" + d.path("var/lib/dpkg"), "-W"});
        const debian::DpkgRecords records = debian::readPackageStates(host, dpkg);
        QCOMPARE(statesText(*records.states), "geany=0 malformed=1");
        QCOMPARE(records.problems.size(), 1);
    }

    void readsFileListsOfEveryArchitecture() {
        TestDir d;
        const Host host = Host::withDefaults(d.path("home"), d.path());
        d.createFile("var/lib/dpkg/info/mousepad.list", "/.\n/etc/xdg/mousepad\n");
        d.createFile("var/lib/dpkg/info/mousepad:i386.list", "/usr/bin/mousepad\n");
        d.createFile("var/lib/dpkg/info/mousepad-plugins.list", "/usr/lib/x\n");
        QStringList files = debian::listedFiles(host, "mousepad");
        files.sort();
        QCOMPARE(files, QStringList({"/.", "/etc/xdg/mousepad", "/usr/bin/mousepad"}));
        QCOMPARE(debian::listedFiles(host, "../info/mousepad"), QStringList());
    }

    void readsTheCatalogsComponentsOfThePackagesAsked() {
        const QByteArray yaml = "---\nFile: DEP-11\nOrigin: debian-bookworm-main\n---\n"
                                "Type: desktop-application\nID: org.xfce.mousepad\n"
                                "Package: mousepad\nName:\n  C: Mousepad\n  de: Mausblock\n"
                                "Icon:\n  cached:\n  - name: mousepad.png\n    width: 64\n"
                                "  stock: org.xfce.mousepad\nLaunchable:\n  desktop-id:\n"
                                "  - 'org.xfce.mousepad.desktop'\nProvides:\n  binaries:\n"
                                "  - mousepad\n  mediatypes:\n  - text/plain\n---\n"
                                "ID: org.gnome.gedit\nPackage: gedit\n---\nPackage: no-id\n";
        const QList<appstream::CatalogEntry> entries =
            appstream::parseCatalog(yaml, {"mousepad", "no-id"});
        QCOMPARE(entries, (QList<appstream::CatalogEntry>{{"org.xfce.mousepad",
                                                           "mousepad",
                                                           "Mousepad",
                                                           "org.xfce.mousepad",
                                                           {"org.xfce.mousepad"},
                                                           {"mousepad"}}}));
    }
};

QTEST_GUILESS_MAIN(TestDebianRecords)
#include "TestDebianRecords.moc"
