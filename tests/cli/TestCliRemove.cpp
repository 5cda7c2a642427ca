#include "TestDir.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

namespace {

// Every item below a folder by relative path: "dir", "link:" + target or "file:" + content.
using Tree = QMap<QString, QByteArray>;

Tree snapshot(const QString& folder) {
    Tree tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(folder).relativeFilePath(info.filePath());
        QFile file(info.filePath());
        if (info.isSymLink())
            tree[relative] = "link:" + QFile::encodeName(info.symLinkTarget());
        else if (info.isDir())
            tree[relative] = "dir";
        else if (file.open(QIODevice::ReadOnly))
            tree[relative] = "file:" + file.readAll();
    }
    return tree;
}

bool isAtOrBelow(const QString& path, const QString& item) {
    return path == item || path.startsWith(item + u'/');
}

// The items of tree at or below item, renamed as if item were called newName.
Tree moved(const Tree& tree, const QString& item, const QString& newName) {
    Tree result;
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        if (isAtOrBelow(it.key(), item))
            result[newName + it.key().mid(item.size())] = it.value();
    }
    return result;
}

// Makes removing entries of a folder fail, or work again, for whoever runs the test: root
// ignores permission bits, so it gets the immutable flag; anyone else loses write permission.
bool setFolderLocked(const QString& folder, bool locked) {
    const QByteArray path = QFile::encodeName(folder);
    if (::geteuid() != 0)
        return ::chmod(path, locked ? 0555 : 0755) == 0;
#ifdef __linux__
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = locked ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return done;
#else
    return false;
#endif
}

// A terminal on which the given answer has already been typed.
class TypedTerminal {
public:
    explicit TypedTerminal(const QByteArray& typed) : m_master(::posix_openpt(O_RDWR | O_NOCTTY)) {
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        m_path = QString::fromLocal8Bit(::ptsname(m_master));
        m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
        if (m_slave < 0 || ::write(m_master, typed.constData(), size_t(typed.size())) < 0)
            m_path.clear();
    }
    ~TypedTerminal() {
        for (const int fd : {m_slave, m_master})
            if (fd >= 0)
                ::close(fd);
    }
    QString path() const { return m_path; } // empty when no terminal could be made

private:
    int m_master;
    int m_slave = -1;
    QString m_path;
};

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

} // namespace

class TestCliRemove : public QObject {
    Q_OBJECT

private slots:
    void init();
    void movesLeftoversAndBundleToTheTrash();
    void reportsItemsThatCouldNotBeRemoved();
    void refusesWithoutConfirmationWhenStdinIsNoTerminal();
    void asksOnTheTerminal_data();
    void asksOnTheTerminal();

private:
    CliRun remove(const QStringList& options, const QString& terminal = {}) const;
    QString trashPath(const QString& relative) const {
        return m_dir->path("data/Trash/" + relative);
    }
    Tree library() const; // the whole fixture but the Trash

    std::unique_ptr<TestDir> m_dir;
    QString m_bundle;
    QStringList m_leftovers; // relative to the fixture folder, as the scan must find them
};

void TestCliRemove::init() {
    m_dir = std::make_unique<TestDir>();
    TestDir& dir = *m_dir;
    dir.createDirectory("data");
    m_bundle = "home/Applications/Harbor Notes.app";
    dir.createAppBundle(m_bundle, {{"CFBundleIdentifier", "com.quillfield.harbornotes"},
                                   {"CFBundleName", "Harbor Notes"}});
    dir.createFileOfSize(m_bundle + "/Contents/MacOS/Harbor Notes", 20000);
    m_leftovers = {"home/Library/Caches/com.quillfield.harbornotes",
                   "home/Library/Preferences/com.quillfield.harbornotes.plist",
                   "home/Library/Application Support/Harbor Notes",
                   "root/Library/Application Support/com.quillfield.harbornotes.helper"};
    dir.createFileOfSize(m_leftovers[0] + "/Cache.db", 5000);
    dir.createFile(m_leftovers[0] + "/fsCachedData/.hidden", "h");
    dir.createPlist(m_leftovers[1], {{"NSWindow Frame", "0 0 800 600"}});
    dir.createFileOfSize(m_leftovers[2] + "/notes.sqlite", 3000);
    dir.createFile(m_leftovers[3] + "/license", "key");
    // A link inside a leftover goes with it; the folder it points to stays.
    dir.createFile("home/Documents/Shared/keep.txt", "keep");
    dir.createSymlink(m_leftovers[0] + "/shared", dir.path("home/Documents/Shared"));
    dir.createFile("home/Library/Caches/com.other.editor/cache", "other");
    dir.createPlist("home/Library/Preferences/com.other.editor.plist", {{"k", "v"}});
    dir.createFile("home/Documents/letter.txt", "Harbor Notes is great");
    dir.createDirectory("root/Applications");
}

CliRun TestCliRemove::remove(const QStringList& options, const QString& terminal) const {
    QProcess process;
    if (!terminal.isEmpty())
        process.setStandardInputFile(terminal);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", m_dir->path("home"));
    environment.insert("XDG_DATA_HOME", m_dir->path("data"));
    process.setProcessEnvironment(environment);
    process.start(TIDEWELL_CLI_PATH, QStringList{"remove", "--root", m_dir->path("root"),
                                                 "--no-index", m_dir->path(m_bundle)} +
                                         options);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

Tree TestCliRemove::library() const {
    Tree tree = snapshot(m_dir->path());
    tree.removeIf([](const auto& item) { return isAtOrBelow(item.key(), "data"); });
    return tree;
}

void TestCliRemove::movesLeftoversAndBundleToTheTrash() {
    const Tree before = library();

    const CliRun run = remove({"--json", "--yes"});

    QCOMPARE(run.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    QStringList deleted;
    for (const QJsonValue& path : result["deleted"].toArray())
        deleted.append(QDir(m_dir->path()).relativeFilePath(path.toString()));
    QCOMPARE(deleted.size(), m_leftovers.size() + 1);
    QCOMPARE(deleted.takeLast(), m_bundle); // the bundle goes last
    QCOMPARE(QSet<QString>(deleted.cbegin(), deleted.cend()),
             QSet<QString>(m_leftovers.cbegin(), m_leftovers.cend()));
    QCOMPARE(result["failures"].toArray().size(), 0);
    // At least the bytes written, bundle included (allocation rounds up, never down).
    QVERIFY2(result["reclaimedBytes"].toInteger() >= 20000 + 5000 + 3000,
             qPrintable(QString::number(result["reclaimedBytes"].toInteger())));

    Tree rest = before;
    Tree trashed;
    for (const QString& item : m_leftovers + QStringList{m_bundle}) {
        const QString name = QFileInfo(item).fileName();
        rest.removeIf([&](const auto& entry) { return isAtOrBelow(entry.key(), item); });
        trashed.insert(moved(before, item, name));
        QFile info(trashPath("info/" + name + ".trashinfo"));
        QVERIFY2(info.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray text = info.readAll();
        QVERIFY2(text.contains("Path=" + QUrl::toPercentEncoding(m_dir->path(item), "/") + '\n'),
                 text);
        QVERIFY(text.contains("DeletionDate="));
    }
    QCOMPARE(library(), rest);
    QCOMPARE(snapshot(trashPath("files")), trashed);
}

void TestCliRemove::reportsItemsThatCouldNotBeRemoved() {
    const QString stuck = m_leftovers[1];
    const QString folder = m_dir->path(QFileInfo(stuck).path());
    if (!setFolderLocked(folder, true))
        QSKIP("cannot make a folder unwritable here (no immutable flag for root)");
    const auto unlock = qScopeGuard([&] { setFolderLocked(folder, false); });

    const CliRun run = remove({"--yes"});

    QCOMPARE(run.exitCode, 1);
    const QString text = QString::fromUtf8(run.out);
    QVERIFY2(text.contains(m_dir->path(stuck) +
                           "\n    Permission denied. Grant Full Disk Access and try again."),
             qPrintable(text));
    QVERIFY2(text.endsWith(
                 QStringLiteral("Deleted %1 items. Some files failed.\n").arg(m_leftovers.size())),
             qPrintable(text));
    QVERIFY(QFile::exists(m_dir->path(stuck)));
    QVERIFY(!QFile::exists(m_dir->path(m_bundle)));
}

void TestCliRemove::refusesWithoutConfirmationWhenStdinIsNoTerminal() {
    const Tree before = library();

    const CliRun run = remove({"--json"});

    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("--yes"), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(library(), before);
    QVERIFY(!QFile::exists(trashPath("files")));
}

void TestCliRemove::asksOnTheTerminal_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no") << QByteArray("n\n") << 1;
    QTest::newRow("just return") << QByteArray("\n") << 1;
    QTest::newRow("yes") << QByteArray("yes\n") << 0;
}

void TestCliRemove::asksOnTheTerminal() {
    QFETCH(QByteArray, answer);
    QFETCH(int, exitCode);
    const TypedTerminal terminal(answer);
    if (terminal.path().isEmpty())
        QSKIP("no pseudo-terminal available");
    const Tree before = library();

    const CliRun run = remove({}, terminal.path());

    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith("Move 5 selected items to Trash? [y/N] "), qPrintable(run.err));
    QCOMPARE(library() == before, exitCode != 0);
}

QTEST_GUILESS_MAIN(TestCliRemove)
#include "TestCliRemove.moc"
