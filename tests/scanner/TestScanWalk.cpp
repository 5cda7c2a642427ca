#include "scanner/ContainerDirectories.h"
#include "scanner/DirectoryWalker.h"
#include "scanner/LeftoverScannerService.h"

#include "FaultInjectingFileSystem.h"
#include "ScannerTestApps.h"
#include "TestDir.h"
#include "Unprivileged.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <unistd.h>

using namespace tidewell;

namespace {

// A metadata index that answers with fixed locations and counts its queries.
struct FakeSpotlight : SpotlightSearching {
    QList<QUrl> search(const AppDescriptor&, const QList<QUrl>& scope,
                       const CancellationToken&) const override {
        ++queries;
        lastScope = scope;
        return hits;
    }
    QList<QUrl> hits;
    mutable std::atomic<int> queries = 0;
    mutable QList<QUrl> lastScope;
};

const QString containers = "Users/ann/Library/Containers/";

} // namespace

// Roots, walk, containers and whole scans on a tree with the home Users/ann; run unprivileged.
class TestScanWalk : public QObject {
    Q_OBJECT

    QString path(const QString& relative) const { return m_dir->path(relative); }
    Host host() const { return Host::withDefaults(path("Users/ann"), m_dir->path()); }

    ScanReport scan(FileSystem& fileSystem = FileSystem::real(), bool useSpotlight = false,
                    int threads = 2, std::shared_ptr<const SpotlightSearching> spotlight = {}) {
        LeftoverScannerService service(std::move(spotlight), host(), nullptr, fileSystem, threads);
        return service.scan(m_app, useSpotlight).result();
    }

    QStringList relativePaths(const ScanReport& report) const {
        QStringList paths;
        for (const ScannedFile& file : report.matches)
            paths.append(file.id.mid(m_dir->path().size() + 1));
        paths.sort();
        return paths;
    }

    std::unique_ptr<TestDir> m_dir;
    AppDescriptor m_app;

private slots:
    void init() {
        m_dir = std::make_unique<TestDir>();
        TestDir& d = *m_dir;
        m_app = scannertest::harborNotes(d.path("Applications/Harbor Notes.app"));
        d.createAppBundle("Applications/Harbor Notes.app", {{"CFBundleIdentifier", "x"}});
        d.createDirectory("Applications/Harbor Notes Helper.app");
        d.createFileOfSize("Users/ann/Library/Application Support/Harbor Notes/data.bin", 10000);
        d.createFileOfSize("Users/ann/Library/Application Support/Harbor Notes/.state", 5000);
        const QString bundle = d.createFileOfSize(
            "Users/ann/Library/Application Support/Harbor Notes/Plug.bundle/blob", 200000);
        d.createSymlink("Users/ann/Library/Application Support/Harbor Notes/link", bundle + "/..");
        for (const char* folder : {"Notes", "a/b/Harbor Notes", "a/b/c/Harbor Notes",
                                   "Tools/Helper.bundle/Harbor Notes", "Tools/HarborNotes.plugin"})
            d.createDirectory(QString("Users/ann/Library/Application Support/") + folder);
        for (const char* file :
             {"Preferences/com.quillfield.notes.plist", "Logs/Harbor/notes.log",
              "Caches/com.quillfield.notes.alpha", "Caches/com.quillfield.notes.Beta",
              "Caches/.com.quillfield.notes"})
            d.createFile(QString("Users/ann/Library/") + file, "x");
        // Library folders of shared data are left out by their exact names.
        for (const char* folder : {"Mail", "Fonts", "fonts"})
            d.createDirectory(QString("Users/ann/Library/%1/Harbor Notes").arg(folder));
        const QString meta = "/.com.apple.containermanagerd.metadata.plist";
        d.createDirectory(containers + "com.quillfield.notes");
        d.createPlist(containers + "77AB" + meta,
                      {{"MCMMetadataIdentifier", "com.quillfield.notesarchive"}},
                      TestDir::PlistFormat::binary);
        for (const auto& [folder, owner] :
             {std::pair<QString, QVariant>{"8F3A", "COM.Quillfield.Notes"},
              {"0001", 42},
              {"0002", "org.other.app"}})
            d.createPlist(containers + folder + meta, {{"MCMMetadataIdentifier", owner}});
        d.createSymlink(containers + "Harbor.Notes", d.path(containers + "0002"));
        d.createDirectory("Users/ann/Library/Group Containers/XQ9.group");
        d.createDirectory("Library/Application Support/Quillfield");
        d.createFile("Users/Shared/Quillfield/x", "s");
    }

    void rootsAndWalkStopAtDepthAndSkipExcludedAndProtectedFolders() {
        QCOMPARE(makeScanRoots(Host::withDefaults("/Users/ann")),
                 (QList<ScanRoot>{{"/Users/ann/Library", 3},
                                  {"/Library", 3},
                                  {"/Users/ann/Applications", 1},
                                  {"/Applications", 1},
                                  {"/Users/Shared", 3}}));
        for (const char* folder :
             {"Library/Mail/Harbor Notes", "Library/Caches/Mail/Harbor Notes",
              "Library/a/b/c/Harbor Notes", "Library/a/b/c/d/Harbor Notes", "System/Harbor Notes",
              "Library/Harbor Notes", "Library/Caches.Harbor/Notes"})
            m_dir->createDirectory(folder);
        const ScanContext context(m_app, host());
        DirectoryWalker walker(context, FileSystem::real());
        QStringList found;
        for (const ScanRoot& root : {ScanRoot{path("Library"), 3}, ScanRoot{path("System"), 3},
                                     ScanRoot{path("Library/a"), 0}})
            found += walker.walk(root).matches;
        found.sort();
        QCOMPARE(found,
                 (QStringList{path("Library/Application Support/Quillfield"),
                              path("Library/Caches/Mail/Harbor Notes"),
                              path("Library/Harbor Notes"), path("Library/a/b/c/Harbor Notes")}));
    }

    void findsContainersByNameAndRecordedOwner() {
        AppDescriptor app = m_app;
        const auto needles = MatchNeedles::compile(app);
        QSet<QString> denied;
        const auto find = [&](const QString& home) {
            return ContainerDirectories::find(app, needles, home, denied, FileSystem::real());
        };
        // Owned by record: the identifier in any case. Named: a name like the application's;
        // an owner that merely starts with the identifier is another application.
        QCOMPARE(find(path("Users/ann")).ownedByRecord, QStringList{path(containers + "8F3A")});
        QCOMPARE(find(path("Users/ann")).matchedByName,
                 QStringList{path(containers + "com.quillfield.notes")});
        // The group container named by the bundle identifier is taken without a name test.
        app.identifier = "XQ9.group";
        QCOMPARE(find(path("Users/ann/")).matchedByName,
                 (QStringList{path(containers + "com.quillfield.notes"),
                              path("Users/ann/Library/Group Containers/XQ9.group")}));
        QVERIFY(denied.isEmpty());
    }

    void findsLeftoversInEveryRoot() {
        const ScanReport report = scan();
        // Not here: the bundle itself and the helper's bundle beside it, a single short token
        // (Notes), items beyond the depth limit, inside a package or an excluded Library folder,
        // links, hidden entries, and containers owned by record whose names say nothing of the
        // app.
        QCOMPARE(relativePaths(report),
                 (QStringList{"Library/Application Support/Quillfield", "Users/Shared/Quillfield",
                              "Users/ann/Library/Application Support/Harbor Notes",
                              "Users/ann/Library/Application Support/Tools/HarborNotes.plugin",
                              "Users/ann/Library/Application Support/a/b/Harbor Notes",
                              "Users/ann/Library/Caches/com.quillfield.notes.Beta",
                              "Users/ann/Library/Caches/com.quillfield.notes.alpha",
                              "Users/ann/Library/Containers/com.quillfield.notes",
                              "Users/ann/Library/Logs/Harbor/notes.log",
                              "Users/ann/Library/Preferences/com.quillfield.notes.plist",
                              "Users/ann/Library/fonts/Harbor Notes"}));
        const ScannedFile& largest = report.matches.first();
        QCOMPARE(largest.id, path("Users/ann/Library/Application Support/Harbor Notes"));
        QCOMPARE(largest.category, ScanCategory::applicationSupport);
        QVERIFY(largest.isSelected);
        // The hidden file counts although the walk never lists it; what lies inside the package
        // or behind the link does not.
        QVERIFY2(largest.sizeInBytes >= 15000 && largest.sizeInBytes < 200000,
                 qPrintable(QString::number(largest.sizeInBytes)));
        for (qsizetype i = 1; i < report.matches.size(); ++i)
            QVERIFY(report.matches[i - 1].sizeInBytes >= report.matches[i].sizeInBytes);
    }

    void addsIndexHitsOnlyWhenAskedWhateverThePoolWidth() {
        auto spotlight = std::make_shared<FakeSpotlight>();
        for (const QString& hit :
             {m_app.appURL.toLocalFile(),
              path("Users/ann/Library/Application Support/Harbor Notes/data.bin"),
              path("Users/ann/Library/Application Support/a/b/c/Harbor Notes"),
              path("Users/ann/Library/Application Support/Notes"),
              path("Users/ann/Library/Caches/com.quillfield.notes.gone")})
            spotlight->hits.append(QUrl::fromLocalFile(hit));
        const ScanReport without = scan(FileSystem::real(), false, 2, spotlight);
        QCOMPARE(spotlight->queries.load(), 0);
        const ScanReport narrow = scan(FileSystem::real(), true, 1, spotlight);
        QCOMPARE(spotlight->queries.load(), 1);
        QVERIFY(spotlight->lastScope.contains(
            QUrl::fromLocalFile(path("Users/ann/Library/Application Support"))));
        QStringList expected = relativePaths(without);
        expected.append("Users/ann/Library/Application Support/a/b/c/Harbor Notes");
        expected.sort();
        QCOMPARE(relativePaths(narrow), expected);
        QCOMPARE(scan(FileSystem::real(), true, 8, spotlight), narrow);
    }

    void reportsEachUnreadableFolderOnceByItsOwnPath() {
        QStringList expected = relativePaths(scan());
        expected.removeOne("Library/Application Support/Quillfield");
        expected.removeOne("Users/ann/Library/Containers/com.quillfield.notes");
        m_dir->createDirectory("Users/ann/Library/Caches/Locked/com.quillfield.notes");
        m_dir->createDirectory("Users/ann/Library/Other");
        const QStringList deniedPaths{path("Library"), path("Users/ann/Library/Caches/Locked"),
                                      path("Users/ann/Library/Containers"),
                                      path("Users/ann/Library/Group Containers")};
        FaultInjectingFileSystem fileSystem;
        fileSystem.failListing(deniedPaths[0], NoReadPermissionError);
        fileSystem.failListing(deniedPaths[1], NoReadPermissionError);
        fileSystem.makeUnreadable(deniedPaths[2]);
        fileSystem.failListing(deniedPaths[3], NoWritePermissionError);
        fileSystem.failListing(path("Users/ann/Library/Other"), 5); // not a permission fault
        const ScanReport injected = scan(fileSystem);
        QCOMPARE(pathsLeftAlone(injected.leftAlone, LeftAloneReason::unreadable), deniedPaths);
        QCOMPARE(relativePaths(injected), expected);
        // The same folders really unreadable, as an unprivileged user meets them.
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        for (const QString& folder : deniedPaths)
            m_dir->setMode(folder.mid(m_dir->path().size() + 1), 0);
        const ScanReport real = scan();
        QCOMPARE(pathsLeftAlone(real.leftAlone, LeftAloneReason::unreadable), deniedPaths);
        QCOMPARE(relativePaths(real), expected);
    }

    // A home with several applications of one vendor installed, one of another vendor, and
    // each one's data: every scan takes its own and nothing of the others'.
    void scansOfInstalledAppsStayWithinTheirOwnData() {
        TestDir d;
        const Host home = Host::withDefaults(d.path("home"), d.path("root"));
        const QString library = "home/Library/";
        const QString helpIndex = "Caches/com.apple.helpd/SDMHelpData/Other/";
        const std::pair<const char*, const char*> apps[] = {
            {"Harbor Notes", "com.quillfield.harbor-notes"},
            {"Harbor Notes Canary", "com.quillfield.harbor-notes.canary"},
            {"Quillfield Word", "com.quillfield.word"},
            {"Loom", "com.threadworks.loom"}};
        for (const auto& [name, identifier] : apps)
            d.createAppBundle(QString("root/Applications/%1.app").arg(name),
                              {{"CFBundleIdentifier", identifier}});
        const QMap<QString, QStringList> owned{
            {"Harbor Notes",
             {"Preferences/com.quillfield.harbor-notes.plist",
              "Application Support/Quillfield/Harbor Notes", "Harbor Notes",
              "Cookies/com.quillfield.harbor-notes.binarycookies",
              "Cookies/com.quillfield.harbor-notesUpdater.binarycookies",
              "Group Containers/ABCDE12345.com.quillfield.harbor-notes",
              "Application Scripts/ABCDE12345.com.quillfield.harbor-notes",
              "Containers/Quillfield-7F", helpIndex + "English/HelpSDMIndexFile/Harbor Notes Help",
              helpIndex + "German/HelpSDMIndexFile/com.quillfield.harbor-notes.help"}},
            {"Harbor Notes Canary",
             {"Preferences/com.quillfield.harbor-notes.canary.plist",
              "Caches/Quillfield/Harbor Notes Canary",
              helpIndex + "English/HelpSDMIndexFile/com.quillfield.harbor-notes.canary.help"}},
            {"Quillfield Word", {"Application Support/Quillfield/Word"}},
            {"Loom", {"Application Support/Threadworks", "Caches/com.threadworks.loom"}}};
        for (const QStringList& items : owned)
            for (const QString& item : items)
                d.createFile(
                    library + item +
                        (item.contains("cookies") || item.contains(".plist") ? "" : "/data"),
                    "x");
        d.createPlist(library +
                          "Containers/Quillfield-7F/.com.apple.containermanagerd.metadata.plist",
                      {{"MCMMetadataIdentifier", "com.quillfield.harbor-notes"}});
        // Nobody's alone: the shared vendor's own file and help, and cookies of the whole system.
        d.createFile(library + "Application Support/Quillfield/license.key", "x");
        d.createFile(library + helpIndex + "English/HelpSDMIndexFile/Quillfield Help/data", "x");
        d.createFile(library + "Cookies/Cookies.binarycookies", "x");
        for (const auto& [name, identifier] : apps) {
            LeftoverScannerService service(nullptr, home, nullptr, FileSystem::real(), 2);
            const QString bundle = d.path(QString("root/Applications/%1.app").arg(name));
            const auto app =
                std::get<AppDescriptor>(AppDescriptor::from(QUrl::fromLocalFile(bundle)));
            QStringList found;
            for (const ScannedFile& file : service.scan(app, false).result().matches)
                found.append(file.id.mid(d.path(library).size()));
            found.sort();
            QStringList expected = owned[name];
            expected.sort();
            QVERIFY2(found == expected, qPrintable(name + QString(": ") + found.join(", ")));
        }
    }

    // Any application bundle that can be read is an app of its own, installed or not; a folder
    // merely named like one is not.
    void readableBundlesAreNeverLeftovers() {
        m_dir->createAppBundle("Users/Shared/Harbor Notes Extras.app",
                               {{"CFBundleIdentifier", "com.quillfield.extras"}});
        m_dir->createFile("Users/Shared/Harbor Notes Old.app/data", "x");
        const QStringList found = relativePaths(scan());
        QVERIFY2(!found.contains("Users/Shared/Harbor Notes Extras.app") &&
                     found.contains("Users/Shared/Harbor Notes Old.app"),
                 qPrintable(found.join(", ")));
    }

    // An identifier is data, never path syntax, and a link in the Library leads nowhere: what
    // lies outside the scan's folders is never reported, whatever names it.
    void hostileNamesAndLinksStayInsideTheRoots() {
        m_dir->createFile("Users/ann/Documents/Harbor Notes/thesis.txt", "x");
        m_dir->createFile("elsewhere/Harbor Notes/data", "x");
        m_dir->createSymlink("Users/ann/Library/WeirdLink", path("elsewhere"));
        m_dir->createSymlink("Users/ann/Library/Harbor Notes", path("elsewhere/Harbor Notes"));
        const QStringList ordinary = relativePaths(scan());
        QVERIFY2(!ordinary.join(u'\n').contains("WeirdLink"), qPrintable(ordinary.join(", ")));
        for (const char* identifier : {"../../Documents", "..", "../../../elsewhere", "."}) {
            m_app.identifier = m_app.normalizedIdentifier = identifier;
            for (const QString& found : relativePaths(scan()))
                QVERIFY2(ordinary.contains(found) && !found.startsWith("elsewhere") &&
                             !found.contains("Documents") && found != "Users/ann/Library",
                         qPrintable(QString(identifier) + ": " + found));
        }
    }

    // A name that is not valid UTF-8 has no faithful text form: a matching one is listed apart,
    // never offered for removal, and the folder it lies in is still sized in full.
    void namesThatAreNotUtf8AreListedApartAndNeverOffered() {
        const auto supportSize = [](const ScanReport& report) {
            for (const ScannedFile& file : report.matches) {
                if (file.id.endsWith("Application Support/Harbor Notes"))
                    return file.sizeInBytes;
            }
            return qint64(-1);
        };
        const qint64 sizeBefore = supportSize(scan());
        const QByteArray library = QFile::encodeName(path("Users/ann/Library"));
        for (const QByteArray& file :
             {library + "/Caches/com.quillfield.notes\xff", library + "/Harbor Notes\xfe\xfe",
              library + "/Application Support/Harbor Notes/\xff.bin"}) {
            const int fd = ::open(file.constData(), O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0 && ::write(fd, "0123456789", 10) == 10);
            ::close(fd);
        }
        const ScanReport report = scan();
        QCOMPARE(pathsLeftAlone(report.leftAlone, LeftAloneReason::undecodableName),
                 QStringList({path("Users/ann/Library/Caches/com.quillfield.notes\ufffd"),
                              path("Users/ann/Library/Harbor Notes\ufffd\ufffd")}));
        for (const ScannedFile& file : report.matches)
            QVERIFY2(!file.id.contains(QChar::ReplacementCharacter), qPrintable(file.id));
        QCOMPARE_GT(supportSize(report), sizeBefore);
    }

    void reportsProgressOncePerRoot() {
        const auto roots = expandScanRoots(makeScanRoots(host()), host(), FileSystem::real());
        LeftoverScannerService service(nullptr, host(), nullptr, FileSystem::real(), 4);
        QList<std::pair<int, int>> calls;
        QThread* caller = nullptr;
        const auto progress = [&](int done, int total) {
            calls.append({done, total});
            caller = QThread::currentThread();
        };
        service.scan(m_app, false, progress).waitForFinished();
        QVERIFY(caller != QThread::currentThread());
        QCOMPARE(calls.size(), roots.size() + 1);
        for (int done = 0; done < calls.size(); ++done)
            QCOMPARE(calls[done], std::pair(done, int(roots.size())));
    }

    // Cancelling a scan's future in the middle of the walk stops it at the next folder, and
    // the scan delivers nothing.
    void abandonedScanStopsAtTheNextFolder() {
        for (int index = 0; index < 60; ++index)
            m_dir->createDirectory(QString("Users/ann/Library/Vendor%1/a/b").arg(index));
        FaultInjectingFileSystem fileSystem;
        QFuture<ScanReport> future;
        QSemaphore futureStored;
        std::atomic<int> listings = 0;
        fileSystem.whenListing([&](const QString&) {
            if (++listings != 3)
                return;
            futureStored.acquire();
            future.cancel();
        });
        LeftoverScannerService service(nullptr, host(), nullptr, fileSystem, 1);
        future = service.scan(m_app, false);
        futureStored.release();
        future.waitForFinished();
        QVERIFY(future.isCanceled());
        QCOMPARE(future.resultCount(), 0);
        QVERIFY2(listings < 6, qPrintable(QString::number(listings)));
    }
};

QTEST_GUILESS_MAIN(TestScanWalk)
#include "TestScanWalk.moc"
