#include "CliRun.h"
#include "TestDir.h"
#include "TypedTerminal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QStringList pathsOf(const QJsonValue& list) {
    QStringList paths;
    for (const QJsonValue& item : list.toArray())
        paths.append(item.isObject() ? item["path"].toString() : item.toString());
    return paths;
}

} // namespace

// Several apps in one command: two copies of one app share their leftovers, and a third app has
// its own. A shared item is listed and removed once, under the first app that has it.
class TestCliManyApps : public QObject {
    Q_OBJECT

private slots:
    void init();
    void scanListsASharedItemUnderTheFirstApp();
    void removeTakesEveryAppAfterOneQuestion_data();
    void removeTakesEveryAppAfterOneQuestion();

private:
    std::unique_ptr<TestDir> m_dir, m_data;
    QStringList m_apps;   // the bundles: a copy of Ink, Ink itself, and Harbor Notes
    QString m_shared;     // Ink's leftover, which both copies find
    QString m_harborItem; // Harbor Notes' own leftover
};

void TestCliManyApps::init() {
    m_dir = std::make_unique<TestDir>();
    m_data = std::make_unique<TestDir>();
    m_apps.clear();
    qputenv("HOME", QFile::encodeName(m_dir->path("home")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
    for (const char* copy : {"home/Applications/Ink Old.app", "root/Applications/Ink.app"})
        m_apps.append(m_dir->createAppBundle(
            copy, {{"CFBundleIdentifier", "io.inkwell.writer"}, {"CFBundleName", "Ink"}}));
    m_apps.append(m_dir->createAppBundle(
        "root/Applications/Harbor Notes.app",
        {{"CFBundleIdentifier", "com.quillfield.harbornotes"}, {"CFBundleName", "Harbor Notes"}}));
    m_shared = m_dir->createFile("home/Library/Caches/io.inkwell.writer/cache.db");
    m_shared.chop(QStringLiteral("/cache.db").size());
    m_harborItem = m_dir->createFile("home/Library/Preferences/com.quillfield.harbornotes.plist");
}

void TestCliManyApps::scanListsASharedItemUnderTheFirstApp() {
    const QStringList scan{"scan", "--json", "--no-index", "--root", m_dir->path("root")};

    const CliRun alone = CliRun::of(scan + QStringList{m_apps[1]});
    const CliRun all = CliRun::of(scan + m_apps);

    QCOMPARE(alone.exitCode, 0);
    QCOMPARE(all.exitCode, 0);
    // One app keeps the document it always had.
    QVERIFY(pathsOf(QJsonDocument::fromJson(alone.out)["matches"]).contains(m_shared));
    const QJsonArray apps = QJsonDocument::fromJson(all.out)["apps"].toArray();
    QCOMPARE(apps.size(), 3);
    QCOMPARE(apps[1]["app"]["appPath"].toString(), m_apps[1]);
    QVERIFY(pathsOf(apps[0]["matches"]).contains(m_shared));
    QVERIFY(!pathsOf(apps[1]["matches"]).contains(m_shared));
    QCOMPARE(pathsOf(apps[2]["matches"]), QStringList{m_harborItem});
}

void TestCliManyApps::removeTakesEveryAppAfterOneQuestion_data() {
    QTest::addColumn<QByteArray>("typed"); // the answer; null: --yes, no terminal
    QTest::addColumn<int>("exitCode");
    QTest::newRow("--yes") << QByteArray() << 0;
    QTest::newRow("yes") << QByteArray("y\n") << 0;
    QTest::newRow("no") << QByteArray("n\n") << 1;
}

void TestCliManyApps::removeTakesEveryAppAfterOneQuestion() {
    QFETCH(QByteArray, typed);
    QFETCH(int, exitCode);
    const TypedTerminal terminal(typed);
    if (!typed.isNull() && terminal.name().isEmpty())
        QSKIP("no pseudo-terminal available");
    QStringList remove{"remove", "--json", "--no-index", "--root", m_dir->path("root")};
    if (typed.isNull())
        remove.append("--yes");

    const CliRun run = CliRun::of(remove + m_apps, typed.isNull() ? QString() : terminal.name());

    QCOMPARE(run.exitCode, exitCode);
    const QStringList gone{m_shared, m_harborItem, m_apps[0], m_apps[1], m_apps[2]};
    for (const QString& path : gone)
        QCOMPARE(QFileInfo::exists(path), exitCode != 0);
    if (!typed.isNull()) // one question names every app and lists their items
        QVERIFY2(run.err.count("Move them to Trash?") == 1 && run.err.contains("Ink (") &&
                     run.err.contains("Harbor Notes (") && run.err.contains(m_harborItem.toUtf8()),
                 run.err);
    if (exitCode != 0)
        return;
    QStringList trashed;
    for (const QJsonValue& app : QJsonDocument::fromJson(run.out)["apps"].toArray())
        trashed += pathsOf(app["trashed"]);
    QCOMPARE(trashed.count(m_shared), 1);
    for (const QString& path : gone)
        QVERIFY2(trashed.contains(path), qPrintable(path));
    QCOMPARE(QDir(m_data->path("Trash/files")).count() - 2, uint(gone.size()));
}

QTEST_GUILESS_MAIN(TestCliManyApps)
#include "TestCliManyApps.moc"
