#include "CliRun.h"
#include "TestDir.h"
#include "Unprivileged.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

// Leftovers the command line cannot read whole: one with a locked folder inside, one locked
// itself. Their sizes say so, and so do the totals that hold them.
class TestCliUnreadableSizes : public QObject {
    Q_OBJECT

private slots:
    void init();
    void scanJsonFlagsEachIncompleteMatch();
    void scanTextSaysAtLeastAndWhy();
    void removeTextAndJsonSayAtLeast_data();
    void removeTextAndJsonSayAtLeast();

private:
    QString bundle() const { return m_dir->path("home/Applications/Harbor Notes.app"); }
    QStringList scan(const QStringList& options) const;

    std::unique_ptr<TestDir> m_dir, m_data; // the library, and the user's data with the Trash
    QString m_partial, m_locked, m_whole;   // the three leftovers
};

void TestCliUnreadableSizes::init() {
    TIDEWELL_REQUIRE_UNPRIVILEGED();
    m_dir = std::make_unique<TestDir>();
    m_data = std::make_unique<TestDir>();
    qputenv("HOME", QFile::encodeName(m_dir->path("home")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
    m_dir->createDirectory("root");
    m_dir->createAppBundle(
        "home/Applications/Harbor Notes.app",
        {{"CFBundleIdentifier", "com.quillfield.harbornotes"}, {"CFBundleName", "Harbor Notes"}});
    const QString caches = "home/Library/Caches/com.quillfield.harbornotes";
    m_partial = m_dir->path(caches);
    m_dir->createFileOfSize(caches + "/Cache.db", 5000);
    m_dir->createFileOfSize(caches + "/locked/big.bin", 1'600'000);
    m_dir->setMode(caches + "/locked", 0);
    m_locked = m_dir->path("home/Library/Application Support/Harbor Notes");
    m_dir->createFileOfSize("home/Library/Application Support/Harbor Notes/notes.sqlite", 200'000);
    m_dir->setMode("home/Library/Application Support/Harbor Notes", 0);
    m_whole = m_dir->createPlist("home/Library/Preferences/com.quillfield.harbornotes.plist",
                                 {{"NSWindow Frame", "0 0 800 600"}});
}

QStringList TestCliUnreadableSizes::scan(const QStringList& options) const {
    const CliRun run = CliRun::of(QStringList{"scan", "--no-index", "--root", m_dir->path("root")} +
                                  options + QStringList{bundle()});
    if (run.exitCode != 0)
        qWarning("%s", run.err.constData());
    return QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
}

void TestCliUnreadableSizes::scanJsonFlagsEachIncompleteMatch() {
    const QJsonObject scanned =
        QJsonDocument::fromJson(scan({"--json"}).join(u'\n').toUtf8()).object();
    QHash<QString, QJsonObject> matches;
    for (const QJsonValue& match : scanned["matches"].toArray())
        matches.insert(match["path"].toString(), match.toObject());
    QCOMPARE(matches.size(), 3);
    QCOMPARE(matches[m_whole]["sizeComplete"], QJsonValue(true));
    QCOMPARE(matches[m_partial]["sizeComplete"], QJsonValue(false));
    QCOMPARE(matches[m_locked]["sizeComplete"], QJsonValue(false));
    // What could be read is counted, what could not is not, nor the locked folder's own entry.
    const qint64 partial = matches[m_partial]["sizeInBytes"].toInteger();
    QVERIFY2(partial >= 5000 && partial < 1'600'000, qPrintable(QString::number(partial)));
    QCOMPARE(matches[m_locked]["sizeInBytes"].toInteger(), 0);
}

void TestCliUnreadableSizes::scanTextSaysAtLeastAndWhy() {
    const QStringList lines = scan({});
    const auto lineOf = [&lines](const QString& ending) {
        return lines.filter(QRegularExpression(QRegularExpression::escape(ending) + "$")).value(0);
    };
    QVERIFY2(lineOf(m_partial).contains(QRegularExpression("^ *at least [0-9]+ KB  Caches")),
             qPrintable(lines.join(u'\n')));
    QVERIFY(lineOf(m_locked).contains(QRegularExpression("^ *size unknown  Application Support")));
    QVERIFY(!lineOf(m_whole).contains("at least") && !lineOf(m_whole).contains("unknown"));
    QCOMPARE(lines.filter("could not be sized whole"),
             QStringList("2 items could not be sized whole: some folders inside them could not "
                         "be read."));
    // A category of whole items keeps its plain total.
    QCOMPARE(lines.filter(QRegularExpression("^  Preferences +1 +item +[0-9]+ KB$")).size(), 1);
    QVERIFY(lines.last().contains(QRegularExpression("^  Total +3 +items +at least [0-9]+ KB$")));
}

void TestCliUnreadableSizes::removeTextAndJsonSayAtLeast_data() {
    QTest::addColumn<bool>("json");
    QTest::newRow("text") << false;
    QTest::newRow("json") << true;
}

void TestCliUnreadableSizes::removeTextAndJsonSayAtLeast() {
    QFETCH(bool, json);
    const QStringList options = json ? QStringList{"--yes", "--json"} : QStringList{"--yes"};
    const CliRun run =
        CliRun::of(QStringList{"remove", "--no-index", "--root", m_dir->path("root")} + options +
                   QStringList{bundle()});
    // The locked leftover cannot be moved; the others and the bundle go, one not sized whole.
    QCOMPARE(run.exitCode, 1);
    if (json) {
        const QJsonObject removed = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(removed["deleted"].toArray().size(), 3);
        QCOMPARE(removed["reclaimedSizeComplete"], QJsonValue(false));
    } else {
        const QString out = QString::fromUtf8(run.out);
        QVERIFY2(out.startsWith("Removed (at least "), run.out);
        QVERIFY(out.contains(QRegularExpression("\n  at least [0-9]+ KB  " +
                                                QRegularExpression::escape(m_partial))));
        QVERIFY(out.contains("\n1 item could not be sized whole:"));
    }
}

QTEST_GUILESS_MAIN(TestCliUnreadableSizes)
#include "TestCliUnreadableSizes.moc"
