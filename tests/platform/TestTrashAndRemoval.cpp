#include "TestDir.h"
#include "TrashSandbox.h"
#include "Unprivileged.h"
#include "platform/FileErrors.h"
#include "platform/RealFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tidewell;

// Removal in place, the Trash a file system was given, and the refusals that removal and the
// Trash share.
class TestTrashAndRemoval : public QObject {
    Q_OBJECT

private slots:
    // Whatever a refusal fails to stop goes to the sandbox's Trash, not the user's.
    void initTestCase() { QVERIFY(TrashSandbox::instance().isActive()); }

    // The Trash is the one below the data folder the file system was given, whatever the
    // process environment says.
    void trashesBelowTheDataFolderItWasGiven() {
        const QString home = TrashSandbox::instance().homePath();
        const QString data = home + "/.other-data";
        QVERIFY(QFile(home + "/Notes").open(QIODevice::WriteOnly));
        RealFileSystem fileSystem(data);
        const FileOperationResult result = fileSystem.moveToTrash(home + "/Notes");
        QVERIFY2(result.ok(), qPrintable(result.message));
        QCOMPARE(result.trashEntry.filesPath, data + "/Trash/files/Notes");
        QVERIFY(QFileInfo(data + "/Trash/files/Notes").isFile());
        QVERIFY(!QFileInfo::exists(TrashSandbox::instance().trashFilesPath() + "/Notes"));
    }

    void removalTakesAFolderTreeOrJustALink() {
        TestDir dir;
        dir.createFile("tree/a/b/file", "data");
        dir.createSymlink("tree/a/escape", dir.path("kept"));
        dir.createFile("kept/file", "data");
        const QString link = dir.createSymlink("link", dir.path("kept"));
        FileSystem& fs = FileSystem::real();

        QVERIFY(fs.removePermanently(link + u'/').ok() && !fs.existsNoFollow(link));
        QVERIFY(fs.removePermanently(dir.path("tree")).ok() &&
                !fs.existsNoFollow(dir.path("tree")));
        QVERIFY(fs.exists(dir.path("kept/file"))); // nothing followed through either link
        QCOMPARE(fs.removePermanently(link).errorCode, int(NoSuchFileError));
    }

    // Depth first within a small descriptor budget: a tree deeper than the limit goes whole.
    void removesADeepTreeWithFewDescriptors() {
        TestDir dir;
        QVERIFY(QDir().mkpath(dir.path("deep/d")));
        QByteArray chain = QFile::encodeName(dir.path("deep"));
        for (int level = 1; level < 3000; ++level) {
            QVERIFY(::chdir(chain.constData()) == 0);
            QVERIFY(::mkdir("d", 0755) == 0 || errno == EEXIST);
            chain = "d";
        }
        QVERIFY(::chdir("/") == 0);
        rlimit original{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &original) == 0);
        rlimit small = original;
        small.rlim_cur = 256;
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &small) == 0);
        const FileOperationResult result = FileSystem::real().removePermanently(dir.path("deep"));
        ::setrlimit(RLIMIT_NOFILE, &original);
        QVERIFY2(result.ok(), qPrintable(result.message));
        QVERIFY(!QFileInfo::exists(dir.path("deep")));
    }

    // A folder on the path swapped for a link: nothing is reached through it.
    void neverRemovesThroughALinkInThePath() {
        TestDir dir;
        const QString outside = dir.createFile("outside/item/file", "keep");
        dir.createSymlink("library", dir.path("outside"));
        FileSystem& fs = FileSystem::real();
        QCOMPARE(fs.removePermanently(dir.path("library/item")).errorCode, int(LinkInPathError));
        QCOMPARE(fs.moveToTrash(dir.path("library/item")).errorCode, int(LinkInPathError));
        QVERIFY(QFile::exists(outside));
    }

    void refusalNamesTheFolderThatRefused_data() {
        QTest::addColumn<bool>("toTrash");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("locked"); // made read-only; "Trash" for the Trash's files
        QTest::addColumn<unsigned>("mode");
        QTest::addColumn<QString>("refusing"); // relative to the test folder, or "Trash"
        for (const bool toTrash : {false, true}) {
            const char* how = toTrash ? "trash" : "removal";
            QTest::addRow("%s: the folder holding it", how) << toTrash << "parent/item"
                                                            << "parent" << 0555u << "parent";
            QTest::addRow("%s: a folder it lies in cannot be searched", how)
                << toTrash << "closed/inner/item"
                << "closed" << 0666u << "closed";
        }
        QTest::addRow("removal: a folder deep inside") << false << "outer"
                                                       << "outer/inner" << 0555u << "outer/inner";
        QTest::addRow("removal: its own folder") << false << "own"
                                                 << "own" << 0555u << "own";
        // A folder that moves to another folder has its ".." entry rewritten.
        QTest::addRow("trash: its own folder") << true << "own"
                                               << "own" << 0555u << "own";
        QTest::addRow("trash: the Trash") << true << "plain"
                                          << "Trash" << 0555u << "Trash";
    }

    void refusalNamesTheFolderThatRefused() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        QFETCH(bool, toTrash);
        QFETCH(QString, item);
        QFETCH(QString, locked);
        QFETCH(unsigned, mode);
        QFETCH(QString, refusing);
        TestDir dir;
        dir.createFile(item + "/item/file");
        if (locked != u"Trash")
            dir.createFile(locked + "/kept");
        const QString trashFiles = TrashSandbox::instance().trashFilesPath();
        QVERIFY(QDir().mkpath(trashFiles));
        const auto lockedPath = [&](const QString& name) {
            return name == u"Trash" ? QFileInfo(trashFiles).canonicalFilePath() : dir.path(name);
        };
        QCOMPARE(::chmod(QFile::encodeName(lockedPath(locked)), mode_t(mode)), 0);
        FileSystem& fs = FileSystem::real();
        const FileOperationResult result =
            toTrash ? fs.moveToTrash(dir.path(item)) : fs.removePermanently(dir.path(item));
        ::chmod(QFile::encodeName(trashFiles), 0700);

        QCOMPARE(result.errorCode, int(NoWritePermissionError));
        QVERIFY(!result.message.isEmpty() && !result.message.contains(u'\n'));
        QCOMPARE(result.refusingFolder, lockedPath(refusing));
        dir.setMode(locked, 0700);
        QVERIFY(QFileInfo(dir.path(item)).isDir());
    }
};

QTEST_GUILESS_MAIN(TestTrashAndRemoval)
#include "TestTrashAndRemoval.moc"
