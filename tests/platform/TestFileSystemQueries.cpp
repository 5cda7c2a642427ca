#include "TestDir.h"
#include "Unprivileged.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace tidewell;

namespace {

// Hidden items, packages named in any case, a linked package and a folder nobody may read.
void buildSampleTree(TestDir& dir) {
    for (const char* name : {"visible.txt", ".hidden", "notes.app", "Folder/b/c.txt",
                             ".HiddenFolder/x", "Tool.APP/Contents/Info.plist", "locked/inside"})
        dir.createFile(name);
    dir.createDirectory("Café Notes.plugin");
    dir.createSymlink("link.app", dir.path("Tool.APP"));
    dir.setMode("locked", 0);
}

} // namespace

class TestFileSystemQueries : public QObject {
    Q_OBJECT

private slots:
    void listsVisibleEntriesWithTheirKinds() {
        TestDir dir;
        buildSampleTree(dir);
        const QByteArray invalidName = QFile::encodeName(dir.path()) + "/bad\xff\xfe";
        ::close(::open(invalidName.constData(), O_CREAT | O_WRONLY, 0644));

        const DirectoryListing listing = FileSystem::real().listDirectory(dir.path());
        ::unlink(invalidName.constData()); // a name the folder's own clean-up cannot decode
        QCOMPARE(listing.errorCode, int(NoError));
        // Each name with its directory, link and package flags; "?" for a flag left open.
        const auto flag = [](std::optional<bool> value) {
            return value ? QString::number(*value) : QStringLiteral("?");
        };
        QStringList seen;
        for (const DirectoryEntry& entry : listing.entries) {
            QCOMPARE(entry.path, dir.path() + u'/' + entry.name);
            seen.append(entry.name + u'=' + flag(entry.isDirectory) + flag(entry.isSymbolicLink) +
                        flag(entry.isPackage));
        }
        seen.sort();
        // A name that is not UTF-8 is listed with U+FFFD in place of each invalid byte.
        QCOMPARE(seen, QStringList({"Café Notes.plugin=101", "Folder=100", "Tool.APP=101",
                                    "bad\ufffd\ufffd=000", "link.app=010", "locked=100",
                                    "notes.app=000", "visible.txt=000"}));
        // Asked for, the hidden entries come too, but never "." and "..".
        QStringList all;
        for (const DirectoryEntry& entry :
             FileSystem::real().listDirectory(dir.path(), HiddenEntries::included).entries)
            all.append(entry.name);
        all.sort();
        QCOMPARE(all, QStringList({".HiddenFolder", ".hidden", "Café Notes.plugin", "Folder",
                                   "Tool.APP", "link.app", "locked", "notes.app", "visible.txt"}));
    }

    void listingErrorsCarryTheirCode() {
        TestDir dir;
        buildSampleTree(dir);
        const FileSystem& fs = FileSystem::real();
        QCOMPARE(fs.listDirectory(dir.path("missing")).errorCode, int(NoSuchFileError));
        const QList<int> known{NoError, NoSuchFileError, NoReadPermissionError,
                               NoWritePermissionError};
        QVERIFY(!known.contains(fs.listDirectory(dir.path("visible.txt")).errorCode));
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        QCOMPARE(fs.listDirectory(dir.path("locked")).errorCode, int(NoReadPermissionError));
    }

    void resourceValuesNeverFollowALink() {
        TestDir dir;
        buildSampleTree(dir);
        QVERIFY(QFile::resize(dir.createFile("sparse"), 64 << 20));
        const QString payload = dir.createFileOfSize("payload", 256 << 10);
        dir.createSymlink("file", payload);
        dir.createSymlink("dangling", dir.path("gone"));
        const auto values = [&](const char* name) {
            return FileSystem::real().resourceValues(dir.path(name));
        };

        const std::optional<ResourceValues> holes = values("sparse");
        QVERIFY(holes && holes->fileSize == 64 << 20 && *holes->allocatedSize < (1 << 20));
        QCOMPARE(holes->totalAllocatedSize, holes->allocatedSize);
        QVERIFY(*values("payload")->allocatedSize >= 256 << 10);
        QVERIFY(values("Tool.APP")->isPackage);
        const std::optional<ResourceValues> folder = values("link.app");
        QVERIFY(folder && folder->isSymbolicLink && !folder->isDirectory && !folder->isPackage);
        // A link's size is the length of its own target text.
        const std::optional<ResourceValues> file = values("file");
        QVERIFY(file && file->isSymbolicLink && file->fileSize == payload.toUtf8().size());
        QVERIFY(values("dangling") && values("dangling")->isSymbolicLink);
        QVERIFY(!values("missing"));
    }

    // A walk that passes over the locked folder says it saw only part of the tree.
    void walkYieldsEverythingBelowButPackagesLinksAndLockedFolders() {
        TestDir dir;
        buildSampleTree(dir);
        QStringList seen;
        const TreeWalk walk = FileSystem::real().walkTree(dir.path(), [&](const TreeEntry& entry) {
            seen.append(entry.path.mid(dir.path().size() + 1));
            QCOMPARE(entry.values.isSymbolicLink, seen.last() == u"link.app");
        });
        QVERIFY(seen.indexOf(u"Folder") < seen.indexOf(u"Folder/b"));
        const bool isRoot = ::geteuid() == 0; // root reads the locked folder anyway
        QCOMPARE(walk, isRoot ? TreeWalk::whole : TreeWalk::partial);
        if (isRoot)
            seen.removeAll("locked/inside");
        seen.sort();
        QCOMPARE(seen, QStringList({".HiddenFolder", ".HiddenFolder/x", ".hidden",
                                    "Café Notes.plugin", "Folder", "Folder/b", "Folder/b/c.txt",
                                    "Tool.APP", "link.app", "locked", "notes.app", "visible.txt"}));
        QCOMPARE(FileSystem::real().walkTree(dir.path("missing"), [](const TreeEntry&) {}),
                 TreeWalk::notOpened);
        if (!isRoot)
            QCOMPARE(FileSystem::real().walkTree(dir.path("locked"), [](const TreeEntry&) {}),
                     TreeWalk::notOpened);
    }
};

QTEST_GUILESS_MAIN(TestFileSystemQueries)
#include "TestFileSystemQueries.moc"
