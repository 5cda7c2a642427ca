#include "scanner/ItemClassification.h"
#include "scanner/ScanReportOrdering.h"

#include <QTest>

using namespace tidewell;

namespace {

ScannedFile file(const QString& path, qint64 size = 0) {
    return {path, QUrl::fromLocalFile(path), ScanCategory::other, FileSafetyLevel::risky, size,
            true};
}

QStringList ids(const QList<ScannedFile>& files) {
    QStringList paths;
    for (const ScannedFile& f : files)
        paths.append(f.id);
    return paths;
}

} // namespace

// Classification of found items and the order of the report.
class TestScanReportOrdering : public QObject {
    Q_OBJECT

private slots:
    void classifiesByLibraryFolder_data();
    void classifiesByLibraryFolder();
    void collapsesNestedMatches();
    void sortsBySizeThenName();
    void sortsDeniedPathsByCodePoint();
};

void TestScanReportOrdering::classifiesByLibraryFolder_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<ScanCategory>("category");
    QTest::addColumn<FileSafetyLevel>("safety");
    const auto row = [](const char* path, ScanCategory category, FileSafetyLevel safety) {
        QTest::newRow(path) << QString(path) << category << safety;
    };
    using enum ScanCategory;
    using enum FileSafetyLevel;
    row("/Users/ann/Library/Preferences/com.quillfield.notes.plist", preferences, safe);
    row("/Users/ann/Library/Preferences/com.quillfield.notes.PLIST", preferences, optional);
    row("/Users/ann/Library/Preferences/ByHost", preferences, optional);
    row("/Users/ann/Library/Saved Application State/com.q.savedState", applicationSupport,
        optional);
    row("/Library/Logs/Harbor", logs, safe);
    row("/Users/ann/Library/Containers/x/Data/Library/Caches/y", caches, safe);
    row("/Users/ann/Library/Containers/x/Data/Library/Preferences/y", preferences, optional);
    row("/Users/ann/Library/Caches", other, risky);
    row("/Applications/Harbor Helper.app", other, risky);
    row("/Users/ann/library/caches/x", other, risky);
}

void TestScanReportOrdering::classifiesByLibraryFolder() {
    QFETCH(QString, path);
    QFETCH(ScanCategory, category);
    QFETCH(FileSafetyLevel, safety);
    QCOMPARE(categoryForPath(path), category);
    QCOMPARE(safetyFor(category, path), safety);
}

void TestScanReportOrdering::collapsesNestedMatches() {
    const QList<ScannedFile> found{file("/x/Foo/a/b"), file("/x/Foobar"), file("/x/Foo/c"),
                                   file("/x/Foo"),     file("/y/é/z"),    file("/y/é")};
    QCOMPARE(ids(collapseNestedMatches(found)), (QStringList{"/y/é", "/x/Foo", "/x/Foobar"}));
}

void TestScanReportOrdering::sortsBySizeThenName() {
    QList<ScannedFile> items{file("/a/beta", 10), file("/b/Alpha", 10), file("/c/alpha", 10),
                             file("/d/Zed", 99), file("/e/beta", 10)};
    sortForReport(items);
    // Equal in both keys: the earlier item stays first.
    QCOMPARE(ids(items), (QStringList{"/d/Zed", "/b/Alpha", "/c/alpha", "/a/beta", "/e/beta"}));
}

void TestScanReportOrdering::sortsDeniedPathsByCodePoint() {
    const QString astral = QString::fromUcs4(U"/\U0001F600");
    const QSet<QString> paths{astral, "/b", QStringLiteral(u"/\uFFFD"), "/B", "/a"};
    QCOMPARE(sortedByCodePoint(paths),
             (QStringList{"/B", "/a", "/b", QStringLiteral(u"/\uFFFD"), astral}));
}

QTEST_GUILESS_MAIN(TestScanReportOrdering)
#include "TestScanReportOrdering.moc"
