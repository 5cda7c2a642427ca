#include "scanner/CandidateMatching.h"
#include "scanner/ComponentWords.h"
#include "scanner/ItemClassification.h"
#include "scanner/LocateIndexSearch.h"
#include "scanner/ReportedEvidence.h"
#include "scanner/ScanReportOrdering.h"
#include "scanner/SpotlightQueryText.h"

#include "FaultInjectingFileSystem.h"
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

AppDescriptor app(const QString& bundleName, const QString& identifier,
                  const QString& displayName = {}) {
    QVariantMap info{{"CFBundleIdentifier", identifier}};
    if (!displayName.isEmpty())
        info.insert("CFBundleName", displayName);
    const QUrl url = QUrl::fromLocalFile("/Applications/" + bundleName + ".app");
    return std::get<AppDescriptor>(AppDescriptor::fromInfo(url, info));
}

// Made-up applications, each standing for a kind of name.
AppDescriptor appNamed(const QString& key) {
    static const QMap<QString, AppDescriptor> apps{
        {"notes", app("Harbor Notes", "com.quillfield.harbor-notes")},
        {"notes2", app("Harbor Notes 2", "com.quillfield.notes-two")},
        {"ink", app("Ink", "co.ink.mac")},
        {"stone", app("Stone", "com.stonecraft.stone")},
        {"orb", app("Orb Browser", "org.orbproject.orbbrowser")},
        {"word", app("Quillfield Word", "com.quillfield.word")},
        {"loader", app("Application Loader", "com.loaderworks.application")},
        {"logs", app("Logs", "io.logs")},
        {"x", app("X", "x.y.z")},
        {"teamed", app("Teamed", "com.teamed.teamed")},
        {"slides", app("Slides", "com.apple.slides")},
        {"lumen", app("Lumen Studio", "com.brightforge.lumenstudio")},
        {"english", app("English", "com.linguaworks.english")},
        {"loom", app("Loom", "com.threadworks.loom")},
        {"notes-twin", app("Notebook", "org.otherco.notebook", "Harbor Notes")},
        {"pycharm", app("PyCharm", "com.jetbrains.pycharm")},
        {"pycharm-ce", app("PyCharm CE", "com.jetbrains.pycharm.ce")},
    };
    return apps.value(key);
}

} // namespace

// The scanner's rules (matching, classification, order, query text) and its index search.
class TestScannerRules : public QObject {
    Q_OBJECT

private slots:
    void words_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<bool>("asWords");
        QTest::addColumn<bool>("asPieces");
        const auto row = [](const char* component, const char* needle, bool words, bool pieces) {
            QTest::addRow("%s in %s", needle, component)
                << QString::fromUtf8(component) << QString::fromUtf8(needle) << words << pieces;
        };
        row("Harbor Notes.plist", "harbornotes", true, true);
        row("HarborNotes", "harbornotes", true, true);
        row("HarborNotes", "notes", true, false);
        row("XMLParser", "parser", true, false);
        row("IntelliJIdea2026.2", "intellijidea", true, false);
        row("TeamViewer", "steam", false, false);
        row("Minecraft", "craft", false, false);
        row("com.ink-tools", "ink", true, true);
        row("InkWell", "ink", true, false);
        row("blink", "ink", false, false);
        row("Écoles Café", "écolescafé", true, true);
        row("cafe\u0301", "cafe\u0301", true, true);
    }

    void words() {
        QFETCH(QString, component);
        QFETCH(QString, needle);
        QFETCH(bool, asWords);
        QFETCH(bool, asPieces);
        const ComponentWords words(component);
        const std::u32string compact = ComponentWords::compact(needle);
        QCOMPARE(words.containsWords(compact), asWords);
        QCOMPARE(words.containsPieces(compact), asPieces);
    }

    // One row per way a rule once took what was not the application's. Paths lie in the home
    // /Users/ann; "rival" installs another application of the same vendor.
    void matching_data() {
        QTest::addColumn<QString>("app");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("rival");
        QTest::addColumn<bool>("expected");
        const auto row = [](const char* app, const char* path, bool expected, bool rival = false) {
            QTest::addRow("%s%s: %s", app, rival ? " (rival)" : "", path)
                << QString(app) << "/Users/ann/" + QString::fromUtf8(path) << rival << expected;
        };
        // Identifiers, names and tokens as whole words of one component.
        row("notes", "Library/Preferences/com.quillfield.harbor-notes.plist", true);
        row("notes", "Library/HTTPStorages/COM.QUILLFIELD.HARBOR-NOTES.binarycookies", true);
        row("notes", "Library/Application Support/Harbor Notes", true);
        row("notes", "Library/Logs/Harbor/2024/notes.log", true);
        row("notes", "Library/Application Support/Notes", false);
        row("notes2", "Library/Application Support/Harbor Notes", true);
        // Separators are never dropped to join words, and no word spans a path separator.
        row("stone", "Library/Caches/Milestone", false);
        row("stone", "Library/Application Support/Mile/Stone Age", true);
        row("stone", "Library/Application Support/Bus/tone", false);
        row("ink", "Library/Caches/com.ink-tools", true);
        row("ink", "Library/Caches/InkWell", false);
        row("ink", "Library/Caches/blink", false);
        // Short and generic words, and the vendor when it is shared, never decide alone.
        row("orb", "Library/HTTPStorages/com.sorbet.orbit", false);
        row("orb", "Library/Caches/Browser", false);
        row("orb", "Library/Caches/orb", false);
        row("orb", "Library/Caches/Orb Browser", true);
        row("notes", "Library/Application Support/Quillfield", true);
        row("notes", "Library/Application Support/Quillfield", false, true);
        row("notes", "Library/Application Support/Quillfield/Harbor Notes", true, true);
        row("notes", "Library/Caches/com.quillfield.sync", false, true);
        row("word", "Library/Application Support/Quillfield/Word", true, true);
        row("slides", "Library/Caches/com.apple", false);
        // Inside another vendor's identifier only full names count, not the principal one.
        row("lumen", "Library/Application Support/Lumen", true);
        row("lumen", "Library/Caches/com.lumen.sdk", false);
        // A settings file named "<name>rc" is the application's, as a whole name only.
        row("stone", "Library/Preferences/stonerc", true);
        row("stone", "Library/Preferences/milestonerc", false);
        row("stone", "Library/Preferences/stonercx", false);
        row("notes", "Library/Preferences/com.oldvendor.harbornotes.plist", true);
        // The root folders' own names are never read, nor the home folder's.
        row("loader", "Library/Application Support/cache.db", false);
        row("loader", "Applications/Tools.app", false);
        row("logs", "Library/Logs", false);
        row("logs", "Library/Logs/system.log", false);
        row("x", "Library/Caches/x-ray", false);
        row("x", "Library/Preferences/x.y.z.plist", true);
        row("x", "Library/Preferences/x.y.zebra.plist", false);
        row("teamed", "Library/Group Containers/ABCDE12345.com.teamed.teamed", true);
        // Help Viewer's store of one index per application: the index's own name only.
        row("english",
            "Library/Caches/com.apple.helpd/SDMHelpData/Other/English/HelpSDMIndexFile/"
            "com.example.tool.help",
            false);
        row("english",
            "Library/Caches/com.apple.helpd/SDMHelpData/Other/German/HelpSDMIndexFile/"
            "English.help",
            true);
        row("notes",
            "Library/Caches/com.apple.helpd/SDMHelpData/Other/English/HelpSDMIndexFile/"
            "Harbor Notes Help",
            true);
        row("teamed", "Library/Group Containers/ABCDE12345.Tools", false);
        // Entries directly in a Library folder are taken only when named for the application.
        row("notes", "Library/Harbor Notes", true);
        row("notes", "Library/Harbor NotesData", true);
        row("notes", "Library/com.quillfield.harbor-notes.plist", true);
        row("notes", "Library/Harbor", false);
        row("logs", "Library/Logs", false);
        // Inside an application bundle of an Applications folder nothing is a leftover.
        row("notes", "Applications/Harbor Notes Helper.app", false);
        row("notes", "Applications/Tools/Harbor Notes.app/Contents", false);
        row("notes", "Applications/Harbor Notes Extras", true);
        row("notes", "Documents/Harbor Notes", false);
    }

    void matching() {
        QFETCH(QString, app);
        QFETCH(QString, path);
        QFETCH(bool, rival);
        QFETCH(bool, expected);
        QList<AppDescriptor> installed;
        if (rival)
            installed.append(appNamed("word"));
        const ScanContext context(appNamed(app), Host::withDefaults("/Users/ann"), installed);
        QCOMPARE(matchesCandidate(path, context), expected);
    }

    // One row per rule of what starts selected, each with a made-up app and the installed apps
    // that decide it. Paths lie in the home /Users/ann unless absolute; "none" is not reported.
    void evidence_data() {
        QTest::addColumn<QString>("app");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* app, const QStringList& installed, const char* path,
                            const char* expected) {
            const QString item = QString::fromUtf8(path);
            QTest::addRow("%s: %s", app, path)
                << QString(app) << installed
                << (item.startsWith(u'/') ? item : "/Users/ann/" + item) << QString(expected);
        };
        row("notes", {}, "Library/Preferences/com.quillfield.harbor-notes.plist", "identifier");
        row("notes", {}, "Library/Application Support/Harbor Notes Sync", "fullName");
        row("notes", {}, "Library/Logs/Harbor/2024/notes.log", "partialName");
        // The vendor's folder: offered while no other app of the vendor is installed.
        row("notes", {}, "Library/Application Support/Quillfield", "vendorData");
        row("notes", {"word"}, "Library/Application Support/Quillfield", "none");
        row("notes", {}, "Library/Group Containers/ABCDE12345.com.quillfield.shared", "vendorData");
        row("notes", {"word"}, "Library/Group Containers/ABCDE12345.com.quillfield.shared", "none");
        row("notes", {"word"}, "Library/Group Containers/ABCDE12345.com.quillfield.harbor-notes",
            "identifier");
        // Where users keep their work too, and Risky places, only offer.
        row("notes", {}, "/Users/Shared/Harbor Notes", "userWork");
        row("notes", {}, "Library/LaunchAgents/com.quillfield.harbor-notes.plist", "identifier");
        // Another app of the same name ties; one named more exactly wins.
        row("notes", {"notes-twin"}, "Library/Application Support/Harbor Notes",
            "claimedByInstalledApp");
        row("pycharm", {"pycharm-ce"}, "Library/Application Support/JetBrains/PyCharmCE2026.1",
            "none");
        // Versioned folders of editions: by the edition's own name only.
        row("pycharm", {}, "Library/Application Support/JetBrains/PyCharm2026.1", "fullName");
        row("pycharm", {}, "Library/Application Support/JetBrains/PyCharmCE2026.1", "partialName");
        // A name of one plain word starts a name, never sits inside a hyphenated or compound
        // one, and deeper down counts as the app spells it.
        row("loom", {}, "Library/Application Support/Loom", "fullName");
        row("loom", {}, "Library/Application Support/LoomHelper", "fullName");
        row("loom", {}, "Library/Application Support/super-loom", "none");
        row("loom", {}, "Library/Application Support/loom-server", "none");
        row("loom", {}, "Library/Application Support/SuperLoom", "none");
        row("loom", {}, "Library/Application Support/CloudDocs/loom", "partialName");
        row("loom", {}, "Library/Logs/DiagnosticReports/Loom_2c4f.crash", "fullName");
    }

    void evidence() {
        QFETCH(QString, app);
        QFETCH(QStringList, installed);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QList<AppDescriptor> apps{appNamed(app)};
        for (const QString& other : installed)
            apps.append(appNamed(other));
        const ScanContext context(apps.first(), Host::withDefaults("/Users/ann"), apps);
        const OwnershipArbiter arbiter(context, apps);
        const auto evidence = matchesCandidate(path, context)
                                  ? reportedEvidence(path, context, arbiter.claimOn(path))
                                  : std::nullopt;
        QCOMPARE(evidence ? rawValue(evidence->code) : QString("none"), expected);
    }

    // The walk tests an entry from its folder's state and its own name; whatever the folder,
    // the answer must be the one the whole path gives.
    void entryTestAgreesWithWholePathTest() {
        const QStringList names{"Harbor",
                                "Notes",
                                "notes.log",
                                "com.quillfield",
                                "Quillfield",
                                "field",
                                "ink",
                                "x-ink",
                                "2024",
                                "Ü",
                                "Caches",
                                "Ink.app",
                                "ABCDE12345.ink",
                                "a b",
                                "Harbor Notes.app"};
        const QStringList starts{"/Users/ann/Library",
                                 "/Users/ann/Library/Group Containers",
                                 "/Users/ann",
                                 "/",
                                 "/r/Users/Shared",
                                 "/r/Library/Logs/Harbor",
                                 "/Users/ann/Applications",
                                 "/r/Applications/Tools"};
        QRandomGenerator random(7);
        for (const char* key : {"notes", "ink"}) {
            const ScanContext context(appNamed(key), Host::withDefaults("/Users/ann", "/r"));
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
        AppDescriptor notes = appNamed("notes");
        notes.appURL = QUrl::fromLocalFile("Apps/../Library/Harbor Notes.app");
        const ScanContext context(notes, Host::withDefaults(QDir::currentPath()));
        const QString absolute = QDir::currentPath() + "/Library/Harbor Notes.app";
        QCOMPARE(context.appPath(), absolute);
        QVERIFY(!matchesCandidate(absolute, context));
        QVERIFY(context.isProtectedPath(QDir::currentPath() + "/.Trash/x"));
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
            {"/Users/ann/library/caches/x", other, risky},
            {"/home/ann/.config/kate", preferences, optional},
            {"/home/ann/.cache/kate", caches, safe},
            {"/home/ann/.var/app/org.kde.kate", applicationSupport, optional},
            {"/home/ann/.configure/kate", other, risky}};
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
        helper.bundleFacts.baseIdentifier = "com.quillfield.notes";
        helper.bundleFacts.strippedCompactName = "harbornotes";
        QCOMPARE(SpotlightQueryText::searchTerms(helper),
                 (QStringList{"com.quillfield.notes.helper", "harbor notes 2", "harbornotes2",
                              "com.quillfield.notes", "harbornotes", "noteshelper"}));
        // A one-word name gives one term fewer; empty names are dropped.
        AppDescriptor toolkit = descriptor("", "TOOLKIT", "toolkit", "toolkit", "toolkit", {});
        toolkit.bundleFacts.baseIdentifier = toolkit.bundleFacts.strippedCompactName = "";
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

    void sizeSaysWhatCouldNotBeRead_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("vanishes");       // whether the item is gone before it is sized
        QTest::addColumn<QString>("failing");     // the folder whose listing fails, if any
        QTest::addColumn<QStringList>("counted"); // the files the size holds
        QTest::addColumn<bool>("complete");
        const QStringList both{"Item/a.bin", "Item/sub/deep/b.bin"};
        const QStringList first = both.mid(0, 1);
        QTest::newRow("all read") << "Item" << false << "" << both << true;
        QTest::newRow("a folder inside") << "Item" << false << "Item/sub" << first << false;
        QTest::newRow("a folder deeper") << "Item" << false << "Item/sub/deep" << first << false;
        QTest::newRow("the item itself") << "Item" << false << "Item" << QStringList() << false;
        QTest::newRow("the item vanished") << "Item" << true << "" << QStringList() << false;
        QTest::newRow("a file") << "Item/a.bin" << false << "" << first << true;
    }

    // An item is sized as far as it can be read, and says whether that is all of it; an item
    // of which nothing could be read counts nothing, not its own folder entry.
    void sizeSaysWhatCouldNotBeRead() {
        QFETCH(QString, item);
        QFETCH(bool, vanishes);
        QFETCH(QString, failing);
        QFETCH(QStringList, counted);
        QFETCH(bool, complete);
        TestDir dir;
        dir.createFileOfSize("Item/a.bin", 64 * 1024);
        dir.createFileOfSize("Item/sub/deep/b.bin", 128 * 1024);
        FaultInjectingFileSystem fileSystem;
        if (!failing.isEmpty())
            fileSystem.failListing(dir.path(failing), NoReadPermissionError);
        if (vanishes)
            fileSystem.vanish(dir.path(item));
        qint64 bytes = 0;
        for (const QString& file : counted)
            bytes += regularFileSize(dir.path(file), FileSystem::real());
        const ScannedFile found = makeScannedFile({dir.path(item), {}}, {}, fileSystem);
        QCOMPARE(found.sizeInBytes, bytes);
        QCOMPARE(found.sizeComplete, complete);
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
        // The test's own program path: the system's, then only the folder of a slow locate.
        QStringList programPath = qEnvironmentVariable("PATH").split(u':');
        const auto search = [&](const AppDescriptor& app, int timeout = 15000) {
            QStringList found;
            for (const QUrl& url :
                 LocateIndexSearch(programPath, database, timeout).search(app, scope, {}))
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
        QVERIFY(LocateIndexSearch(programPath, database).search(app, {}, {}).isEmpty());
        QVERIFY(LocateIndexSearch(programPath, database + "x").search(app, scope, {}).isEmpty());
        // A locate that would answer only after 30 s is given up on.
        const QString slow = dir.createFile(
            "bin/plocate", "#!/bin/bash\nwhile (( SECONDS < 30 )); do :; done\nprintf '%s\\0' '" +
                               dir.path("Library/Caches/Vendor/a/b/c/d/harbornotes.db").toUtf8() +
                               "'\n");
        QFile::setPermissions(slow, QFile::ReadOwner | QFile::ExeOwner);
        programPath = {dir.path("bin")};
        const QStringList withoutAnswer = search(app, 300);
        // An abandoned scan kills the program at once.
        QElapsedTimer clock;
        clock.start();
        const CancellationToken cancelSoon([&clock] { return clock.elapsed() > 100; });
        const QList<QUrl> abandoned =
            LocateIndexSearch(programPath, database).search(app, scope, cancelSoon);
        const qint64 abandonedAfter = clock.elapsed();
        QVERIFY(withoutAnswer.isEmpty());
        QVERIFY(abandoned.isEmpty());
        QVERIFY2(abandonedAfter < 5000, qPrintable(QString::number(abandonedAfter)));
    }
};

QTEST_GUILESS_MAIN(TestScannerRules)
#include "TestScannerRules.moc"
