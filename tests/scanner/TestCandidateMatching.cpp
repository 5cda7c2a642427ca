#include "scanner/CandidateMatching.h"

#include "ScannerTestApps.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

using namespace tidewell;

namespace {

AppDescriptor appNamed(const QString& name) {
    if (name == "ann")
        return scannertest::ann();
    AppDescriptor app = scannertest::harborNotes();
    if (name == "bare helper") {
        // Only the base identifier can match.
        app = scannertest::harborNotesHelper();
        app.compactName = app.pathComponentName = "zzzzzz";
        app.bundleTailToken.reset();
        app.searchTokens.clear();
    }
    return app;
}

const ScanEnvironment annAtRealRoot{"/Users/ann", ""};

} // namespace

class TestCandidateMatching : public QObject {
    Q_OBJECT

private slots:
    void matchesCandidate_data();
    void matchesCandidate();
    void urlHasWord_data();
    void urlHasWord();
    void matchesNormalizedText_data();
    void matchesNormalizedText();
    void entryFilters();
    void bundleAtRelativeUrlIsNeverItsOwnLeftover();
    void entryTestAgreesWithWholePathTest();
};

void TestCandidateMatching::matchesCandidate_data() {
    QTest::addColumn<QString>("app");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("expected");
    const auto row = [](const char* app, const char* root, const char* path, bool expected) {
        QTest::addRow("%s: %s", app, path)
            << QString(app) << QString(root) << QString(path) << expected;
    };
    row("notes", "", "/Users/ann/Library/Preferences/com.quillfield.notes.plist", true);
    row("notes", "", "/Users/ann/Library/HTTPStorages/COM.QUILLFIELD.NOTES.binarycookies", true);
    row("notes", "", "/Users/ann/Library/Application Support/Harbor Notes", true);
    row("notes", "", "/Users/ann/Library/Logs/Harbor/2024/notes.log", true);
    row("notes", "", "/Users/ann/Library/Logs/Harbor/notes.log", true);
    row("notes", "", "/Users/ann/Library/Logs/Harbor", false);
    row("notes", "", "/Users/ann/Library/Application Support/Notes", false);
    row("notes", "", "/Users/ann/Library/Application Support/Quillfield", true);
    row("notes", "", "/Users/Shared/Quillfield", true);
    row("notes", "", "/Users/Shared/Notes", false);
    row("notes", "", "/Applications/Harbor Notes.app", false);
    // Paths outside ASCII take the rule on whole strings.
    row("notes", "", "/Users/ann/Library/Application Support/Harbor Notés", false);
    row("notes", "", "/Users/ann/Library/Application Support/Harbor Notes Ü", true);
    row("notes", "", "/Users/ann/Library/Application Support/Ärger/Quillfield", true);
    row("ann", "", "/Users/ann/Library/Caches/ann", true);
    row("ann", "", "/Users/ann/Library/Caches/com.ann-tools", true);
    row("ann", "", "/Users/ann/Library/Caches/annals", false);
    row("ann", "", "/Users/ann/Library/Caches/joann", false);
    // The user's name in the home path is no match, nor a folder of that name above the root.
    row("ann", "", "/Users/ann/Library/Caches/com.example.other", false);
    row("ann", "/tmp/ann", "/tmp/ann/Library/Caches/com.example.other", false);
    row("ann", "/tmp/ann", "/tmp/ann/Library/Caches/Ann", true);
    row("bare helper", "", "/Users/ann/Library/Caches/com.quillfield.notes.x", true);
    row("bare helper", "", "/Users/ann/Library/Caches/com.quillfield.note", false);
    // Below a root folder, its own path is cut off like the home folder's.
    row("notes", "/tmp/harbor", "/tmp/harbor/Library/Application Support/Notes", false);
    row("notes", "/tmp/harbor", "/tmp/harbor/Library/Application Support/Quillfield", true);
    row("notes", "/tmp/harbor", "/tmp/harbor/Users/Shared/Notes", false);
    row("notes", "/tmp/harbor", "/tmp/harborx/Notes", false);
}

void TestCandidateMatching::matchesCandidate() {
    QFETCH(QString, app);
    QFETCH(QString, root);
    QFETCH(QString, path);
    QFETCH(bool, expected);
    const ScanEnvironment environment{root.isEmpty() ? "/Users/ann" : root + "/Users/ann", root};
    const ScanContext context(appNamed(app), environment);
    QCOMPARE(tidewell::matchesCandidate(path, context), expected);
}

void TestCandidateMatching::urlHasWord_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("expected");
    QTest::newRow("component") << "/a/Ink/b"
                               << "ink" << true;
    QTest::newRow("pieces") << "/a/com.ink-tools"
                            << "ink" << true;
    QTest::newRow("space and underscore") << "/a/my ink_x"
                                          << "ink" << true;
    QTest::newRow("inside a word") << "/a/inklings"
                                   << "ink" << false;
    QTest::newRow("whole component with dots") << "/a/com.ink"
                                               << "com.ink" << true;
    QTest::newRow("empty word") << "/a/b"
                                << "" << false;
}

void TestCandidateMatching::urlHasWord() {
    QFETCH(QString, path);
    QFETCH(QString, word);
    QFETCH(bool, expected);
    QCOMPARE(tidewell::urlHasWord(path, word), expected);
}

void TestCandidateMatching::matchesNormalizedText_data() {
    QTest::addColumn<QString>("app");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");
    QTest::newRow("tail token") << "notes"
                                << "com.quillfield.notes" << true;
    QTest::newRow("compact name") << "notes"
                                  << "Harbor.Notes.data" << true;
    QTest::newRow("one long token is not enough") << "notes"
                                                  << "group.quillfield.shared" << false;
    QTest::newRow("opaque") << "notes"
                            << "8F3A-11C2" << false;
    QTest::newRow("short whole name") << "ann"
                                      << "ANN" << true;
    QTest::newRow("short piece") << "ann"
                                 << "com.ann-tools" << true;
    QTest::newRow("short inside a word") << "ann"
                                         << "annals" << false;
}

void TestCandidateMatching::matchesNormalizedText() {
    QFETCH(QString, app);
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QCOMPARE(tidewell::matchesNormalizedText(name, appNamed(app)), expected);
}

void TestCandidateMatching::entryFilters() {
    const ScanContext real(appNamed("notes"), annAtRealRoot);
    QVERIFY(real.isProtectedPath("/Users/ann/.Trash/Harbor Notes"));
    QVERIFY(real.isProtectedPath("/System/Library/Harbor Notes"));
    QVERIFY(real.isProtectedPath("/private/var/folders/xy/Harbor Notes"));
    QVERIFY(!real.isProtectedPath("/Systems/Harbor Notes"));
    QVERIFY(!real.isProtectedPath("/Users/ann/Trash"));
    const ScanContext underRoot(appNamed("notes"), {"/r/Users/ann", "/r"});
    QVERIFY(underRoot.isProtectedPath("/r/System/x"));
    QVERIFY(!underRoot.isProtectedPath("/System/x"));
    QVERIFY(isPackageLike({"/a/Y", "Y", true, false, true}));
}

void TestCandidateMatching::bundleAtRelativeUrlIsNeverItsOwnLeftover() {
    const AppDescriptor app = scannertest::harborNotes("Apps/../Applications/Harbor Notes.app");
    const ScanContext context(app, annAtRealRoot);
    const QString absolute = QDir::currentPath() + "/Applications/Harbor Notes.app";
    QCOMPARE(context.appPath(), absolute);
    QVERIFY(!tidewell::matchesCandidate(absolute, context));
    FolderMatchState folder = folderMatchState(QDir::currentPath() + "/Applications", context);
    QVERIFY(!matchesEntry(folder, "Harbor Notes.app", absolute, context, folder));
}

// The walk tests an entry from its folder's state and its own name; whatever the folder, the
// answer must be the one the whole path gives.
void TestCandidateMatching::entryTestAgreesWithWholePathTest() {
    const QStringList names{"Harbor", "Notes", "notes.log", "com.quillfield", "Quill",
                            "field",  "ann",   "x-ann",     "2024",           "Ü",
                            "Caches", "a b",   "Shared",    "NOTES.helper"};
    QRandomGenerator random(7);
    const QStringList starts{"/Users/ann/Library", "/Users",     "/",
                             "/Users/Shared/x",    "/r/Library", "/Users/ann/Library/Logs/Harbor"};
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
                QVERIFY2(matched == tidewell::matchesCandidate(path, context), qPrintable(path));
                if (matched)
                    break;
                folder = entry;
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestCandidateMatching)
#include "TestCandidateMatching.moc"
