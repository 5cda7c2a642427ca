#include "scanner/ContainerDirectories.h"
#include "scanner/DirectoryWalker.h"
#include "scanner/ItemClassification.h"
#include "scanner/ScanRoots.h"

#include "FaultInjectingFileSystem.h"
#include "ScannerTestApps.h"
#include "TestDir.h"

#include <QTest>

using namespace tidewell;

// Roots, the walk, container folders and sizes, on trees built in a temporary root folder.
class TestScanTree : public QObject {
    Q_OBJECT

private slots:
    void init();
    void fixedRootsFollowTheEnvironment();
    void expandsLibraryFoldersIntoRoots();
    void walkHonoursDepthExclusionsAndProtectedPaths();
    void findsContainersByNameAndRecordedOwner();
    void reportsUnreadableContainerRootsOnly();
    void sizesCountEverythingBelowExceptPackageContents();

private:
    QString path(const QString& relative) const { return m_dir->path(relative); }
    ScanEnvironment environment() const { return {path("Users/ann"), m_dir->path()}; }

    std::unique_ptr<TestDir> m_dir;
};

void TestScanTree::init() {
    m_dir = std::make_unique<TestDir>();
}

void TestScanTree::fixedRootsFollowTheEnvironment() {
    const QList<ScanRoot> real{{"/Users/ann/Library", 3},
                               {"/Library", 3},
                               {"/Users/ann/Applications", 1},
                               {"/Applications", 1},
                               {"/Users/Shared", 3}};
    QCOMPARE(makeScanRoots({"/Users/ann", ""}), real);
    // A home of "/" names the system Library twice; the first root stays.
    const QList<ScanRoot> atSlash{{"/Library", 3}, {"/Applications", 1}, {"/Users/Shared", 3}};
    QCOMPARE(makeScanRoots({"/", ""}), atSlash);
    QCOMPARE(makeScanRoots({"/r/Users/ann", "/r"})[3], (ScanRoot{"/r/Applications", 1}));
    QVERIFY(isDeepSearchExcludedLibraryDirectory(u"Fonts"));
    QVERIFY(!isDeepSearchExcludedLibraryDirectory(u"fonts"));
}

void TestScanTree::expandsLibraryFoldersIntoRoots() {
    m_dir->createDirectory("Users/ann/Library/Application Support");
    m_dir->createDirectory("Users/ann/Library/Mail");
    m_dir->createDirectory("Users/ann/Library/Fonts");
    m_dir->createDirectory("Users/ann/Library/fonts");
    m_dir->createFile("Users/ann/Library/foo.plist");
    m_dir->createSymlink("Users/ann/Library/Linked", path("Users/ann/Library/fonts"));
    m_dir->createDirectory("Library/Caches");
    FaultInjectingFileSystem fileSystem;
    fileSystem.failListing(path("Library"), NoReadPermissionError);
    const QList<ScanRoot> roots =
        expandScanRoots(makeScanRoots(environment()), environment(), fileSystem);
    QCOMPARE(roots.size(), 8);
    // The home Library's entries come first, in listing order.
    QList<ScanRoot> home = roots.first(4);
    std::sort(home.begin(), home.end(), [](auto& a, auto& b) { return a.path < b.path; });
    const QList<ScanRoot> expectedHome{{path("Users/ann/Library/Application Support"), 2},
                                       {path("Users/ann/Library/Linked"), 0},
                                       {path("Users/ann/Library/fonts"), 2},
                                       {path("Users/ann/Library/foo.plist"), 0}};
    QCOMPARE(home, expectedHome);
    QCOMPARE(roots[4], (ScanRoot{path("Library"), 3}));
    QCOMPARE(roots.last(), (ScanRoot{path("Users/Shared"), 3}));
}

void TestScanTree::walkHonoursDepthExclusionsAndProtectedPaths() {
    const QStringList folders{"Users/ann/Library/Mail/Harbor Notes",
                              "Users/ann/Library/Caches/Mail/Harbor Notes",
                              "Users/ann/Library/a/b/c/Harbor Notes",
                              "Users/ann/Library/a/b/c/d/Harbor Notes",
                              "System/Harbor Notes",
                              "private/var/folders/xy/Harbor Notes",
                              "private/var/Harbor Notes"};
    for (const QString& folder : folders)
        m_dir->createDirectory(folder);
    const ScanContext context(scannertest::harborNotes(), environment());
    DirectoryWalker walker(context, FileSystem::real());
    QStringList library = walker.walk({path("Users/ann/Library"), 3}).matches;
    library.sort();
    QCOMPARE(library, (QStringList{path(folders[1]), path(folders[2])}));
    QCOMPARE(walker.walk({path("private"), 3}).matches, QStringList{path(folders[6])});
    QVERIFY(walker.walk({m_dir->path(), 1}).matches.isEmpty());
    QVERIFY(walker.walk({path("Users/ann/Library/a"), 0}).matches.isEmpty());
    QVERIFY(walker.walk({path("missing"), 3}).matches.isEmpty());
}

void TestScanTree::findsContainersByNameAndRecordedOwner() {
    const QString meta = "/.com.apple.containermanagerd.metadata.plist";
    const QString containers = "Users/ann/Library/Containers/";
    m_dir->createDirectory(containers + "com.quillfield.notes");
    m_dir->createPlist(containers + "8F3A" + meta,
                       {{"MCMMetadataIdentifier", "COM.Quillfield.Notes"}});
    m_dir->createPlist(containers + "77AB" + meta,
                       {{"MCMMetadataIdentifier", "com.quillfield.notesarchive"}},
                       TestDir::PlistFormat::binary);
    m_dir->createPlist(containers + "0001" + meta, {{"MCMMetadataIdentifier", 42}});
    m_dir->createPlist(containers + "0002" + meta, {{"MCMMetadataIdentifier", "org.other.app"}});
    m_dir->createSymlink(containers + "Harbor.Notes", path(containers + "0002"));
    m_dir->createDirectory("Users/ann/Library/Group Containers/XQ9.group");
    AppDescriptor app = scannertest::harborNotesHelper();
    QSet<QString> denied;
    QStringList expected{path(containers + "77AB"), path(containers + "8F3A"),
                         path(containers + "com.quillfield.notes")};
    QCOMPARE(findContainerDirectories(app, path("Users/ann"), denied, FileSystem::real()),
             expected);
    // The group container named by the bundle identifier is taken without a name test.
    app.bundleIdentifier = "XQ9.group";
    expected.append(path("Users/ann/Library/Group Containers/XQ9.group"));
    std::sort(expected.begin(), expected.end());
    QCOMPARE(findContainerDirectories(app, path("Users/ann/"), denied, FileSystem::real()),
             expected);
    QVERIFY(denied.isEmpty());
}

void TestScanTree::reportsUnreadableContainerRootsOnly() {
    m_dir->createDirectory("Users/ann/Library/Containers/com.quillfield.notes");
    m_dir->createDirectory("Users/ann/Library/Group Containers/group.quillfield.notes");
    FaultInjectingFileSystem fileSystem;
    fileSystem.makeUnreadable(path("Users/ann/Library/Containers"));
    fileSystem.failListing(path("Users/ann/Library/Group Containers"), NoWritePermissionError);
    QSet<QString> denied;
    QVERIFY(
        findContainerDirectories(scannertest::harborNotes(), path("Users/ann"), denied, fileSystem)
            .isEmpty());
    QCOMPARE(denied, (QSet<QString>{path("Users/ann/Library/Containers"),
                                    path("Users/ann/Library/Group Containers")}));
    denied.clear();
    fileSystem.failListing(path("Users/ann/Library/Group Containers"), 5);
    findContainerDirectories(scannertest::harborNotes(), path("Users/ann"), denied, fileSystem);
    QCOMPARE(denied, QSet<QString>{path("Users/ann/Library/Containers")});
}

void TestScanTree::sizesCountEverythingBelowExceptPackageContents() {
    const FileSystem& real = FileSystem::real();
    const QString file = m_dir->createFileOfSize("item/.hidden", 40000);
    const qint64 fileSize = regularFileSize(file, real);
    QVERIFY(fileSize >= 40000);
    m_dir->createFileOfSize("item/Sub/b", 40000);
    QCOMPARE(sizeInBytes(path("item"), real), 2 * fileSize);
    m_dir->createFileOfSize("bundles/Big.app/Contents/blob", 200000);
    QCOMPARE(directorySize(path("bundles"), real), regularFileSize(path("bundles"), real));
    m_dir->createSymlink("link", path("item"));
    QCOMPARE(sizeInBytes(path("link"), real), regularFileSize(path("link"), real));
    QCOMPARE(sizeInBytes(path("gone"), real), 0);

    QCOMPARE(sizeFromValues(ResourceValues{false, false, false, 8192, 4096, 10}), 8192);
    QCOMPARE(sizeFromValues(ResourceValues{false, false, false, {}, 4096, 10}), 4096);
    QCOMPARE(sizeFromValues(ResourceValues{false, false, false, {}, {}, 10}), 10);
    QCOMPARE(sizeFromValues(std::nullopt), 0);
}

QTEST_GUILESS_MAIN(TestScanTree)
#include "TestScanTree.moc"
