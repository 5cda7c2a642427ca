#include "TestDir.h"
#include "Unprivileged.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace tidewell;

namespace {

QString entryFlags(const DirectoryEntry& entry) {
    const auto flag = [](std::optional<bool> value) {
        return value ? QString::number(*value) : QStringLiteral("?");
    };
    return flag(entry.isDirectory) + flag(entry.isSymbolicLink) + flag(entry.isPackage);
}

// Creates a file whose name is bytes that are not valid UTF-8.
void createFileWithInvalidName(const TestDir& dir) {
    const QByteArray path = QFile::encodeName(dir.path()) + "/bad\xff\xfe";
    ::close(::open(path.constData(), O_CREAT | O_WRONLY, 0644));
}

} // namespace

class TestFileSystemQueries : public QObject {
    Q_OBJECT

private slots:
    void listsVisibleEntriesWithTheirKinds() {
        TestDir dir;
        dir.createFile(QStringLiteral("visible.txt"));
        dir.createFile(QStringLiteral(".hidden"));
        dir.createDirectory(QStringLiteral(".HiddenFolder"));
        dir.createDirectory(QStringLiteral("Folder"));
        dir.createDirectory(QStringLiteral("Tool.APP"));
        dir.createDirectory(QStringLiteral("Café Notes.plugin"));
        dir.createFile(QStringLiteral("notes.app"));
        dir.createSymlink(QStringLiteral("link.app"), dir.path(QStringLiteral("Tool.APP")));
        createFileWithInvalidName(dir);

        const DirectoryListing listing = FileSystem::real().listDirectory(dir.path());
        QCOMPARE(listing.errorCode, int(NoError));
        QMap<QString, QString> flagsByName;
        for (const DirectoryEntry& entry : listing.entries) {
            QCOMPARE(entry.path, dir.path() + u'/' + entry.name);
            flagsByName.insert(entry.name, entryFlags(entry));
        }
        const QMap<QString, QString> expected{
            {QStringLiteral("visible.txt"), QStringLiteral("000")},
            {QStringLiteral("Folder"), QStringLiteral("100")},
            {QStringLiteral("Tool.APP"), QStringLiteral("101")},
            {QStringLiteral("Café Notes.plugin"), QStringLiteral("101")},
            {QStringLiteral("notes.app"), QStringLiteral("000")},
            {QStringLiteral("link.app"), QStringLiteral("010")},
        };
        QCOMPARE(flagsByName, expected);
    }

    void listingFollowsALinkedFolder() {
        TestDir dir;
        dir.createFile(QStringLiteral("real/inside.txt"));
        const QString link = dir.createSymlink(QStringLiteral("link"), dir.path("real"));
        const DirectoryListing listing = FileSystem::real().listDirectory(link);
        QCOMPARE(listing.entries.size(), 1);
        QCOMPARE(listing.entries.first().path, link + QStringLiteral("/inside.txt"));
    }

    void listingErrors_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<int>("expected"); // -1: any code but 0, 4, 257 and 513
        QTest::addColumn<bool>("needsUnprivileged");
        QTest::newRow("missing folder") << "missing" << int(NoSuchFileError) << false;
        QTest::newRow("plain file") << "file.txt" << -1 << false;
        QTest::newRow("unreadable folder") << "locked" << int(NoReadPermissionError) << true;
    }

    void listingErrors() {
        QFETCH(QString, relative);
        QFETCH(int, expected);
        QFETCH(bool, needsUnprivileged);
        if (needsUnprivileged)
            TIDEWELL_REQUIRE_UNPRIVILEGED();
        TestDir dir;
        dir.createFile(QStringLiteral("file.txt"));
        dir.createFile(QStringLiteral("locked/secret"));
        dir.setMode(QStringLiteral("locked"), 0);
        const DirectoryListing listing = FileSystem::real().listDirectory(dir.path(relative));
        QVERIFY(listing.entries.isEmpty());
        if (expected >= 0)
            QCOMPARE(listing.errorCode, expected);
        else
            QVERIFY(!QList<int>(
                         {NoError, NoSuchFileError, NoReadPermissionError, NoWritePermissionError})
                         .contains(listing.errorCode));
    }

    void allocatedSizeOfASparseFileIsBelowItsLength() {
        TestDir dir;
        const QString path = dir.createFile(QStringLiteral("sparse"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(64 << 20));
        const std::optional<ResourceValues> values = FileSystem::real().resourceValues(path);
        QVERIFY(values);
        QCOMPARE(values->fileSize, 64 << 20);
        QVERIFY(*values->allocatedSize < (1 << 20));
        QCOMPARE(values->totalAllocatedSize, values->allocatedSize);
    }

    void resourceValuesNeverFollowALink() {
        TestDir dir;
        const QString target = dir.createFileOfSize(QStringLiteral("Big.app/payload"), 256 << 10);
        const QString folderLink =
            dir.createSymlink(QStringLiteral("folder.app"), dir.path(QStringLiteral("Big.app")));
        const QString fileLink = dir.createSymlink(QStringLiteral("file"), target);
        FileSystem& fs = FileSystem::real();

        const std::optional<ResourceValues> folder = fs.resourceValues(folderLink);
        QVERIFY(folder && folder->isSymbolicLink && !folder->isDirectory && !folder->isPackage);
        const std::optional<ResourceValues> file = fs.resourceValues(fileLink);
        QVERIFY(file && file->isSymbolicLink);
        QCOMPARE(file->fileSize, target.toUtf8().size()); // the link's own length
        QVERIFY(*fs.resourceValues(target)->allocatedSize >= 256 << 10);
        QVERIFY(fs.resourceValues(dir.path(QStringLiteral("Big.app")))->isPackage);
        QVERIFY(!fs.resourceValues(dir.path(QStringLiteral("missing"))));
    }

    void existenceFollowsLinksOnlyWhenAsked() {
        TestDir dir;
        dir.createDirectory(QStringLiteral("folder"));
        const QString folderLink =
            dir.createSymlink(QStringLiteral("toFolder"), dir.path("folder"));
        const QString dangling = dir.createSymlink(QStringLiteral("dangling"), dir.path("gone"));
        FileSystem& fs = FileSystem::real();
        QVERIFY(fs.isDirectory(folderLink));
        QVERIFY(!fs.exists(dangling));
        QVERIFY(fs.existsNoFollow(dangling));
        QVERIFY(!fs.isDirectory(dir.createFile(QStringLiteral("file"))));
    }

    void unreadableItemIsNotReadable() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        TestDir dir;
        const QString path = dir.createFile(QStringLiteral("private"));
        QVERIFY(FileSystem::real().isReadable(path));
        dir.setMode(QStringLiteral("private"), 0200);
        QVERIFY(!FileSystem::real().isReadable(path));
    }

    void walkYieldsEverythingBelowButPackagesLinksAndLockedFolders() {
        TestDir dir;
        dir.createFile(QStringLiteral("a/b/c.txt"));
        dir.createFile(QStringLiteral(".hidden/x"));
        dir.createFile(QStringLiteral("Bundle.app/Contents/Info.plist"));
        dir.createSymlink(QStringLiteral("link"), dir.path(QStringLiteral("a")));
        dir.createFile(QStringLiteral("locked/inside"));
        dir.setMode(QStringLiteral("locked"), 0);

        QStringList seen;
        const bool walked = FileSystem::real().walkTree(dir.path(), [&](const TreeEntry& entry) {
            QVERIFY(entry.path.startsWith(dir.path() + u'/'));
            seen.append(entry.path.mid(dir.path().size() + 1));
            QCOMPARE(entry.values.isSymbolicLink, seen.last() == u"link");
        });
        QVERIFY(walked);
        QVERIFY(seen.indexOf(u"a") < seen.indexOf(u"a/b"));
        if (::geteuid() == 0) // root reads the locked folder anyway
            seen.removeAll(QStringLiteral("locked/inside"));
        seen.sort();
        QCOMPARE(seen, QStringList({".hidden", ".hidden/x", "Bundle.app", "a", "a/b", "a/b/c.txt",
                                    "link", "locked"}));
        QVERIFY(!FileSystem::real().walkTree(dir.path("missing"), [](const TreeEntry&) {}));
    }
};

QTEST_GUILESS_MAIN(TestFileSystemQueries)
#include "TestFileSystemQueries.moc"
