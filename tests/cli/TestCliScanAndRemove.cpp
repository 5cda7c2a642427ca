#include "CliRun.h"
#include "TestDir.h"
#include "TreeSnapshot.h"
#include "TypedTerminal.h"
#include "Unprivileged.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QJsonObject json(const CliRun& run) {
    return QJsonDocument::fromJson(run.out).object();
}

// The paths of items given as objects with a path, or as paths.
QStringList pathsOf(const QJsonValue& list) {
    QStringList paths;
    for (const QJsonValue& item : list.toArray())
        paths.append(item.isObject() ? item["path"].toString() : item.toString());
    return paths;
}

} // namespace

// Two apps in one library: a scan lists only its app's leftovers, removal moves only those,
// history lists it and undo puts it back. Runs unprivileged, so that locked folders stay locked.
class TestCliScanAndRemove : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<TestDir>();
        m_data = std::make_unique<TestDir>();
        qputenv("HOME", QFile::encodeName(m_dir->path("home")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_data->path("state"))); // the journal
        QDir::setCurrent(m_dir->path()); // relative paths name the same items as absolute ones
        m_harbor = {"home/Library/Caches/com.quillfield.harbornotes",
                    "home/Library/Preferences/com.quillfield.harbornotes.plist",
                    "home/Library/Application Support/Harbor Notes",
                    "home/Applications/Harbor Notes.app"};
        m_remove = {"remove", "--no-index", "--root", "root", m_harbor.last()};
        m_dir->createAppBundle(m_harbor[3], {{"CFBundleIdentifier", "com.quillfield.harbornotes"},
                                             {"CFBundleName", "Harbor Notes"}});
        m_dir->createFileOfSize(m_harbor[3] + "/Contents/MacOS/Harbor Notes", 20000);
        m_dir->createFileOfSize(m_harbor[0] + "/Cache.db", 5000);
        m_dir->createPlist(m_harbor[1], {{"NSWindow Frame", "0 0 800 600"}});
        m_dir->createFile(m_harbor[2] + "/notes.sqlite", "notes");
        // A link inside a leftover goes with it; the folder it points to stays.
        m_dir->createFile("home/Documents/Shared/keep.txt", "keep");
        m_dir->createSymlink(m_harbor[0] + "/shared", m_dir->path("home/Documents/Shared"));
        m_dir->createAppBundle(
            "root/Applications/Ink Writer.app",
            {{"CFBundleIdentifier", "io.inkwell.writer"}, {"CFBundleName", "Ink"}});
        // The shared folder holds users' work too: an item there named for the app is only offered.
        m_ink = {
            "root/Users/Shared/Ink Writer|Other|Risky|0|userWork",
            "home/Library/Application Support/Ink Writer|Application Support|Optional|1|fullName",
            "root/Library/Logs/io.inkwell.writer.log|Logs|Safe|1|identifier"};
        for (qsizetype i = 0; i < m_ink.size(); ++i) // sizes 10 KB apart leave no ties
            m_dir->createFileOfSize(m_ink[i].section('|', 0, 0), (3 - i) * 10000);
    }

    void scanListsOnlyTheAppsOwnLeftoversAsJson() {
        const QString bundle = "root/Applications/Ink Writer.app";
        const CliRun run = CliRun::of({"scan", "--json", "--no-index", "--root", "root", bundle});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject scanned = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(scanned.keys(), QStringList({"app", "appGoesWithLeftovers", "keptDconfFolders",
                                              "keptSettingsFiles", "matches",
                                              "permissionDeniedPaths", "undecodablePaths"}));
        QCOMPARE(scanned["permissionDeniedPaths"].toArray(), QJsonArray());
        const CliRun described = CliRun::of({"describe", "--json", m_dir->path(bundle)});
        QCOMPARE(scanned["app"], QJsonDocument::fromJson(described.out).object());
        QJsonArray expected;
        for (const QString& leftover : m_ink) {
            const QString path = m_dir->path(leftover.section('|', 0, 0));
            struct stat values {};
            QCOMPARE(::stat(QFile::encodeName(path).constData(), &values), 0);
            expected.append(QJsonObject{{"path", path},
                                        {"category", leftover.section('|', 1, 1)},
                                        {"safety", leftover.section('|', 2, 2)},
                                        {"sizeInBytes", qint64(values.st_blocks) * 512},
                                        {"sizeComplete", true},
                                        {"selected", leftover.section('|', 3, 3) == "1"},
                                        {"evidence", leftover.section('|', 4, 4)}});
        }
        QJsonArray matches = scanned["matches"].toArray();
        for (QJsonValueRef match : matches) {
            // The code is stable; the sentence is for people, in their language.
            QJsonObject object = match.toObject();
            const QJsonObject evidence = object.value("evidence").toObject();
            QVERIFY(!evidence.value("sentence").toString().isEmpty());
            object["evidence"] = evidence.value("code");
            match = object;
        }
        QCOMPARE(matches, expected);
    }

    void scanTextFollowsTheLocale_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QStringList>("totals"); // the totals' last lines without their sizes
        // The totals count what is selected, not the offered item.
        QTest::newRow("English") << QByteArray("C.UTF-8")
                                 << QStringList{"Application Support 1 item", "Logs 1 item",
                                                "Total 2 items"};
        QTest::newRow("German") << QByteArray("de_DE.UTF-8")
                                << QStringList{"Programmdaten 1 Objekt", "Protokolle 1 Objekt",
                                               "Gesamt 2 Objekte"};
    }
    void scanTextFollowsTheLocale() {
        QFETCH(QByteArray, locale);
        QFETCH(QStringList, totals);
        const QByteArray before = qgetenv("LC_ALL");
        const auto restore = qScopeGuard([&before] { qputenv("LC_ALL", before); });
        qputenv("LC_ALL", locale);
        const CliRun run = CliRun::of(
            {"scan", "--no-index", "--root", "root", "root/Applications/Ink Writer.app"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
        QStringList shown = lines.mid(lines.size() - totals.size());
        shown.replaceInStrings(QRegularExpression(" +"), " ")
            .replaceInStrings(QRegularExpression("^ | [0-9.]+ [A-Za-z]+$"), "");
        QCOMPARE(shown, totals);
    }

    // A name cannot fake a line of the listing: control characters are shown escaped.
    void scanTextEscapesControlCharacters() {
        m_dir->createFile("home/Library/Caches/Ink Writer\n9 GB  Caches  Safe  /etc/x", "x");
        const CliRun run = CliRun::of(
            {"scan", "--no-index", "--root", "root", "root/Applications/Ink Writer.app"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(!run.out.contains("\n9 GB") && run.out.contains("Ink Writer\\n9 GB"), run.out);
    }

    // The offered item follows the selected ones under a heading of its own, its reason below it.
    void scanTextSetsOfferedItemsApartWithTheirReason() {
        const CliRun run = CliRun::of(
            {"scan", "--no-index", "--root", "root", "root/Applications/Ink Writer.app"});
        QCOMPARE(run.exitCode, 0);
        const QString text = QString::fromUtf8(run.out);
        const qsizetype heading = text.indexOf("Review before removing");
        const qsizetype offered = text.indexOf(m_dir->path("root/Users/Shared/Ink Writer"));
        QVERIFY2(heading > text.indexOf(m_dir->path(m_ink[2].section('|', 0, 0))) &&
                     offered > heading,
                 run.out);
        const QString reasonLine = text.mid(offered).section(u'\n', 1, 1);
        QVERIFY2(reasonLine.contains("your own files"), run.out);
    }

    void removeYesLeavesOfferedItemsAndAllTakesThem_data() {
        QTest::addColumn<bool>("all");
        QTest::newRow("--yes") << false;
        QTest::newRow("--yes --all") << true;
    }
    void removeYesLeavesOfferedItemsAndAllTakesThem() {
        QFETCH(bool, all);
        const QString offered = m_dir->path(m_ink[0].section('|', 0, 0));
        QStringList arguments{"remove", "--yes", "--json", "--no-index", "--root", "root"};
        if (all)
            arguments.append("--all");
        const CliRun run = CliRun::of(arguments + QStringList{"root/Applications/Ink Writer.app"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject result = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(QFile::exists(offered), !all);
        QCOMPARE(result["deleted"].toArray().contains(offered), all);
        QCOMPARE(result["notSelected"].toArray(), all ? QJsonArray() : QJsonArray{offered});
        // What is certain goes either way.
        QVERIFY(!QFile::exists(m_dir->path(m_ink[1].section('|', 0, 0))));
    }

    void removeReportsItemsThatCouldNotBeRemoved() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        const QString stuck = m_dir->path(m_harbor[1]);
        m_dir->setMode(QFileInfo(m_harbor[1]).path(), 0555);

        const CliRun run = CliRun::of(m_remove + QStringList{"--yes"});

        QCOMPARE(run.exitCode, 1);
        // The folder that refused, named from the home.
        QVERIFY2(run.out.contains(stuck.toUtf8() + "\n    Permission denied: the folder “~/" +
                                  QFileInfo(m_harbor[1]).path().sliced(5).toUtf8() +
                                  "” cannot be changed. Check its permissions."),
                 run.out);
        QVERIFY2(run.out.endsWith("Moved 3 items to Trash. 1 item could not be removed.\n"
                                  "To put it back: tidewell-cli undo 1\n"),
                 run.out);
        QVERIFY(QFileInfo::exists(stuck));
    }

    // A bundle named through a link is the app it points to; the user is told, the link stays.
    void removeThroughALinkTakesTheAppAndLeavesTheLink() {
        const QString link =
            m_dir->createSymlink("home/Desktop/Harbor Notes.app", m_dir->path(m_harbor.last()));
        const CliRun run =
            CliRun::of({"remove", "--yes", "--json", "--no-index", "--root", "root", link});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains("is a link"), run.err);
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(!QFileInfo::exists(m_dir->path(m_harbor.last())));
        const QJsonArray deleted = QJsonDocument::fromJson(run.out).object()["deleted"].toArray();
        QCOMPARE(deleted.last().toString(), m_dir->path(m_harbor.last()));
    }

    void removeAsksFirst_data() {
        QTest::addColumn<QByteArray>("typed"); // on a terminal; null: stdin is no terminal
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no terminal") << QByteArray() << 2;
        QTest::newRow("no") << QByteArray("n\n") << 1;
        QTest::newRow("just return") << QByteArray("\n") << 1;
        QTest::newRow("yes") << QByteArray("yes\n") << 0;
    }
    void removeAsksFirst() {
        QFETCH(QByteArray, typed);
        QFETCH(int, exitCode);
        // The answer is typed on a new terminal before the question comes.
        const TypedTerminal terminal(typed);
        if (!typed.isNull() && terminal.name().isEmpty())
            QSKIP("no pseudo-terminal available");
        const TreeSnapshot before = snapshotOf(m_dir->path());

        const CliRun run = CliRun::of(m_remove, typed.isNull() ? QString() : terminal.name());

        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(snapshotOf(m_dir->path()) == before, exitCode != 0);
        // The question lists every item with its size before asking.
        const QByteArray question =
            typed.isNull() ? "" : "These 4 items will be moved to the Trash:\n";
        QVERIFY2(run.err.startsWith(question) && run.err.contains(typed.isNull() ? "--yes" : "") &&
                     run.err.contains(typed.isNull() ? "" : "Move them to Trash? [y/N] ") &&
                     (typed.isNull() || run.err.count(".app") >= 1),
                 run.err);
    }

    void removeAsksAgainWhenTheTrashRefuses_data() {
        QTest::addColumn<QByteArray>("typed"); // both answers; null: --yes --json, no terminal
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no") << QByteArray("y\nn\n") << 1;
        QTest::newRow("yes") << QByteArray("y\ny\n") << 0;
        QTest::newRow("--yes") << QByteArray() << 0;
    }
    // A Trash that takes nothing (a linked Trash folder): its refusals are listed and deleted in
    // place only after a second yes.
    void removeAsksAgainWhenTheTrashRefuses() {
        QFETCH(QByteArray, typed);
        QFETCH(int, exitCode);
        const TestDir elsewhere;
        QVERIFY(QFile::link(elsewhere.path(), m_data->path("Trash")));
        const TypedTerminal terminal(typed);
        if (!typed.isNull() && terminal.name().isEmpty())
            QSKIP("no pseudo-terminal available");

        const CliRun run = typed.isNull() ? CliRun::of(m_remove + QStringList{"--yes", "--json"})
                                          : CliRun::of(m_remove, terminal.name());

        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(snapshotOf(elsewhere.path()), TreeSnapshot());
        for (const QString& item : m_harbor)
            QVERIFY2(QFileInfo::exists(m_dir->path(item)) == (exitCode != 0), qPrintable(item));
        const QByteArray reason =
            "\n    A folder of the Trash is a link; nothing was moved into it.\n";
        QCOMPARE(run.err.contains("The Trash refused these 4 items:\n") &&
                     run.err.contains(reason + "Delete them permanently? [y/N] "),
                 !typed.isNull());
        if (typed.isNull()) {
            const QJsonObject result = QJsonDocument::fromJson(run.out).object();
            QCOMPARE(result["removedPermanently"].toArray().size(), m_harbor.size());
            QCOMPARE(result["trashed"].toArray(), QJsonArray());
        } else {
            QVERIFY2(run.out.contains(exitCode == 0 ? "Removed (" : "Not removed:\n"), run.out);
            QVERIFY2(run.out.endsWith(
                         exitCode == 0 ? "Deleted 4 items permanently (the Trash refused them).\n"
                                       : "Moved 0 items to Trash. 4 items could not be removed.\n"),
                     run.out);
        }
    }

    // Terminated halfway, remove finishes the item in hand, says what went and what did not, and
    // leaves every record in the Trash with its item.
    void removeStopsCleanlyWhenTerminated() {
        constexpr int added = 3000;
        for (int i = 0; i < added; ++i)
            m_dir->createFile("home/Library/Caches/com.quillfield.harbornotes.item" +
                              QString::number(i));
        const auto entries = [this](const QString& folder) {
            return QDir(m_data->path("Trash/" + folder))
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
        };
        QProcess process;
        process.start(TIDEWELL_CLI_PATH, m_remove + QStringList{"--yes"});
        QTRY_VERIFY_WITH_TIMEOUT(entries("files").size() >= 3, 60000);

        process.terminate();

        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QStringList trashed = entries("files"), records = entries("info");
        trashed.sort();
        records.replaceInStrings(".trashinfo", "").sort();
        QCOMPARE(records, trashed);
        const qsizetype left = added + m_harbor.size() - trashed.size();
        QVERIFY2(left > 0, "the removal ran to its end before the signal came");
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const qsizetype cut =
            out.indexOf("Interrupted: " + QString::number(left) + " items were not removed.\n");
        QVERIFY2(cut > 0, qPrintable(out.right(300)));
        for (const QString& name : trashed)
            QVERIFY2(out.first(cut).contains(u'/' + name + u'\n'), qPrintable(name));
        QStringList untouched = out.sliced(cut).split(u'\n').filter(QRegularExpression("^  "));
        QCOMPARE(untouched.size(), left);
        for (const QString& row : untouched)
            QVERIFY2(QFileInfo::exists(row.sliced(row.indexOf(u'/'))), qPrintable(row));
        QVERIFY2(out.endsWith("Moved " + QString::number(trashed.size()) +
                              " items to Trash.\nTo put it back: tidewell-cli undo 1\n"),
                 qPrintable(out.right(300)));
    }

    void scanJsonFlagsEachIncompleteMatch() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        const QStringList leftovers = lockTwoLeftovers(); // partial, locked, whole
        const CliRun run =
            CliRun::of({"scan", "--json", "--no-index", "--root", "root", m_harbor.last()});
        QHash<QString, QJsonObject> matches;
        for (const QJsonValue& match : json(run)["matches"].toArray())
            matches.insert(match["path"].toString(), match.toObject());
        QCOMPARE(matches.size(), 3);
        QCOMPARE(matches[leftovers[2]]["sizeComplete"], QJsonValue(true));
        QCOMPARE(matches[leftovers[0]]["sizeComplete"], QJsonValue(false));
        QCOMPARE(matches[leftovers[1]]["sizeComplete"], QJsonValue(false));
        // What could be read is counted, what could not is not, nor the locked folder's own entry.
        const qint64 partial = matches[leftovers[0]]["sizeInBytes"].toInteger();
        QVERIFY2(partial >= 5000 && partial < 1'600'000, qPrintable(QString::number(partial)));
        QCOMPARE(matches[leftovers[1]]["sizeInBytes"].toInteger(), 0);
    }

    void scanTextSaysAtLeastAndWhy() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        const QStringList leftovers = lockTwoLeftovers();
        const CliRun run = CliRun::of({"scan", "--no-index", "--root", "root", m_harbor.last()});
        const QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
        const auto lineOf = [&lines](const QString& ending) {
            return lines.filter(QRegularExpression(QRegularExpression::escape(ending) + "$"))
                .value(0);
        };
        QVERIFY2(lineOf(leftovers[0]).contains(QRegularExpression("^ *at least [0-9]+ KB  Caches")),
                 run.out);
        QVERIFY(lineOf(leftovers[1])
                    .contains(QRegularExpression("^ *size unknown  Application Support")));
        QVERIFY(!lineOf(leftovers[2]).contains("at least") &&
                !lineOf(leftovers[2]).contains("unknown"));
        QCOMPARE(lines.filter("could not be sized whole"),
                 QStringList("2 items could not be sized whole: some folders inside them could not "
                             "be read."));
        // A category of whole items keeps its plain total.
        QCOMPARE(lines.filter(QRegularExpression("^  Preferences +1 +item +[0-9]+ KB$")).size(), 1);
        QVERIFY(
            lines.last().contains(QRegularExpression("^  Total +3 +items +at least [0-9]+ KB$")));
    }

    void removeTextAndJsonSayAtLeast_data() {
        QTest::addColumn<bool>("json");
        QTest::newRow("text") << false;
        QTest::newRow("json") << true;
    }
    void removeTextAndJsonSayAtLeast() {
        QFETCH(bool, json);
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        const QString partial = lockTwoLeftovers().value(0);
        const CliRun run =
            CliRun::of(m_remove + (json ? QStringList{"--yes", "--json"} : QStringList{"--yes"}));
        // The locked leftover cannot be moved; the others and the bundle go, one not sized whole.
        QCOMPARE(run.exitCode, 1);
        if (json) {
            QCOMPARE(::json(run)["deleted"].toArray().size(), 3);
            QCOMPARE(::json(run)["reclaimedSizeComplete"], QJsonValue(false));
        } else {
            const QString out = QString::fromUtf8(run.out);
            QVERIFY2(out.startsWith("Removed (at least "), run.out);
            QVERIFY(out.contains(QRegularExpression("\n  at least [0-9]+ KB  " +
                                                    QRegularExpression::escape(partial))));
            QVERIFY(out.contains("\n1 item could not be sized whole:"));
        }
    }

    // A shared item is listed once, under the first app of the command that has it.
    void scanListsASharedItemUnderTheFirstApp() {
        const QStringList apps = addInkCopy();
        const CliRun run =
            CliRun::of(QStringList{"scan", "--json", "--no-index", "--root", "root"} + apps);
        QCOMPARE(run.exitCode, 0);
        const QJsonArray scanned = json(run)["apps"].toArray();
        QCOMPARE(scanned.size(), 3);
        QCOMPARE(scanned[1]["app"]["appPath"].toString(), apps[1]);
        QStringList ink;
        for (const QString& leftover : m_ink)
            ink.append(m_dir->path(leftover.section('|', 0, 0)));
        QCOMPARE(pathsOf(scanned[0]["matches"]), ink);
        QCOMPARE(pathsOf(scanned[1]["matches"]), QStringList());
        QStringList harbor = pathsOf(scanned[2]["matches"]);
        harbor.sort();
        QCOMPARE(harbor, (QStringList{m_dir->path(m_harbor[2]), m_dir->path(m_harbor[0]),
                                      m_dir->path(m_harbor[1])}));
    }

    void removeTakesEveryAppAfterOneQuestion_data() {
        QTest::addColumn<QByteArray>("typed"); // the answer; null: --yes, no terminal
        QTest::addColumn<int>("exitCode");
        QTest::newRow("--yes") << QByteArray() << 0;
        QTest::newRow("yes") << QByteArray("y\n") << 0;
        QTest::newRow("no") << QByteArray("n\n") << 1;
    }
    void removeTakesEveryAppAfterOneQuestion() {
        QFETCH(QByteArray, typed);
        QFETCH(int, exitCode);
        const TypedTerminal terminal(typed);
        if (!typed.isNull() && terminal.name().isEmpty())
            QSKIP("no pseudo-terminal available");
        const QStringList apps = addInkCopy();
        const QStringList yes = typed.isNull() ? QStringList{"--yes"} : QStringList{};

        const CliRun run =
            CliRun::of(QStringList{"remove", "--json", "--no-index", "--root", "root"} + yes + apps,
                       typed.isNull() ? QString() : terminal.name());

        QCOMPARE(run.exitCode, exitCode);
        const QString shared = m_dir->path(m_ink[1].section('|', 0, 0));
        QStringList gone = apps + QStringList{shared, m_dir->path(m_ink[2].section('|', 0, 0))};
        for (const QString& leftover : m_harbor.first(3))
            gone.append(m_dir->path(leftover));
        for (const QString& path : gone)
            QVERIFY2(QFileInfo::exists(path) == (exitCode != 0), qPrintable(path));
        if (!typed.isNull()) // one question names every app and lists their items
            QVERIFY2(run.err.count("Move them to Trash?") == 1 && run.err.contains("Ink (") &&
                         run.err.contains("Harbor Notes (") &&
                         run.err.contains(gone.last().toUtf8()),
                     run.err);
        if (exitCode != 0)
            return;
        QStringList trashed;
        for (const QJsonValue& app : json(run)["apps"].toArray())
            trashed += pathsOf(app["trashed"]);
        QCOMPARE(trashed.count(shared), 1);
        for (const QString& path : gone)
            QVERIFY2(trashed.contains(path), qPrintable(path));
        QCOMPARE(QDir(m_data->path("Trash/files")).count() - 2, uint(gone.size()));
    }

    // remove, history and undo as scripts use them: their JSON and exit codes, and the library
    // put back exactly as it was, links and empty folders included.
    void removalsAreListedAndPutBack() {
        m_dir->createDirectory(m_harbor[2] + "/Empty");
        const TreeSnapshot before = snapshotOf(m_dir->path());
        const CliRun removed = CliRun::of(m_remove + QStringList{"--yes", "--json"});
        QCOMPARE(removed.exitCode, 0);
        const QJsonObject result = json(removed);
        QCOMPARE(result["journalId"].toInteger(), 1);
        QCOMPARE(result["deleted"].toArray().size(), m_harbor.size());
        QCOMPARE(result["deleted"].toArray().last(), m_dir->path(m_harbor.last())); // bundle last
        QCOMPARE(result["failures"].toArray(), QJsonArray());
        // The Trash took them all, so nothing counts as removed in place.
        QCOMPARE(result["trashed"].toArray(), result["deleted"].toArray());
        QCOMPARE(result["removedPermanently"].toArray(), QJsonArray());
        QVERIFY2(result["reclaimedBytes"].toInteger() >= 25000, removed.out); // what was written

        const QJsonObject listed = json(CliRun::of({"history", "--json"}));
        QCOMPARE(listed["removals"].toArray().size(), 1);
        QJsonObject removal = listed["removals"][0].toObject();
        const QDateTime date = QDateTime::fromString(removal.take("date").toString(), Qt::ISODate);
        QVERIFY(qAbs(date.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        const QJsonObject app{{"displayName", "Harbor Notes"},
                              {"appPath", m_dir->path(m_harbor.last())},
                              {"kind", "bundle"}};
        QCOMPARE(removal, (QJsonObject{{"id", 1},
                                       {"app", app},
                                       {"trashed", 4},
                                       {"removedPermanently", 0},
                                       {"failed", 0},
                                       {"bytes", json(removed)["reclaimedBytes"]},
                                       {"sizeComplete", true},
                                       {"undoable", true}}));

        const CliRun undone = CliRun::of({"undo", "--json", "--yes"});
        QCOMPARE(undone.exitCode, 0);
        QCOMPARE(json(undone), (QJsonObject{{"id", 1},
                                            {"restored", json(removed)["deleted"]},
                                            {"conflicts", QJsonArray()},
                                            {"gone", QJsonArray()},
                                            {"notRestorable", QJsonArray()},
                                            {"failures", QJsonArray()}}));
        QCOMPARE(snapshotOf(m_dir->path()), before);
        QVERIFY(!json(CliRun::of({"history", "--json"}))["removals"][0]["undoable"].toBool());

        const CliRun again = CliRun::of({"undo", "1", "--json", "--yes"});
        QCOMPARE(again.exitCode, 1);
        QCOMPARE(json(again)["gone"], json(removed)["deleted"]);
    }

    void removalNeedsAJournalUnlessToldOtherwise_data() {
        QTest::addColumn<bool>("withoutJournal");
        QTest::newRow("journal asked for") << false;
        QTest::newRow("--no-journal") << true;
    }
    // A removal that could not be undone must not look as if it could: it does not start.
    void removalNeedsAJournalUnlessToldOtherwise() {
        QFETCH(bool, withoutJournal);
        m_data->createFile("state", "a file where the state folder would be");
        const QStringList option = withoutJournal ? QStringList{"--no-journal"} : QStringList{};

        const CliRun run = CliRun::of(m_remove + QStringList{"--yes"} + option);

        QCOMPARE(run.exitCode, withoutJournal ? 0 : 1);
        QCOMPARE(QFileInfo::exists(m_harbor.last()), !withoutJournal);
        QCOMPARE(run.err.contains("Pass --no-journal"), !withoutJournal);
        QCOMPARE(run.out.contains("tidewell-cli undo"), false);
    }

private:
    // Two leftovers the command line cannot read whole: one with a locked folder inside, one
    // locked itself. Their sizes say so, and so do the totals that hold them. Returns them
    // and then the leftover read whole.
    QStringList lockTwoLeftovers() {
        m_dir->createFileOfSize(m_harbor[0] + "/locked/big.bin", 1'600'000);
        m_dir->setMode(m_harbor[0] + "/locked", 0);
        m_dir->createFileOfSize(m_harbor[2] + "/notes.sqlite", 200'000);
        m_dir->setMode(m_harbor[2], 0);
        return {m_dir->path(m_harbor[0]), m_dir->path(m_harbor[2]), m_dir->path(m_harbor[1])};
    }

    // A copy of Ink in the home, which finds the same leftovers as Ink; returns the apps of the
    // library after it: the copy, Ink and Harbor Notes.
    QStringList addInkCopy() {
        return {m_dir->createAppBundle(
                    "home/Applications/Ink Writer.app",
                    {{"CFBundleIdentifier", "io.inkwell.writer"}, {"CFBundleName", "Ink"}}),
                m_dir->path("root/Applications/Ink Writer.app"), m_dir->path(m_harbor.last())};
    }

    std::unique_ptr<TestDir> m_dir, m_data; // the library, and the user's data with the Trash
    QStringList m_harbor;                   // the leftovers of one app, then its bundle
    QStringList m_remove;                   // the command that removes that app
    // The other app's leftovers, largest first: path|category|safety|selected|evidence code.
    QStringList m_ink;
};

QTEST_GUILESS_MAIN(TestCliScanAndRemove)
#include "TestCliScanAndRemove.moc"
