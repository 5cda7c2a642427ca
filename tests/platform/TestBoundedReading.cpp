#include "TestDir.h"
#include "platform/SmallFileReading.h"

#include <QTest>

using namespace tidewell;

// The reader of files that takes no more than it was given room for.
class TestBoundedReading : public QObject {
    Q_OBJECT

    TestDir m_dir;

private slots:
    void readsOnlySmallRegularFiles_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("isRegular");
        QTest::addColumn<bool>("isSmall");
        const QString small = m_dir.createFile("small", "abc");
        QTest::newRow("regular file") << small << true << true;
        QTest::newRow("link to one") << m_dir.createSymlink("link", small) << true << true;
        QTest::newRow("larger than the limit")
            << m_dir.createFile("large", "abcd") << true << false;
        QTest::newRow("folder") << m_dir.createDirectory("folder") << false << true;
        QTest::newRow("device") << "/dev/null" << false << true;
        QTest::newRow("missing") << m_dir.path("missing") << false << true;
    }
    void readsOnlySmallRegularFiles() {
        QFETCH(QString, path);
        QFETCH(bool, isRegular);
        QFETCH(bool, isSmall);
        const std::optional<QByteArray> bytes = readSmallFile(path, 3);
        QCOMPARE(bytes.has_value(), isRegular && isSmall);
        if (bytes)
            QCOMPARE(*bytes, "abc");
        // The start of a file of any size.
        const std::optional<FileStart> start = readFileStart(path, 2);
        QCOMPARE(start.has_value(), isRegular);
        if (start)
            QCOMPARE(start->bytes, "ab");
    }
};

QTEST_GUILESS_MAIN(TestBoundedReading)
#include "TestBoundedReading.moc"
