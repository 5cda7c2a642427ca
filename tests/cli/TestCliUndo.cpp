#include "CliRun.h"
#include "TestDir.h"
#include "TreeSnapshot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// history and undo as scripts use them: their JSON, their exit codes, and a removal refused
// when it could not be undone.
class TestCliUndo : public QObject {
    Q_OBJECT

    QJsonObject json(const CliRun& run) { return QJsonDocument::fromJson(run.out).object(); }

    std::unique_ptr<TestDir> m_dir;
    QString m_bundle, m_root;

private slots:
    void init() {
        m_dir = std::make_unique<TestDir>();
        qputenv("HOME", QFile::encodeName(m_dir->path("home")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->path("data")));
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_dir->path("state")));
        m_root = m_dir->createDirectory("root");
        m_bundle = m_dir->createAppBundle(
            "home/Applications/Harbor Notes.app",
            {{"CFBundleIdentifier", "com.quillfield.harbornotes"}, {"CFBundleName", "Harbor"}});
        m_dir->createFileOfSize("home/Library/Caches/com.quillfield.harbornotes/Cache.db", 5000);
        m_dir->createSymlink("home/Library/Caches/com.quillfield.harbornotes/current", "Cache.db");
        m_dir->createDirectory("home/Library/Application Support/Harbor Notes/Empty");
    }

    void removalsAreListedAndPutBack() {
        const TreeSnapshot before = snapshotOf(m_dir->path("home"));
        const CliRun removed =
            CliRun::of({"remove", "--yes", "--json", "--no-index", "--root", m_root, m_bundle});
        QCOMPARE(removed.exitCode, 0);
        QCOMPARE(json(removed)["journalId"].toInteger(), 1);

        const QJsonObject listed = json(CliRun::of({"history", "--json"}));
        QCOMPARE(listed["removals"].toArray().size(), 1);
        QJsonObject removal = listed["removals"][0].toObject();
        const QDateTime date = QDateTime::fromString(removal.take("date").toString(), Qt::ISODate);
        QVERIFY(qAbs(date.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        const QJsonObject expected{
            {"id", 1},
            {"app",
             QJsonObject{{"displayName", "Harbor"}, {"appPath", m_bundle}, {"kind", "bundle"}}},
            {"trashed", 3},
            {"removedPermanently", 0},
            {"failed", 0},
            {"bytes", json(removed)["reclaimedBytes"]},
            {"sizeComplete", true},
            {"undoable", true}};
        QCOMPARE(removal, expected);

        const CliRun undone = CliRun::of({"undo", "--json", "--yes"});
        QCOMPARE(undone.exitCode, 0);
        QCOMPARE(json(undone), (QJsonObject{{"id", 1},
                                            {"restored", json(removed)["deleted"]},
                                            {"conflicts", QJsonArray()},
                                            {"gone", QJsonArray()},
                                            {"notRestorable", QJsonArray()},
                                            {"failures", QJsonArray()}}));
        QCOMPARE(snapshotOf(m_dir->path("home")), before);
        QVERIFY(!json(CliRun::of({"history", "--json"}))["removals"][0]["undoable"].toBool());

        const CliRun again = CliRun::of({"undo", "1", "--json", "--yes"});
        QCOMPARE(again.exitCode, 1);
        QCOMPARE(json(again)["gone"], json(removed)["deleted"]);
    }

    void wrongArgumentsAndNothingToUndo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("unknown id") << QStringList{"undo", "9", "--yes"} << 2;
        QTest::newRow("not an id") << QStringList{"undo", "latest", "--yes"} << 2;
        QTest::newRow("two ids") << QStringList{"undo", "1", "2", "--yes"} << 2;
        QTest::newRow("no terminal to ask on") << QStringList{"undo"} << 2;
        QTest::newRow("history with an argument") << QStringList{"history", "1"} << 2;
        QTest::newRow("nothing recorded") << QStringList{"undo", "--yes"} << 1;
    }

    void wrongArgumentsAndNothingToUndo() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const CliRun run = CliRun::of(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(!run.err.isEmpty() && run.out.isEmpty(), run.out);
    }

    void removalNeedsAJournalUnlessToldOtherwise_data() {
        QTest::addColumn<bool>("withoutJournal");
        QTest::newRow("journal asked for") << false;
        QTest::newRow("--no-journal") << true;
    }

    void removalNeedsAJournalUnlessToldOtherwise() {
        QFETCH(bool, withoutJournal);
        m_dir->createFile("state", "a file where the state folder would be");
        QStringList arguments{"remove", "--yes", "--no-index", "--root", m_root, m_bundle};
        if (withoutJournal)
            arguments.append("--no-journal");

        const CliRun run = CliRun::of(arguments);

        QCOMPARE(run.exitCode, withoutJournal ? 0 : 1);
        QCOMPARE(QFileInfo::exists(m_bundle), !withoutJournal);
        QCOMPARE(run.err.contains("Pass --no-journal"), !withoutJournal);
        QCOMPARE(run.out.contains("tidewell-cli undo"), false);
    }
};

QTEST_GUILESS_MAIN(TestCliUndo)
#include "TestCliUndo.moc"
