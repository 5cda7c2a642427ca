#include "TestDir.h"
#include "removal/FileDeletionService.h"
#include "removal/RemovalJournal.h"

#include <QFile>
#include <QTest>
#include <QtConcurrent/QtConcurrentRun>

using namespace tidewell;

namespace {

using Outcome = RemovalRecord::Outcome;

const TrashEntry trashEntry{"/data/Trash/files/a", "/data/Trash/info/a.trashinfo", "/h/a",
                            "2024-05-01T12:30:45"};

// A removal of three items with a package manager's uninstall.
RemovalRecord sampleRemoval() {
    return {7,
            QDateTime(QDate(2024, 5, 1), QTime(12, 30, 45, 120), Qt::UTC),
            {"Harbor Notes", "/h/Apps/Harbor Notes.app", "bundle"},
            {{"/h/a", {100, true}}, {"/h/b", {200, false}}, {"/h/\"c\\\nd", {300, true}}}};
}

// The entry of sampleRemoval after its outcomes.
QByteArray sampleEntry() {
    return sampleRemoval().headerLine() +
           RemovalRecord::outcomeLine({"/h/a", {}, Outcome::trashed, trashEntry}) +
           RemovalRecord::outcomeLine({"/h/b", {}, Outcome::failed, {}, "Permission denied."}) +
           RemovalRecord::outcomeLine({"/h/\"c\\\nd", {}, Outcome::removedPermanently}) +
           RemovalRecord::packageRunLine({"flatpak uninstall -- org.x", 3});
}

} // namespace

// The journal's lines, read back whole or up to the last good one, and its folder: numbering,
// the last hundred removals, two writers at once and a folder that cannot be written.
class TestRemovalJournal : public QObject {
    Q_OBJECT

private slots:
    void readsBackWhatWasWritten() {
        const std::optional<RemovalRecord> read = RemovalRecord::parse(sampleEntry());
        QVERIFY(read);
        RemovalRecord expected = sampleRemoval();
        expected.items[0].outcome = Outcome::trashed;
        expected.items[0].trashEntry = trashEntry;
        expected.items[1].outcome = Outcome::failed;
        expected.items[1].reason = "Permission denied.";
        expected.items[2].outcome = Outcome::removedPermanently;
        QCOMPARE(read->id, expected.id);
        QCOMPARE(read->date, expected.date);
        QCOMPARE(read->subject, expected.subject);
        QCOMPARE(read->items, expected.items);
        QCOMPARE(read->packageRuns, (QList<RemovalRecord::PackageRun>{{"flatpak uninstall -- "
                                                                       "org.x",
                                                                       3}}));
        QCOMPARE(read->unreadLines, 0);
        QCOMPARE(read->removedSize(), (MeasuredSize{400, true}));
    }

    void damagedEntriesAreReadUpToTheLastGoodRecord_data() {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<int>("unreadLines");   // of the five lines after the header
        QTest::addColumn<bool>("outcomesRead"); // all three, or none
        const QList<QByteArray> lines = sampleEntry().split('\n');
        QTest::newRow("cut short in its last line")
            << QByteArray(sampleEntry().chopped(9)) << 1 << true;
        QByteArray garbled = sampleEntry();
        garbled.insert(lines[0].size() + 1, "{\"record\":\"item\",\"pa\x01\n");
        QTest::newRow("a line of garbage") << garbled << 5 << false;
        QByteArray unknown = sampleEntry();
        unknown.insert(lines[0].size() + 1,
                       RemovalRecord::outcomeLine({"/h/elsewhere", {}, Outcome::gone}));
        QTest::newRow("an item the removal did not hold") << unknown << 5 << false;
        QByteArray entryless = sampleEntry();
        entryless.insert(lines[0].size() + 1,
                         RemovalRecord::outcomeLine({"/h/a", {}, Outcome::trashed}));
        QTest::newRow("trashed to nowhere") << entryless << 5 << false;
    }

    // Never a crash, never a guess: what follows a bad line is left out and counted.
    void damagedEntriesAreReadUpToTheLastGoodRecord() {
        QFETCH(QByteArray, damage);
        QFETCH(int, unreadLines);
        QFETCH(bool, outcomesRead);
        const std::optional<RemovalRecord> read = RemovalRecord::parse(damage);
        QVERIFY(read);
        QCOMPARE(int(read->unreadLines), unreadLines);
        QCOMPARE(read->items[0].outcome, outcomesRead ? Outcome::trashed : Outcome::pending);
        QCOMPARE(read->items[2].outcome,
                 outcomesRead ? Outcome::removedPermanently : Outcome::pending);
        QVERIFY(read->packageRuns.isEmpty());
        QVERIFY(!RemovalRecord::parse("not a journal\n") && !RemovalRecord::parse({}));
    }

    // Numbered in order, newest first, the oldest gone past the last hundred; entries begun at
    // once from many threads each get a number of their own.
    void keepsTheLastHundredRemovalsNumberedInOrder() {
        TestDir dir;
        const RemovalJournal journal(dir.path("state/tidewell"));
        QList<QFuture<qint64>> begun;
        for (int thread = 0; thread < 6; ++thread)
            begun.append(QtConcurrent::run([&journal] {
                qint64 last = 0;
                for (int removal = 0; removal < 17; ++removal) {
                    auto entry = journal.begin(sampleRemoval());
                    last = std::holds_alternative<JournalEntry>(entry)
                               ? std::get<JournalEntry>(entry).id()
                               : -1;
                }
                return last;
            }));
        for (QFuture<qint64>& future : begun)
            QVERIFY(future.result() > 0);
        qsizetype unreadable = -1;
        QList<qint64> ids;
        for (const RemovalRecord& removal : journal.readAll(&unreadable))
            ids.append(removal.id);
        QCOMPARE(unreadable, 0);
        QCOMPARE(ids.size(), RemovalJournal::keptRemovals);
        QCOMPARE(ids.first(), 102);
        QCOMPARE(ids.last(), 3);
        QVERIFY(std::is_sorted(ids.rbegin(), ids.rend()));
        QVERIFY(!journal.read(2) && journal.read(3));
        QVERIFY((QFile::permissions(dir.path("state/tidewell")) & QFile::ReadGroup) == 0);
    }

    // A removal that could not be undone must not look as if it could: it does not start.
    void refusesToRemoveWhenTheJournalCannotBeWritten() {
        TestDir dir;
        const QString item = dir.createFile("library/item", "kept");
        dir.createFile("state", "a file where the journal's folder would go");
        FileDeletionService service(Host::withDefaults(dir.path("home")), FileSystem::real(),
                                    std::make_shared<RemovalJournal>(dir.path("state/tidewell")));

        const DeletionReport report =
            service.deleteItems({{{QUrl::fromLocalFile(item), {4}}}, {{dir.path()}, {}}, {}})
                .result();

        QVERIFY2(report.journalFailure.startsWith("Nothing was removed: "),
                 qPrintable(report.journalFailure));
        QVERIFY(report.journalFailure.contains(dir.path("state/tidewell")));
        QCOMPARE(report.notAttempted, QList<QUrl>{QUrl::fromLocalFile(item)});
        QVERIFY(report.deleted.isEmpty() && report.journalId == 0 && QFile::exists(item));
    }
};

QTEST_GUILESS_MAIN(TestRemovalJournal)
#include "TestRemovalJournal.moc"
