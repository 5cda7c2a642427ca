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

    void refusedRemovalReportsNoWritePermission() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        TestDir dir;
        dir.createFile("parent/item/file");
        dir.createFile("outer/inner/item/file");
        dir.setMode("parent", 0555);
        dir.setMode("outer/inner", 0555);
        // An item in a locked folder, and a folder holding a locked folder.
        for (const char* removed : {"parent/item", "outer"}) {
            const FileOperationResult result =
                FileSystem::real().removePermanently(dir.path(QString::fromUtf8(removed)));
            QCOMPARE(result.errorCode, int(NoWritePermissionError));
            QVERIFY(!result.message.isEmpty() && !result.message.contains(u'\n'));
        }
        QVERIFY(QFileInfo(dir.path("parent/item")).isDir());
        QVERIFY(QFileInfo(dir.path("outer/inner/item")).isDir());
    }
};

QTEST_GUILESS_MAIN(TestTrashAndRemoval)
#include "TestTrashAndRemoval.moc"
