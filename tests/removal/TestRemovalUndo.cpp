#include "FaultInjectingFileSystem.h"
#include "ScratchMount.h"
#include "TestDir.h"
#include "TrashSandbox.h"
#include "removal/FileDeletionService.h"
#include "removal/RemovalUndo.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tidewell;

namespace {

// Every entry at and below path as lstat sees it: kind and mode, modification time to the
// nanosecond, and a link's target or a file's content.
QMap<QString, QByteArray> exactTree(const QString& path, const QString& name = {}) {
    QMap<QString, QByteArray> tree;
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return tree;
    QByteArray detail;
    if (S_ISLNK(info.st_mode))
        detail = QFile::encodeName(QFile::symLinkTarget(path));
    QFile file(path);
    if (S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly))
        detail = file.readAll();
    tree[name] = QByteArray::number(info.st_mode, 8) + ' ' +
                 QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' +
                 QByteArray::number(qint64(info.st_mtim.tv_nsec)) + ' ' + detail;
    if (S_ISDIR(info.st_mode)) {
        for (const QString& entry : QDir(path).entryList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot))
            tree.insert(exactTree(path + u'/' + entry, name + u'/' + entry));
    }
    return tree;
}

} // namespace

// A recorded removal put back from the Trash: every item as it was, and each item that cannot
// come back reported with its own reason.
class TestRemovalUndo : public QObject {
    Q_OBJECT

    // The items of one app: a bundle with a link and an empty folder inside, a private file with
    // an old date, a folder of settings and a link of its own.
    QStringList makeItems(TestDir& dir) {
        dir.createFile("Apps/Harbor.app/Contents/Info.plist", "<plist/>");
        dir.createDirectory("Apps/Harbor.app/Contents/Empty");
        dir.createSymlink("Apps/Harbor.app/Contents/Current", "Versions/A");
        const QString secret = dir.createFile("cache/harbor.db", "private",
                                              QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
        QFile::setPermissions(secret, QFile::ReadOwner | QFile::WriteOwner);
        dir.createFile("config/harbor/settings.ini", "[a]\nb=1\n");
        dir.createSymlink("config/harbor.link", "/nowhere/at/all");
        return {dir.path("cache/harbor.db"), dir.path("config/harbor"),
                dir.path("config/harbor.link"), dir.path("Apps/Harbor.app")};
    }

    DeletionReport remove(const QStringList& paths, const QString& root,
                          FileSystem& fileSystem = FileSystem::real(),
                          const RemovalOptions& options = {}) {
        QList<RemovalPlan::Item> items;
        for (const QString& path : paths)
            items.append({QUrl::fromLocalFile(path), {4096}});
        FileDeletionService service(Host::withDefaults(TrashSandbox::instance().homePath()),
                                    fileSystem, m_journal);
        return service
            .deleteItems({items, {{root}, {}}, {"Harbor", paths.last(), "bundle"}}, options)
            .result();
    }

    std::optional<RemovalRecord> latest() const {
        const QList<RemovalRecord> removals = m_journal->readAll();
        return removals.isEmpty() ? std::nullopt : std::optional(removals.first());
    }

    std::unique_ptr<TestDir> m_state;
    std::shared_ptr<RemovalJournal> m_journal;

private slots:
    void initTestCase() { QVERIFY(TrashSandbox::instance().isActive()); }
    void init() {
        m_state = std::make_unique<TestDir>();
        m_journal = std::make_shared<RemovalJournal>(m_state->path("journal"));
    }

    void restoresEveryItemAsItWas_data() {
        QTest::addColumn<bool>("acrossFileSystems");
        QTest::newRow("same file system") << false;
        QTest::newRow("across file systems") << true;
    }

    // Bytes, modes, times and links: by a rename, or by a copy when the places now lie on a
    // file system of their own; missing folders on the way are made.
    void restoresEveryItemAsItWas() {
        QFETCH(bool, acrossFileSystems);
        TestDir dir;
        const QStringList items = makeItems(dir);
        QList<QMap<QString, QByteArray>> before;
        for (const QString& item : items)
            before.append(exactTree(item));
        QCOMPARE(remove(items, dir.path()).trashed.size(), items.size());
        // The folder that held two of them is gone too: it is made again.
        QVERIFY(QDir(dir.path("config")).removeRecursively());
        std::unique_ptr<ScratchMount> volume;
        if (acrossFileSystems) {
            // Emptied, the folder that held the bundle becomes the top of another volume.
            volume = std::make_unique<ScratchMount>(dir.path("Apps"), "tmpfs", "size=1m");
            if (!volume->failure().isEmpty())
                QSKIP(qPrintable("no second file system can be made: " + volume->failure()));
        }
        const std::optional<RemovalRecord> removal = latest();
        QVERIFY(removal && RemovalUndo::isUndoable(*removal, FileSystem::real()));

        const UndoReport report = RemovalUndo::undo(*removal, FileSystem::real());

        QCOMPARE(report.restored, items);
        QVERIFY(report.isComplete());
        for (qsizetype index = 0; index < items.size(); ++index)
            QCOMPARE(exactTree(items[index]), before[index]);
        QVERIFY(!RemovalUndo::isUndoable(*removal, FileSystem::real()));
        for (const RemovalRecord::Item& item : removal->items)
            QVERIFY(!QFileInfo::exists(item.trashEntry.filesPath) &&
                    !QFileInfo::exists(item.trashEntry.infoPath));
    }

    // Taken places, emptied entries, names reused for another item, items deleted in place and
    // items that never left: only what is truly its own comes back, nothing is overwritten.
    void eachItemThatCannotComeBackSaysWhy() {
        TestDir dir;
        QStringList items;
        for (const char* name : {"back", "taken", "emptied", "reused", "in place", "stayed"})
            items.append(dir.createFile(QString("items/") + name, name));
        FaultInjectingFileSystem fileSystem;
        fileSystem.failTrash(items[4], 1, "no trash here");
        fileSystem.failTrash(items[5], 1, "no trash here");
        fileSystem.failRemoval(items[5], 1, "stuck");
        remove(items, dir.path(), fileSystem);
        const std::optional<RemovalRecord> removal = latest();
        QVERIFY(removal && RemovalUndo::isUndoable(*removal, FileSystem::real()));
        const TrashEntry taken = removal->items[1].trashEntry;
        dir.createFile("items/taken", "new content");
        const TrashEntry emptied = removal->items[2].trashEntry;
        QVERIFY(QFile::remove(emptied.filesPath) && QFile::remove(emptied.infoPath));
        // Put back by hand, and another item trashed under the same name.
        const TrashEntry reused = removal->items[3].trashEntry;
        QVERIFY(QFile::rename(reused.filesPath, items[3]) && QFile::remove(reused.infoPath));
        const QString other = dir.createFile("elsewhere/reused", "other");
        QVERIFY(FileSystem::real().moveToTrash(other).trashEntry.filesPath == reused.filesPath);
        QVERIFY(!RemovalUndo::isUndoable(*removal, FileSystem::real()));
        QVERIFY(QFile::remove(items[3]));

        const UndoReport report = RemovalUndo::undo(*removal, fileSystem);

        QCOMPARE(report.restored, QStringList{items[0]});
        QCOMPARE(report.conflicts.size(), 1);
        QCOMPARE(report.conflicts[0].path, items[1]);
        QCOMPARE(report.conflicts[0].trashPath, taken.filesPath);
        QVERIFY(QFile::exists(taken.filesPath) && QFile::exists(taken.infoPath));
        QFile kept(items[1]);
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == "new content");
        QCOMPARE(report.gone, (QStringList{items[2], items[3]}));
        QVERIFY(QFile::exists(reused.filesPath) && !QFile::exists(items[3]));
        QCOMPARE(report.notRestorable, QStringList{items[4]});
        QVERIFY(report.failures.isEmpty() && !report.isComplete());
    }

    // A removal killed while the file system fails its third item leaves a journal that says
    // exactly which items moved: undo from it puts the first two back and touches nothing else.
    void undoesWhatAKilledRemovalMoved() {
        TestDir dir, crash;
        QStringList items;
        for (const char* name : {"first", "second", "third", "fourth"})
            items.append(dir.createFile(QString("items/") + name, name));
        FaultInjectingFileSystem fileSystem;
        fileSystem.failTrash(items[2], 5, "Input/output error");
        fileSystem.failRemoval(items[2], 5, "Input/output error");
        bool killed = false;
        // What a kill at the third item leaves of the journal is what it holds then.
        fileSystem.whenTrashing([&](const QString& path) {
            killed = killed || path == items[2];
            if (path == items[2])
                QVERIFY(QFile::copy(m_state->path("journal/1.jsonl"), crash.path("1.jsonl")));
        });
        const RemovalOptions stopAfterTheKill{RemovalOptions::Method::trashElseRemove,
                                              [&killed] { return killed; }};
        QCOMPARE(remove(items, dir.path(), fileSystem, stopAfterTheKill).trashed,
                 (QList<QUrl>{QUrl::fromLocalFile(items[0]), QUrl::fromLocalFile(items[1])}));
        const std::optional<RemovalRecord> left = RemovalJournal(crash.path()).read(1);
        QVERIFY(left && left->unreadLines == 0);

        const UndoReport report = RemovalUndo::undo(*left, FileSystem::real());

        QCOMPARE(report.restored, items.first(2));
        QVERIFY(report.isComplete());
        for (const QString& item : items)
            QVERIFY2(QFile::exists(item), qPrintable(item));
    }
};

QTEST_GUILESS_MAIN(TestRemovalUndo)
#include "TestRemovalUndo.moc"
