#include "CliRun.h"
#include "TestDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The owner and mode of the item at path itself.
struct Owner {
    uint uid = 0;
    uint mode = 0;
    bool operator==(const Owner&) const = default;
};

Owner ownerOf(const QString& path) {
    struct stat values {};
    if (::lstat(QFile::encodeName(path).constData(), &values) != 0)
        return {uint(-1), 0};
    return {values.st_uid, values.st_mode & 07777};
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                  QDir::NoDotAndDotDot);
}

} // namespace

// An administrator removes an app from the homes of every user who logs in, on a machine
// described under --root: each user's items go to that user's own Trash, owned by that user,
// and no link leads one user's items anywhere else.
class TestCliAllUsers : public QObject {
    Q_OBJECT

private slots:
    void init() {
        if (::geteuid() != 0)
            QSKIP("needs root: only an administrator may work in other users' homes, and only root "
                  "can give each Trash to its user");
        m_dir = std::make_unique<TestDir>();
        m_dir->createFile("host/etc/passwd", "root:x:0:0:root:/root:/bin/bash\n"
                                             "svc:x:999:999:Service:/home/svc:/bin/bash\n"
                                             "alice:x:1000:1000:Alice:/home/alice:/bin/bash\n"
                                             "broken line\n"
                                             "bob:x:1001:1001:Bob:/home/bob:/bin/bash\n"
                                             "nosh:x:1002:1002::/home/nosh:/usr/sbin/nologin\n");
        m_dir->createFile("host/etc/login.defs", "# the first uid of people\nUID_MIN\t1000\n");
        m_dir->createFile("host/etc/shells", "/bin/sh\n/bin/bash\n");
        m_dir->createAppBundle(
            "host/Applications/Ink.app",
            {{"CFBundleIdentifier", "io.inkwell.writer"}, {"CFBundleName", "Ink"}});
        for (const char* user : {"svc", "alice", "bob", "nosh"}) {
            m_dir->createFile(
                QStringLiteral("host/home/%1/Library/Caches/io.inkwell.writer/cache.db").arg(user),
                user);
            m_dir->createFile(QStringLiteral("host/home/%1/Documents/notes.txt").arg(user), "mine");
        }
        chownHome("alice", 1000);
        chownHome("bob", 1001);
        m_remove = {"remove",
                    "--json",
                    "--yes",
                    "--no-index",
                    "--all-users",
                    "--root",
                    m_dir->path("host"),
                    m_dir->path("host/Applications/Ink.app")};
    }

    void removesFromEveryPersonsHomeIntoTheirOwnTrash_data() {
        QTest::addColumn<QString>("link");       // in alice's home
        QTest::addColumn<QString>("linkTarget"); // in bob's
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("aliceTrashed");
        QTest::newRow("plain homes") << QString() << QString() << 0 << true;
        // Her scan passes the link over: bob's folder goes to his Trash only.
        QTest::newRow("leftover linking into another home")
            << "Library/Caches/io.inkwell.writer"
            << "Library/Caches/io.inkwell.writer" << 0 << false;
        // Her Trash would lie in bob's home: her items stay where they are.
        QTest::newRow("data folder linking into another home") << ".local"
                                                               << ".local" << 1 << false;
    }
    void removesFromEveryPersonsHomeIntoTheirOwnTrash() {
        QFETCH(QString, link);
        QFETCH(QString, linkTarget);
        QFETCH(int, exitCode);
        QFETCH(bool, aliceTrashed);
        if (!link.isEmpty()) {
            m_dir->createDirectory(QStringLiteral("host/home/bob/") + linkTarget);
            QVERIFY(QDir(home("alice") + "/" + link).removeRecursively());
            m_dir->createSymlink(QStringLiteral("host/home/alice/") + link,
                                 home("bob") + "/" + linkTarget);
            chownHome("alice", 1000);
            chownHome("bob", 1001);
        }

        const CliRun run = CliRun::of(m_remove);

        QCOMPARE(run.exitCode, exitCode);
        const QJsonArray users = QJsonDocument::fromJson(run.out)["users"].toArray();
        QCOMPARE(users.size(), 2); // neither the service account nor the one without a shell
        QCOMPARE(users[0]["user"].toString(), "alice");
        QCOMPARE(users[1]["home"].toString(), home("bob"));
        // The app lies in no home: no user's Trash is the place for it.
        const QJsonArray outside{m_dir->path("host/Applications/Ink.app")};
        QCOMPARE(users[1]["outsideHome"].toArray(), outside);
        QVERIFY(QFileInfo::exists(m_dir->path("host/Applications/Ink.app")));
        // Bob's Trash holds his own folder, whatever alice's home links to.
        QCOMPARE(entries(trashFiles("bob")), QStringList{"io.inkwell.writer"});
        QCOMPARE(entries(trashFiles("bob") + "/io.inkwell.writer"), QStringList{"cache.db"});
        for (const QString& folder : {home("bob") + "/.local/share/Trash", trashFiles("bob"),
                                      home("bob") + "/.local/share/Trash/info"})
            QCOMPARE(ownerOf(folder), (Owner{1001, 0700}));
        QCOMPARE(ownerOf(trashFiles("bob") + "/io.inkwell.writer/cache.db").uid, 1001u);
        QCOMPARE(ownerOf(home("bob") + "/.local/share/Trash/info/io.inkwell.writer.trashinfo").uid,
                 1001u);
        if (aliceTrashed) {
            QCOMPARE(entries(trashFiles("alice")), QStringList{"io.inkwell.writer"});
            QCOMPARE(ownerOf(trashFiles("alice")), (Owner{1000, 0700}));
            QCOMPARE(ownerOf(trashFiles("alice") + "/io.inkwell.writer/cache.db").uid, 1000u);
        } else {
            QVERIFY(QFileInfo(home("alice") + "/" + link).isSymLink());
        }
        if (exitCode != 0) {
            QCOMPARE(users[0]["failures"][0]["reason"].toString(),
                     "A folder of the Trash is a link; nothing was moved into it.");
            QVERIFY(
                QFileInfo::exists(home("alice") + "/Library/Caches/io.inkwell.writer/cache.db"));
        }
        // What is not the app's, and the homes of accounts that are not people, stay.
        for (const char* user : {"svc", "nosh"})
            QVERIFY(QFileInfo::exists(home(user) + "/Library/Caches/io.inkwell.writer/cache.db"));
        QVERIFY(QFileInfo::exists(home("alice") + "/Documents/notes.txt"));
    }

    void scanOfNamedUsersOnly_data() {
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("scanned");
        QTest::newRow("one user") << QStringList{"bob"} << 0 << QStringList{"bob"};
        QTest::newRow("two users, in the database's order")
            << QStringList{"bob", "alice"} << 0 << QStringList{"alice", "bob"};
        QTest::newRow("a service account") << QStringList{"svc"} << 2 << QStringList{};
        QTest::newRow("nobody of that name") << QStringList{"carol"} << 2 << QStringList{};
    }
    void scanOfNamedUsersOnly() {
        QFETCH(QStringList, users);
        QFETCH(int, exitCode);
        QFETCH(QStringList, scanned);
        QStringList arguments{"scan", "--json", "--no-index", "--root", m_dir->path("host")};
        for (const QString& user : users)
            arguments << "--user" << user;

        const CliRun run =
            CliRun::of(arguments + QStringList{m_dir->path("host/Applications/Ink.app")});

        QCOMPARE(run.exitCode, exitCode);
        QStringList names;
        for (const QJsonValue& user : QJsonDocument::fromJson(run.out)["users"].toArray()) {
            names.append(user["user"].toString());
            const QString cache = user["home"].toString() + "/Library/Caches/io.inkwell.writer";
            QCOMPARE(user["matches"][0]["path"].toString(), cache);
        }
        QCOMPARE(names, scanned);
        QVERIFY2(exitCode == 0 || run.err.contains("is no user who logs in"), run.err);
    }

    // Moving other people's files is an administrator's work: anyone else is told so before any
    // app is read.
    void refusedToAnyoneButRoot() {
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            QSKIP("setpriv (util-linux) is needed to drop to user nobody");
        QProcess process;
        process.setWorkingDirectory(QDir::rootPath());
        process.start(setpriv,
                      {"--reuid=65534", "--regid=65534", "--clear-groups", TIDEWELL_CLI_PATH,
                       "remove", "--yes", "--all-users", "org.example.Ink"});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().contains("need administrator rights; run as root"));
    }

private:
    QString home(const char* user) const {
        return m_dir->path(QStringLiteral("host/home/") + user);
    }
    QString trashFiles(const char* user) const { return home(user) + "/.local/share/Trash/files"; }

    void chownHome(const char* user, uint uid) {
        const QString owner = QStringLiteral("%1:%1").arg(uid);
        QCOMPARE(QProcess::execute("chown", {"-hR", owner, home(user)}), 0);
    }

    std::unique_ptr<TestDir> m_dir;
    QStringList m_remove;
};

QTEST_GUILESS_MAIN(TestCliAllUsers)
#include "TestCliAllUsers.moc"
