#include "TestDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <utility>

#include <sys/stat.h>

namespace {

// Bytes the file system allocated to the item itself.
qint64 allocated(const QString& path) {
    struct stat values {};
    return ::stat(QFile::encodeName(path).constData(), &values) == 0
               ? qint64(values.st_blocks) * 512
               : -1;
}

struct Leftover {
    QString relative; // below the test folder
    QString category;
    QString safety;
    QString file; // relative to the leftover when it is a folder holding one file
    qint64 fileSize;
};

} // namespace

class TestCliScan : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsOnlyTheAppsOwnLeftoversAsJson_data();
    void listsOnlyTheAppsOwnLeftoversAsJson();
    void printsATableWithTotals();
    void exitCodes_data();
    void exitCodes();

private:
    // Runs tidewell-cli scan with the fixture's home: exit code (-1 when it crashed) and stdout.
    std::pair<int, QByteArray> scan(const QStringList& arguments);
    QJsonObject expectedMatch(const Leftover& leftover) const;

    TestDir m_dir;
    QList<Leftover> m_harbor, m_ink;
};

void TestCliScan::initTestCase() {
    m_dir.createAppBundle(
        "root/Applications/Harbor Notes.app",
        {{"CFBundleIdentifier", "com.quillfield.harbor-notes"}, {"CFBundleName", "Harbor Notes"}});
    m_dir.createAppBundle(
        "root/Applications/Ink Writer.app",
        {{"CFBundleIdentifier", "io.inkwell.writer"}, {"CFBundleName", "Ink Writer"}});
    // Sizes keep the expected order free of ties on any block size up to 4 KB.
    m_harbor = {
        {"home/Library/Caches/com.quillfield.harbor-notes", "Caches", "Safe", "Cache.db", 20000},
        {"home/Library/Application Support/Harbor Notes", "Application Support", "Optional",
         "notes.db", 10000},
        {"root/Library/Logs/Harbor Notes.log", "Logs", "Safe", "", 5000},
        {"home/Library/Preferences/com.quillfield.harbor-notes.plist", "Preferences", "Safe", "",
         500},
    };
    m_ink = {
        {"home/Library/Application Support/Ink Writer", "Application Support", "Optional",
         "Drafts/draft.txt", 30000},
        {"home/Library/Preferences/io.inkwell.writer", "Preferences", "Optional", "", 700},
    };
    for (const Leftover& leftover : m_harbor + m_ink) {
        const QString path =
            leftover.file.isEmpty() ? leftover.relative : leftover.relative + '/' + leftover.file;
        m_dir.createFileOfSize(path, leftover.fileSize);
    }
    m_dir.createFileOfSize("home/Library/Caches/com.other.tool/harbor.db", 100);
    m_dir.createDirectory("home/Library/Mail/Harbor Notes");
}

std::pair<int, QByteArray> TestCliScan::scan(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", m_dir.path("home"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_dir.path());
    process.start(TIDEWELL_CLI_PATH, QStringList{"scan"} + arguments);
    const bool exited =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, process.readAllStandardOutput()};
}

QJsonObject TestCliScan::expectedMatch(const Leftover& leftover) const {
    const QString path = m_dir.path(leftover.relative);
    qint64 size = allocated(path);
    if (!leftover.file.isEmpty())
        size = std::max(size, allocated(path + '/' + leftover.file));
    return {{"path", path},
            {"category", leftover.category},
            {"safety", leftover.safety},
            {"sizeInBytes", size}};
}

void TestCliScan::listsOnlyTheAppsOwnLeftoversAsJson_data() {
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<bool>("isHarbor");
    QTest::newRow("Harbor Notes") << "root/Applications/Harbor Notes.app" << true;
    QTest::newRow("Ink Writer") << "root/Applications/Ink Writer.app" << false;
}

void TestCliScan::listsOnlyTheAppsOwnLeftoversAsJson() {
    QFETCH(QString, bundle);
    QFETCH(bool, isHarbor);
    // Relative paths name the same folders as absolute ones.
    const auto [exitCode, out] = scan({"--json", "--no-index", "--root", "root", bundle});
    QCOMPARE(exitCode, 0);
    QJsonObject scanned = QJsonDocument::fromJson(out).object();
    QCOMPARE(scanned.keys(), QStringList({"app", "matches", "permissionDeniedPaths"}));
    QCOMPARE(scanned.take("permissionDeniedPaths").toArray(), QJsonArray());

    QJsonArray expected;
    for (const Leftover& leftover : isHarbor ? m_harbor : m_ink)
        expected.append(expectedMatch(leftover));
    QCOMPARE(scanned.take("matches").toArray(), expected);

    QProcess describe;
    describe.start(TIDEWELL_CLI_PATH, {"describe", "--json", m_dir.path(bundle)});
    QVERIFY(describe.waitForFinished(30000));
    QCOMPARE(scanned.take("app").toObject(),
             QJsonDocument::fromJson(describe.readAllStandardOutput()).object());
}

void TestCliScan::printsATableWithTotals() {
    const QString out = QString::fromUtf8(
        scan({"--no-index", "--root", "root", "root/Applications/Harbor Notes.app"}).second);
    for (const Leftover& leftover : m_harbor) {
        const QString row = out.split('\n').filter(m_dir.path(leftover.relative)).value(0);
        QVERIFY2(row.contains(leftover.category) && row.contains(leftover.safety), qPrintable(out));
    }
    QVERIFY2(out.contains(QRegularExpression(R"(\n +Total +4 +items +\S)")), qPrintable(out));
    QVERIFY2(out.contains(QRegularExpression(R"(\n +Caches +1 +item +\S)")), qPrintable(out));
}

void TestCliScan::exitCodes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no bundle") << QStringList{"--json"} << 2;
    QTest::newRow("root is not a folder")
        << QStringList{"--root", "/nonexistent/root", "x.app"} << 2;
    QTest::newRow("not a bundle") << QStringList{"--no-index", "/nonexistent/Thing.app"} << 3;
}

void TestCliScan::exitCodes() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QCOMPARE(scan(arguments), std::make_pair(exitCode, QByteArray()));
}

QTEST_GUILESS_MAIN(TestCliScan)
#include "TestCliScan.moc"
