#include "scanner/LocateIndexSearch.h"

#include "ScannerTestApps.h"
#include "TestDir.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace tidewell;
using scannertest::descriptor;

namespace {

const QStringList scopeFolders = {"home/Library/Application Support", "home/Library/Caches",
                                  "home/Library/Preferences"};

} // namespace

class TestSpotlightLocateIndex : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void findsItemsInsideTheScope_data();
    void findsItemsInsideTheScope();
    void findsNothingWithoutIndexScopeOrAnswer();

private:
    QList<QUrl> scope() const;
    QStringList relativePaths(const QList<QUrl>& urls) const;

    TestDir m_dir;
    QString m_database;
};

void TestSpotlightLocateIndex::initTestCase() {
    const QString updatedb = QStandardPaths::findExecutable("updatedb");
    if (updatedb.isEmpty() || QStandardPaths::findExecutable("plocate").isEmpty())
        QSKIP("plocate's updatedb is not installed");
    for (const char* path :
         {"home/Library/Application Support/Harbor Notes/",
          "home/Library/Application Support/Vendor/a/b/c/d/harbornotes.db",
          "home/Library/Caches/COM.QUILLFIELD.HARBOR-NOTES/", "home/Library/Caches/pad [pro/",
          "home/Library/Caches/ÉCOLE Café.log", "home/Library/Caches/Pete's Notes.log",
          "home/Library/Preferences/com.quillfield.harbor-notes.plist",
          "home/Library/Preferences/com.other.tool.plist", "home/Documents/Harbor Notes.txt",
          "home/Library/Application Supportive/Harbor Notes.txt",
          "home/Library/Caches.harbornotes"}) {
        const QString relative = QString::fromUtf8(path);
        relative.endsWith('/') ? m_dir.createDirectory(relative) : m_dir.createFile(relative);
    }
    m_database = m_dir.path("locate.db");
    // The test folder usually lies below a path the system configuration prunes.
    QCOMPARE(QProcess::execute(updatedb,
                               {"-U", m_dir.path("home"), "-o", m_database, "--require-visibility",
                                "no", "--prunepaths", "", "--prunefs", "", "--prunenames", ""}),
             0);
}

QList<QUrl> TestSpotlightLocateIndex::scope() const {
    QList<QUrl> urls;
    for (const QString& folder : scopeFolders)
        urls.append(QUrl::fromLocalFile(m_dir.path(folder)));
    return urls;
}

QStringList TestSpotlightLocateIndex::relativePaths(const QList<QUrl>& urls) const {
    QStringList paths;
    for (const QUrl& url : urls)
        paths.append(url.toLocalFile().mid(m_dir.path().size() + 1));
    paths.sort();
    return paths;
}

void TestSpotlightLocateIndex::findsItemsInsideTheScope_data() {
    QTest::addColumn<AppDescriptor>("app");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("any term, any case, any depth")
        << descriptor("", "Harbor Notes", "com.quillfield.harbor-notes", "harbornotes", "", {})
        << QStringList{"home/Library/Application Support/Harbor Notes",
                       "home/Library/Application Support/Vendor/a/b/c/d/harbornotes.db",
                       "home/Library/Caches/COM.QUILLFIELD.HARBOR-NOTES",
                       "home/Library/Preferences/com.quillfield.harbor-notes.plist"};
    QTest::newRow("pattern characters taken literally")
        << descriptor("", "Pad [Pro", "io.pad", "padpro", "", {})
        << QStringList{"home/Library/Caches/pad [pro"};
    QTest::newRow("apostrophe") << descriptor("", "Pete's Notes", "net.pete", "petesnotes", "", {})
                                << QStringList{"home/Library/Caches/Pete's Notes.log"};
    QTest::newRow("case folded beyond ascii")
        << descriptor("", u"École café"_qs, "fr.ecole", u"écolecafé"_qs, "", {})
        << QStringList{u"home/Library/Caches/ÉCOLE Café.log"_qs};
}

void TestSpotlightLocateIndex::findsItemsInsideTheScope() {
    QFETCH(AppDescriptor, app);
    QFETCH(QStringList, expected);
    QCOMPARE(relativePaths(LocateIndexSearch(m_database).search(app, scope())), expected);
}

void TestSpotlightLocateIndex::findsNothingWithoutIndexScopeOrAnswer() {
    const AppDescriptor app =
        descriptor("", "Harbor Notes", "com.quillfield.harbor-notes", "x", "", {});
    QVERIFY(!LocateIndexSearch(m_database).search(app, scope()).isEmpty());
    QVERIFY(LocateIndexSearch(m_database).search(app, {}).isEmpty());
    QVERIFY(LocateIndexSearch(m_dir.path("missing.db")).search(app, scope()).isEmpty());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", m_dir.path().toUtf8());
    const QList<QUrl> withoutProgram = LocateIndexSearch(m_database).search(app, scope());
    // A locate that would answer only after 30 s is given up on.
    const QString slowLocate = m_dir.createFile(
        "slow/plocate", "#!/bin/bash\nwhile (( SECONDS < 30 )); do :; done\nprintf '%s\\0' '" +
                            m_dir.path("home/Library/Caches/COM.QUILLFIELD.HARBOR-NOTES").toUtf8() +
                            "'\n");
    QFile::setPermissions(slowLocate, QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", m_dir.path("slow").toUtf8());
    const QList<QUrl> withoutAnswer = LocateIndexSearch(m_database, 300).search(app, scope());
    qputenv("PATH", path);
    QVERIFY(withoutProgram.isEmpty());
    QVERIFY(withoutAnswer.isEmpty());
}

QTEST_GUILESS_MAIN(TestSpotlightLocateIndex)
#include "TestSpotlightLocateIndex.moc"
