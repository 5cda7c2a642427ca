#include "scanner/CandidateMatching.h"
#include "scanner/ItemClassification.h"
#include "scanner/LocateIndexSearch.h"
#include "scanner/ScanReportOrdering.h"
#include "scanner/SpotlightQueryText.h"

#include "ScannerTestApps.h"
#include "TestDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace tidewell;
using scannertest::descriptor;

namespace {

AppDescriptor appNamed(const QString& name) {
    if (name == "ann")
        return scannertest::ann();
    if (name != "helper")
        return scannertest::harborNotes();
    // Only the base identifier can match.
    AppDescriptor app = descriptor("", "Zz", "com.quillfield.notes.helper", "zzzz", "", {});
    app.baseBundleIdentifier = "com.quillfield.notes";
    return app;
}

} // namespace

// The scanner's rules (matching, classification, order, query text) and its index search.
class TestScannerRules : public QObject {
    Q_OBJECT

private slots:
    void matching_data() {
        QTest::addColumn<QString>("app");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        // A text starting with "/" goes to the main rule (home /Users/ann below the root), any
        // other text to the name-only rule of container folders.
        const auto row = [](const char* app, const char* text, bool expected,
                            const char* root = "") {
            QTest::addRow("%s %s: %s", app, root, text)
                << QString(app) << QString(root) << QString::fromUtf8(text) << expected;
        };
        row("notes", "/Users/ann/Library/Preferences/com.quillfield.notes.plist", true);
        row("notes", "/Users/ann/Library/HTTPStorages/COM.QUILLFIELD.NOTES.binarycookies", true);
        row("notes", "/Users/ann/Library/Application Support/Harbor Notes", true);
        row("notes", "/Users/ann/Library/Logs/Harbor/2024/notes.log", true);
        row("notes", "/Users/ann/Library/Application Support/Notes", false);
        row("notes", "/Users/ann/Library/Application Support/Quillfield", true);
        // Paths outside ASCII take the rule on whole strings.
        row("notes", "/Users/ann/Library/Application Support/Harbor Notés", false);
        row("notes", "/Users/ann/Library/Application Support/Ärger/Quillfield", true);
        row("ann", "/Users/ann/Library/Caches/ann", true);
        row("ann", "/Users/ann/Library/Caches/com.ann-tools", true);
        row("ann", "/Users/ann/Library/Caches/annals", false);
        // The user's name in the home path is no match, nor a folder of that name above the root.
        row("ann", "/Users/ann/Library/Caches/com.example.other", false);
        row("ann", "/tmp/ann/Library/Caches/com.example.other", false, "/tmp/ann");
        row("ann", "/tmp/ann/Library/Caches/Ann", true, "/tmp/ann");
        row("helper", "/Users/ann/Library/Caches/com.quillfield.notes.x", true);
        // Below a root folder, its own path is cut off like the home folder's, then the shared one.
        row("notes", "/tmp/harbor/Users/Shared/Notes", false, "/tmp/harbor");
        row("notes", "/tmp/harborx/Notes", false, "/tmp/harbor");
        // Container folder names: one long token is not enough; short names only as whole words.
        row("notes", "Harbor.Notes.data", true);
        row("notes", "com.quillfield.notes", true);
        row("notes", "group.quillfield.shared", false);
        row("ann", "COM.ANN-tools", true);
        row("ann", "annals", false);
    }

    void matching() {
        QFETCH(QString, app);
        QFETCH(QString, root);
        QFETCH(QString, text);
        QFETCH(bool, expected);
        const ScanContext context(appNamed(app), {root + "/Users/ann", root});
        QCOMPARE(text.startsWith('/') ? matchesCandidate(text, context)
                                      : matchesNormalizedText(text, context.app()),
                 expected);
    }

    // The walk tests an entry from its folder's state and its own name; whatever the folder,
    // the answer must be the one the whole path gives.
    void entryTestAgreesWithWholePathTest() {
        const QStringList names{"Harbor", "Notes", "notes.log", "com.quillfield", "Quill",
                                "field",  "ann",   "x-ann",     "2024",           "Ü",
                                "Caches", "a b",   "Shared",    "NOTES.helper"};
        const QStringList starts{
            "/Users/ann/Library", "/Users",     "/",
            "/Users/Shared/x",    "/r/Library", "/Users/ann/Library/Logs/Harbor"};
        QRandomGenerator random(7);
        for (const char* app : {"notes", "ann"}) {
            const ScanContext context(appNamed(app), {"/Users/ann", "/r"});
            for (int walk = 0; walk < 400; ++walk) {
                FolderMatchState folder =
                    folderMatchState(starts[random.bounded(starts.size())], context);
                for (int depth = 0; depth < 4; ++depth) {
                    const QString name = names[random.bounded(names.size())];
                    const QString path = (folder.path == "/" ? "" : folder.path) + "/" + name;
                    FolderMatchState entry;
                    const bool matched = matchesEntry(folder, name, path, context, entry);
                    QVERIFY2(matched == matchesCandidate(path, context), qPrintable(path));
                    if (matched)
                        break;
                    folder = entry;
                }
            }
        }
    }

    void contextKnowsTheBundleByItsAbsolutePathAndTheProtectedFolders() {
        const AppDescriptor app = scannertest::harborNotes("Apps/../Applications/Harbor Notes.app");
        const ScanContext context(app, {"/Users/ann", ""});
        const QString absolute = QDir::currentPath() + "/Applications/Harbor Notes.app";
        QCOMPARE(context.appPath(), absolute);
        QVERIFY(!matchesCandidate(absolute, context));
        FolderMatchState folder = folderMatchState(QDir::currentPath() + "/Applications", context);
        QVERIFY(!matchesEntry(folder, "Harbor Notes.app", absolute, context, folder));
        QVERIFY(context.isProtectedPath("/Users/ann/.Trash/x"));
        QVERIFY(!context.isProtectedPath("/Systems/x"));
    }

    void classification() {
        using enum ScanCategory;
        using enum FileSafetyLevel;
        const std::tuple<QString, ScanCategory, FileSafetyLevel> cases[] = {
            {"/Users/ann/Library/Preferences/com.quillfield.notes.plist", preferences, safe},
            {"/Users/ann/Library/Preferences/com.quillfield.notes.PLIST", preferences, optional},
            {"/Library/Logs/Harbor", logs, safe},
            {"/Users/ann/Library/Containers/x/Data/Library/Caches/y", caches, safe},
            {"/Users/ann/Library/Caches", other, risky},
            {"/Users/ann/library/caches/x", other, risky}};
        for (const auto& [path, category, safety] : cases) {
            QCOMPARE(categoryForPath(path), category);
            QCOMPARE(safetyFor(category, path), safety);
        }
    }

    void ordersTheReport() {
        const auto file = [](const QString& path, qint64 size = 0) {
            return ScannedFile{
                path, QUrl::fromLocalFile(path), ScanCategory::other, FileSafetyLevel::risky, size,
                true};
        };
        const QList<ScannedFile> found{file("/x/Foo/a/b"), file("/x/Foobar"), file("/x/Foo/c"),
                                       file("/x/Foo"),     file("/y/é/z"),    file("/y/é")};
        QCOMPARE(collapseNestedMatches(found),
                 (QList{file("/y/é"), file("/x/Foo"), file("/x/Foobar")}));
        QList<ScannedFile> items{file("/a/beta", 10), file("/b/Alpha", 10), file("/c/alpha", 10),
                                 file("/d/Zed", 99), file("/e/beta", 10)};
        sortForReport(items);
        // Larger first; equal sizes by name whatever the case; equal in both: earlier first.
        QCOMPARE(items, (QList{file("/d/Zed", 99), file("/b/Alpha", 10), file("/c/alpha", 10),
                               file("/a/beta", 10), file("/e/beta", 10)}));
        const QString astral = QString::fromUcs4(U"/\U0001F600");
        const QSet<QString> denied{astral, "/b", QStringLiteral(u"/\uFFFD"), "/B", "/a"};
        QCOMPARE(sortedByCodePoint(denied),
                 (QStringList{"/B", "/a", "/b", QStringLiteral(u"/\uFFFD"), astral}));
    }

    void searchTermsAndQueryText() {
        AppDescriptor helper = descriptor("", "Harbor Notes 2", "com.quillfield.notes.helper",
                                          "harbornotes2", "noteshelper", {});
        helper.baseBundleIdentifier = "com.quillfield.notes";
        helper.strippedCompactName = "harbornotes";
        QCOMPARE(SpotlightQueryText::searchTerms(helper),
                 (QStringList{"com.quillfield.notes.helper", "harbor notes 2", "harbornotes2",
                              "com.quillfield.notes", "harbornotes", "noteshelper"}));
        // A one-word name gives one term fewer; empty names are dropped.
        AppDescriptor toolkit = descriptor("", "TOOLKIT", "toolkit", "toolkit", "toolkit", {});
        toolkit.baseBundleIdentifier = toolkit.strippedCompactName = "";
        QCOMPARE(SpotlightQueryText::searchTerms(toolkit), QStringList{"toolkit"});
        const QString clause = "(kMDItemPath == '*%1*'cd || kMDItemFSName == '*%1*'cd || "
                               "kMDItemDisplayName == '*%1*'cd)";
        // Backslashes are doubled before double quotes get theirs; apostrophes stay as they are.
        const AppDescriptor app = descriptor("", R"(Pete's A\"B)", "co.pete.ab", "petesab", "", {});
        QCOMPARE(SpotlightQueryText::queryText(app), clause.arg("co.pete.ab") + " || " +
                                                         clause.arg(R"(pete's a\\\"b)") + " || " +
                                                         clause.arg("petesab"));
        QCOMPARE(SpotlightQueryText::queryText(descriptor("", "", "", "", "", {})), QString());
    }

    // The locate database stands in for the metadata index: items inside the scope folders
    // whose path contains a term, ignoring case.
    // A file with several names inside an item is counted once.
    void sizeCountsAHardLinkedFileOnce() {
        TestDir dir;
        const QString data = dir.createFileOfSize("Item/data.bin", 64 * 1024);
        dir.createDirectory("Item/sub");
        for (const char* name : {"Item/again.bin", "Item/sub/third.bin"})
            QCOMPARE(::link(QFile::encodeName(data), QFile::encodeName(dir.path(name))), 0);
        const qint64 once = regularFileSize(data, FileSystem::real());
        QVERIFY(once >= 64 * 1024);
        QCOMPARE(sizeInBytes(dir.path("Item"), FileSystem::real()), once);
    }

    // What another file system mounted inside an item holds is not the item's.
    void sizeStaysOnTheItemsFileSystem() {
        TestDir dir;
        const QString mountPoint = dir.createDirectory("Item/mounted");
        dir.createFileOfSize("Item/own.bin", 8 * 1024);
        if (QProcess::execute("mount",
                              {"-t", "tmpfs", "-o", "size=4m", "tidewell-test", mountPoint}) != 0)
            QSKIP("no second file system can be mounted here (needs root and mount rights)");
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mountPoint}); });
        dir.createFileOfSize("Item/mounted/foreign.bin", 1024 * 1024);
        const qint64 own = regularFileSize(dir.path("Item/own.bin"), FileSystem::real());
        QVERIFY(sizeInBytes(dir.path("Item"), FileSystem::real()) < own + 64 * 1024);
        QVERIFY(sizeInBytes(mountPoint, FileSystem::real()) >= 1024 * 1024);
    }

    void locateIndexFindsItemsInsideTheScope() {
        const QString updatedb = QStandardPaths::findExecutable("updatedb");
        if (updatedb.isEmpty() || QStandardPaths::findExecutable("plocate").isEmpty())
            QSKIP("plocate's updatedb is not installed");
        TestDir dir;
        for (const char* path : {"Library/Caches/Vendor/a/b/c/d/harbornotes.db",
                                 "Library/Preferences/COM.QUILLFIELD.HARBOR-NOTES.plist",
                                 "Library/Caches/pad [pro's", "Library/Caches/ÉCOLE Café.log",
                                 "Documents/Harbor Notes.txt", "Library/Caches.harbornotes"})
            dir.createFile(QString::fromUtf8(path));
        const QString database = dir.path("locate.db");
        // The test folder usually lies below a path the system configuration prunes.
        QCOMPARE(QProcess::execute(updatedb,
                                   {"-U", dir.path(), "-o", database, "--require-visibility", "no",
                                    "--prunepaths", "", "--prunefs", "", "--prunenames", ""}),
                 0);
        const QList<QUrl> scope{QUrl::fromLocalFile(dir.path("Library/Caches")),
                                QUrl::fromLocalFile(dir.path("Library/Preferences"))};
        const auto search = [&](const AppDescriptor& app, int timeout = 15000) {
            QStringList found;
            for (const QUrl& url : LocateIndexSearch(database, timeout).search(app, scope, {}))
                found.append(url.toLocalFile().mid(dir.path().size() + 1));
            found.sort();
            return found;
        };
        // Any term, any case, any depth; pattern characters and apostrophes taken literally;
        // case folded beyond ASCII.
        const AppDescriptor app =
            descriptor("", "Harbor Notes", "com.quillfield.harbor-notes", "harbornotes", "", {});
        QCOMPARE(search(app),
                 (QStringList{"Library/Caches/Vendor/a/b/c/d/harbornotes.db",
                              "Library/Preferences/COM.QUILLFIELD.HARBOR-NOTES.plist"}));
        QCOMPARE(search(descriptor("", "Pad [Pro's", "io.pad", "padpros", "", {})),
                 QStringList{"Library/Caches/pad [pro's"});
        QCOMPARE(search(descriptor("", u"École café"_qs, "fr.ecole", u"écolecafé"_qs, "", {})),
                 QStringList{u"Library/Caches/ÉCOLE Café.log"_qs});
        QVERIFY(LocateIndexSearch(database).search(app, {}, {}).isEmpty());
        QVERIFY(LocateIndexSearch(database + "x").search(app, scope, {}).isEmpty());
        // A locate that would answer only after 30 s is given up on.
        const QString slow = dir.createFile(
            "bin/plocate", "#!/bin/bash\nwhile (( SECONDS < 30 )); do :; done\nprintf '%s\\0' '" +
                               dir.path("Library/Caches/Vendor/a/b/c/d/harbornotes.db").toUtf8() +
                               "'\n");
        QFile::setPermissions(slow, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path("bin").toUtf8());
        const QStringList withoutAnswer = search(app, 300);
        // An abandoned scan kills the program at once.
        QElapsedTimer clock;
        clock.start();
        const CancellationToken cancelSoon([&clock] { return clock.elapsed() > 100; });
        const QList<QUrl> abandoned = LocateIndexSearch(database).search(app, scope, cancelSoon);
        const qint64 abandonedAfter = clock.elapsed();
        qputenv("PATH", path);
        QVERIFY(withoutAnswer.isEmpty());
        QVERIFY(abandoned.isEmpty());
        QVERIFY2(abandonedAfter < 5000, qPrintable(QString::number(abandonedAfter)));
    }
};

QTEST_GUILESS_MAIN(TestScannerRules)
#include "TestScannerRules.moc"
