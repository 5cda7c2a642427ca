#include "CliRun.h"
#include "TestDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <sys/stat.h>

class TestCliScan : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsOnlyTheAppsOwnLeftoversAsJson_data();
    void listsOnlyTheAppsOwnLeftoversAsJson();

private:
    TestDir m_dir;
};

void TestCliScan::initTestCase() {
    qputenv("HOME", QFile::encodeName(m_dir.path("home")));
    QDir::setCurrent(m_dir.path()); // relative paths name the same folders as absolute ones
    m_dir.createFileOfSize("home/Library/Caches/com.other.tool/harbor.db", 100);
    m_dir.createDirectory("home/Library/Mail/Harbor Notes");
}

void TestCliScan::listsOnlyTheAppsOwnLeftoversAsJson_data() {
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QStringList>("leftovers"); // path|category|safety, as listed
    // Both apps are there for either scan. Largest first: sizes 10 KB apart leave no ties.
    const auto app = [this](const QString& name, const QString& id, const QStringList& leftovers) {
        const QString bundle = "root/Applications/" + name + ".app";
        m_dir.createAppBundle(bundle, {{"CFBundleIdentifier", id}, {"CFBundleName", name}});
        for (qsizetype i = 0; i < leftovers.size(); ++i)
            m_dir.createFileOfSize(leftovers[i].section('|', 0, 0), (5 - i) * 10000);
        QTest::newRow(qPrintable(name)) << bundle << leftovers;
    };
    app("Harbor Notes", "com.quillfield.harbor-notes",
        {"home/Library/Caches/com.quillfield.harbor-notes|Caches|Safe",
         "home/Library/Application Support/Harbor Notes|Application Support|Optional",
         "root/Library/Logs/Harbor Notes.log|Logs|Safe",
         "home/Library/Preferences/com.quillfield.harbor-notes.plist|Preferences|Safe"});
    app("Ink Writer", "io.inkwell.writer",
        {"home/Library/Application Support/Ink Writer|Application Support|Optional",
         "home/Library/Preferences/io.inkwell.writer|Preferences|Optional"});
}

void TestCliScan::listsOnlyTheAppsOwnLeftoversAsJson() {
    QFETCH(QString, bundle);
    QFETCH(QStringList, leftovers);
    const CliRun run = CliRun::of({"scan", "--json", "--no-index", "--root", "root", bundle});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject scanned = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(scanned.keys(), QStringList({"app", "matches", "permissionDeniedPaths"}));
    QCOMPARE(scanned["permissionDeniedPaths"].toArray(), QJsonArray());
    const CliRun described = CliRun::of({"describe", "--json", m_dir.path(bundle)});
    QCOMPARE(scanned["app"], QJsonDocument::fromJson(described.out).object());
    QJsonArray expected;
    for (const QString& leftover : leftovers) {
        const QString path = m_dir.path(leftover.section('|', 0, 0));
        struct stat values {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &values), 0);
        expected.append(QJsonObject{{"path", path},
                                    {"category", leftover.section('|', 1, 1)},
                                    {"safety", leftover.section('|', 2, 2)},
                                    {"sizeInBytes", qint64(values.st_blocks) * 512}});
    }
    QCOMPARE(scanned["matches"].toArray(), expected);
}

QTEST_GUILESS_MAIN(TestCliScan)
#include "TestCliScan.moc"
