#include "scanner/LeftoverScannerService.h"

#include "FaultInjectingFileSystem.h"
#include "ScannerTestApps.h"
#include "TestDir.h"

#include <QTest>
#include <QThread>

#include <atomic>

using namespace tidewell;

namespace {

// A metadata index that answers with fixed locations and counts its queries.
class FakeSpotlight : public SpotlightSearching {
public:
    explicit FakeSpotlight(QStringList paths) : m_paths(std::move(paths)) {}
    QList<QUrl> search(const AppDescriptor&, const QList<QUrl>& scope) const override {
        ++queries;
        lastScope = scope;
        QList<QUrl> urls;
        for (const QString& path : m_paths)
            urls.append(QUrl::fromLocalFile(path));
        return urls;
    }
    mutable std::atomic<int> queries = 0;
    mutable QList<QUrl> lastScope;

private:
    QStringList m_paths;
};

} // namespace

class TestLeftoverScannerService : public QObject {
    Q_OBJECT

private slots:
    void init();
    void findsLeftoversInEveryRoot();
    void addsIndexHitsOnlyWhenAskedAndCollapsesNested();
    void reportsEachUnreadableFolderOnceByItsOwnPath();
    void resultDoesNotDependOnPoolWidth();
    void reportsProgressOncePerRoot();

private:
    ScanReport scan(FileSystem& fileSystem, bool useSpotlight = false, int threads = 2,
                    std::shared_ptr<const SpotlightSearching> spotlight = {});
    QStringList relativePaths(const ScanReport& report) const;

    std::unique_ptr<TestDir> m_dir;
    AppDescriptor m_app;
};

void TestLeftoverScannerService::init() {
    m_dir = std::make_unique<TestDir>();
    TestDir& d = *m_dir;
    m_app = scannertest::harborNotes(d.path("Applications/Harbor Notes.app"));
    d.createAppBundle("Applications/Harbor Notes.app", {{"CFBundleIdentifier", "x"}});
    d.createFileOfSize("Users/ann/Library/Application Support/Harbor Notes/data.bin", 10000);
    d.createFileOfSize("Users/ann/Library/Application Support/Harbor Notes/.state", 5000);
    d.createDirectory("Users/ann/Library/Application Support/Notes");
    d.createDirectory("Users/ann/Library/Application Support/a/b/Harbor Notes");
    d.createDirectory("Users/ann/Library/Application Support/a/b/c/Harbor Notes");
    d.createDirectory("Users/ann/Library/Application Support/Tools/Helper.bundle/Harbor Notes");
    d.createDirectory("Users/ann/Library/Application Support/Tools/HarborNotes.plugin");
    d.createFile("Users/ann/Library/Preferences/com.quillfield.notes.plist", "p");
    d.createFile("Users/ann/Library/Caches/com.quillfield.notes.alpha", "c");
    d.createFile("Users/ann/Library/Caches/com.quillfield.notes.Beta", "c");
    d.createFile("Users/ann/Library/Caches/.com.quillfield.notes", "hidden");
    d.createSymlink("Users/ann/Library/Caches/Harbor Notes Link", d.path("Users/ann/elsewhere"));
    d.createDirectory("Users/ann/elsewhere");
    d.createFile("Users/ann/Library/Logs/Harbor/notes.log", "l");
    d.createDirectory("Users/ann/Library/Mail/Harbor Notes");
    d.createPlist(
        "Users/ann/Library/Containers/8F3A-11/.com.apple.containermanagerd.metadata.plist",
        {{"MCMMetadataIdentifier", "COM.QUILLFIELD.NOTES"}});
    d.createDirectory("Library/Application Support/Quillfield");
    d.createDirectory("Applications/Harbor Notes Helper.app");
    d.createFile("Users/Shared/Quillfield/x", "s");
}

ScanReport TestLeftoverScannerService::scan(FileSystem& fileSystem, bool useSpotlight, int threads,
                                            std::shared_ptr<const SpotlightSearching> spotlight) {
    const ScanEnvironment environment{m_dir->path("Users/ann"), m_dir->path()};
    LeftoverScannerService service(std::move(spotlight), environment, fileSystem, threads);
    QFuture<ScanReport> future = service.scan(m_app, useSpotlight);
    return future.result();
}

QStringList TestLeftoverScannerService::relativePaths(const ScanReport& report) const {
    QStringList paths;
    for (const ScannedFile& file : report.matches)
        paths.append(file.id.mid(m_dir->path().size() + 1));
    paths.sort();
    return paths;
}

void TestLeftoverScannerService::findsLeftoversInEveryRoot() {
    const ScanReport report = scan(FileSystem::real());
    // Not here: the bundle itself, a single short token (Notes), items beyond the depth limit,
    // inside a package or an excluded Library folder, symbolic links, hidden entries, and a
    // container accepted only by its recorded owner whose path names nothing of the app.
    const QStringList expected{
        "Applications/Harbor Notes Helper.app",
        "Library/Application Support/Quillfield",
        "Users/Shared/Quillfield",
        "Users/ann/Library/Application Support/Harbor Notes",
        "Users/ann/Library/Application Support/Tools/HarborNotes.plugin",
        "Users/ann/Library/Application Support/a/b/Harbor Notes",
        "Users/ann/Library/Caches/com.quillfield.notes.Beta",
        "Users/ann/Library/Caches/com.quillfield.notes.alpha",
        "Users/ann/Library/Logs/Harbor/notes.log",
        "Users/ann/Library/Preferences/com.quillfield.notes.plist",
    };
    QCOMPARE(relativePaths(report), expected);
    QVERIFY(report.permissionDeniedPaths.isEmpty());

    const auto at = [&](const QString& relative) {
        return std::find_if(report.matches.cbegin(), report.matches.cend(),
                            [&](const ScannedFile& f) { return f.id == m_dir->path(relative); });
    };
    const auto support = at("Users/ann/Library/Application Support/Harbor Notes");
    QCOMPARE(support->category, ScanCategory::applicationSupport);
    QCOMPARE(support->safety, FileSafetyLevel::optional);
    QVERIFY(support->isSelected);
    QCOMPARE(support->url, QUrl::fromLocalFile(support->id));
    // The hidden file counts although the walk never lists it.
    QVERIFY2(support->sizeInBytes >= 15000, qPrintable(QString::number(support->sizeInBytes)));
    QCOMPARE(at("Applications/Harbor Notes Helper.app")->safety, FileSafetyLevel::risky);

    // Larger first; equal sizes by name whatever the letter case.
    for (qsizetype i = 1; i < report.matches.size(); ++i)
        QVERIFY(report.matches[i - 1].sizeInBytes >= report.matches[i].sizeInBytes);
    const auto alpha = at("Users/ann/Library/Caches/com.quillfield.notes.alpha");
    const auto beta = at("Users/ann/Library/Caches/com.quillfield.notes.Beta");
    QCOMPARE(alpha->sizeInBytes, beta->sizeInBytes);
    QVERIFY(alpha < beta);
}

void TestLeftoverScannerService::addsIndexHitsOnlyWhenAskedAndCollapsesNested() {
    const QStringList hits{
        m_app.appURL.toLocalFile(),
        m_dir->path("Users/ann/Library/Application Support/Harbor Notes/data.bin"),
        m_dir->path("Users/ann/Library/Application Support/a/b/c/Harbor Notes"),
        m_dir->path("Users/ann/Library/Application Support/Notes"),
        m_dir->path("Users/ann/Library/Caches/com.quillfield.notes.gone"),
    };
    auto spotlight = std::make_shared<FakeSpotlight>(hits);
    const ScanReport without = scan(FileSystem::real(), false, 2, spotlight);
    QCOMPARE(spotlight->queries.load(), 0);

    const ScanReport with = scan(FileSystem::real(), true, 2, spotlight);
    QCOMPARE(spotlight->queries.load(), 1);
    QVERIFY(spotlight->lastScope.contains(
        QUrl::fromLocalFile(m_dir->path("Users/ann/Library/Application Support"))));
    QStringList expected = relativePaths(without);
    expected.append("Users/ann/Library/Application Support/a/b/c/Harbor Notes");
    expected.sort();
    QCOMPARE(relativePaths(with), expected);
}

void TestLeftoverScannerService::reportsEachUnreadableFolderOnceByItsOwnPath() {
    m_dir->createDirectory("Users/ann/Library/Caches/Locked");
    m_dir->createDirectory("Users/ann/Library/Group Containers");
    m_dir->createDirectory("Library/Private");
    FaultInjectingFileSystem fileSystem;
    fileSystem.failListing(m_dir->path("Users/ann/Library/Caches/Locked"), NoReadPermissionError);
    fileSystem.failListing(m_dir->path("Users/ann/Library/Group Containers"),
                           NoWritePermissionError);
    fileSystem.failListing(m_dir->path("Users/ann/Library/Caches/com.quillfield.notes.alpha"),
                           NoSuchFileError);
    fileSystem.makeUnreadable(m_dir->path("Library/Private"));
    const ScanReport report = scan(fileSystem);
    const QStringList expected{m_dir->path("Library/Private"),
                               m_dir->path("Users/ann/Library/Caches/Locked"),
                               m_dir->path("Users/ann/Library/Group Containers")};
    QCOMPARE(report.permissionDeniedPaths, expected);
    QCOMPARE(report.matches.size(), scan(FileSystem::real()).matches.size());
}

void TestLeftoverScannerService::resultDoesNotDependOnPoolWidth() {
    auto spotlight = std::make_shared<FakeSpotlight>(
        QStringList{m_dir->path("Users/ann/Library/Application Support/a/b/c/Harbor Notes")});
    const ScanReport narrow = scan(FileSystem::real(), true, 1, spotlight);
    const ScanReport wide = scan(FileSystem::real(), true, 8, spotlight);
    QCOMPARE(narrow, wide);
    QCOMPARE(narrow.matches.size(), 11);
}

void TestLeftoverScannerService::reportsProgressOncePerRoot() {
    const ScanEnvironment environment{m_dir->path("Users/ann"), m_dir->path()};
    const auto roots = expandScanRoots(makeScanRoots(environment), environment, FileSystem::real());
    LeftoverScannerService service(nullptr, environment, FileSystem::real(), 4);
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

QTEST_GUILESS_MAIN(TestLeftoverScannerService)
#include "TestLeftoverScannerService.moc"
