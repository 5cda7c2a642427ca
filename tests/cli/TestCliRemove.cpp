#include "CliRun.h"
#include "TestDir.h"
#include "TreeSnapshot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestCliRemove : public QObject {
    Q_OBJECT

private slots:
    void init();
    void movesLeftoversAndBundleToTheTrash();
    void reportsItemsThatCouldNotBeRemoved();
    void asksFirst_data();
    void asksFirst();

private:
    CliRun remove(const QStringList& options, const QString& stdinFile = {}) const {
        const QStringList arguments{"remove", "--no-index", "--root", m_dir->path("root"),
                                    m_dir->path(m_items.last())};
        return CliRun::of(arguments + options, stdinFile);
    }

    std::unique_ptr<TestDir> m_dir, m_data; // the library, and the user's data with the Trash
    QStringList m_items; // the leftovers that the scan must find, then the bundle
};

void TestCliRemove::init() {
    m_dir = std::make_unique<TestDir>();
    m_data = std::make_unique<TestDir>();
    qputenv("HOME", QFile::encodeName(m_dir->path("home")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
    m_dir->createDirectory("root");
    m_items = {"home/Library/Caches/com.quillfield.harbornotes",
               "home/Library/Preferences/com.quillfield.harbornotes.plist",
               "home/Library/Application Support/Harbor Notes",
               "home/Applications/Harbor Notes.app"};
    m_dir->createAppBundle(m_items[3], {{"CFBundleIdentifier", "com.quillfield.harbornotes"},
                                        {"CFBundleName", "Harbor Notes"}});
    m_dir->createFileOfSize(m_items[3] + "/Contents/MacOS/Harbor Notes", 20000);
    m_dir->createFileOfSize(m_items[0] + "/Cache.db", 5000);
    m_dir->createPlist(m_items[1], {{"NSWindow Frame", "0 0 800 600"}});
    m_dir->createFile(m_items[2] + "/notes.sqlite", "notes");
    // A link inside a leftover goes with it; the folder it points to stays.
    m_dir->createFile("home/Documents/Shared/keep.txt", "keep");
    m_dir->createSymlink(m_items[0] + "/shared", m_dir->path("home/Documents/Shared"));
    m_dir->createFile("home/Library/Caches/com.other.editor/cache", "other");
}

void TestCliRemove::movesLeftoversAndBundleToTheTrash() {
    const TreeSnapshot before = snapshotOf(m_dir->path());

    const CliRun run = remove({"--json", "--yes"});

    QCOMPARE(run.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    QStringList deleted;
    for (const QJsonValue& path : result["deleted"].toArray())
        deleted.append(QDir(m_dir->path()).relativeFilePath(path.toString()));
    QCOMPARE(deleted.takeLast(), m_items.last()); // the bundle goes last
    QCOMPARE(QSet(deleted.cbegin(), deleted.cend()), QSet(m_items.cbegin(), m_items.cend() - 1));
    QCOMPARE(result["failures"].toArray(), QJsonArray());
    // At least the bytes written (allocation rounds up, never down).
    QVERIFY2(result["reclaimedBytes"].toInteger() >= 25000, run.out);

    // Every item left its place for the Trash with a record of where it came from; put back
    // there, the tree is as it was.
    TreeSnapshot restored = snapshotOf(m_dir->path());
    QMap<QString, QString> origins; // name in the Trash -> place
    for (const QString& item : m_items) {
        const QString name = QFileInfo(item).fileName();
        origins[name] = item;
        QVERIFY2(!restored.contains(item), qPrintable(item));
        QFile info(m_data->path("Trash/info/" + name + ".trashinfo"));
        QVERIFY2(info.open(QFile::ReadOnly), qPrintable(name));
        const QByteArray text = info.readAll();
        const QByteArray path = QUrl::toPercentEncoding(m_dir->path(item), "/");
        QVERIFY2(text.contains("\nPath=" + path + "\nDeletionDate="), text);
    }
    const TreeSnapshot trashed = snapshotOf(m_data->path("Trash/files"));
    for (auto it = trashed.cbegin(); it != trashed.cend(); ++it) {
        const QString name = it.key().section('/', 0, 0);
        restored[origins.value(name, "?") + it.key().mid(name.size())] = it.value();
    }
    QCOMPARE(restored, before);
}

void TestCliRemove::reportsItemsThatCouldNotBeRemoved() {
    // Root ignores permission bits, so it locks the folder with the immutable flag instead.
    const QString stuck = m_dir->path(m_items[1]);
    const QString folder = QFileInfo(stuck).path();
    const auto lock = [&folder](bool locked) {
        if (::geteuid() != 0)
            return ::chmod(QFile::encodeName(folder).constData(), locked ? 0555 : 0755) == 0;
        return QProcess::execute("chattr", {locked ? "+i" : "-i", folder}) == 0;
    };
    if (!lock(true))
        QSKIP("cannot make a folder unwritable here (no immutable flag for root)");
    const auto unlock = qScopeGuard([&lock] { lock(false); });

    const CliRun run = remove({"--yes"});

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.contains(stuck.toUtf8() +
                              "\n    Permission denied. Grant Full Disk Access and try again."),
             run.out);
    QVERIFY2(run.out.endsWith("Deleted 3 items. Some files failed.\n"), run.out);
    QVERIFY(QFileInfo::exists(stuck));
    QVERIFY(!QFileInfo::exists(m_dir->path(m_items.last())));
}

void TestCliRemove::asksFirst_data() {
    QTest::addColumn<QByteArray>("typed"); // on a terminal; null: stdin is no terminal
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no terminal") << QByteArray() << 2;
    QTest::newRow("no") << QByteArray("n\n") << 1;
    QTest::newRow("just return") << QByteArray("\n") << 1;
    QTest::newRow("yes") << QByteArray("yes\n") << 0;
}

void TestCliRemove::asksFirst() {
    QFETCH(QByteArray, typed);
    QFETCH(int, exitCode);
    // The answer is typed on a new terminal before the question comes.
    const int terminal = typed.isNull() ? -1 : ::posix_openpt(O_RDWR | O_NOCTTY);
    const auto closeTerminal = qScopeGuard([terminal] { ::close(terminal); });
    if (!typed.isNull() && (terminal < 0 || ::grantpt(terminal) != 0 || ::unlockpt(terminal) != 0 ||
                            ::write(terminal, typed.constData(), size_t(typed.size())) <= 0))
        QSKIP("no pseudo-terminal available");
    const TreeSnapshot before = snapshotOf(m_dir->path());

    const CliRun run = remove({}, typed.isNull() ? QString() : ::ptsname(terminal));

    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(snapshotOf(m_dir->path()) == before, exitCode != 0);
    const QByteArray question = typed.isNull() ? "" : "Move 4 selected items to Trash? [y/N] ";
    QVERIFY2(run.err.startsWith(question) && run.err.contains(typed.isNull() ? "--yes" : ""),
             run.err);
}

QTEST_GUILESS_MAIN(TestCliRemove)
#include "TestCliRemove.moc"
