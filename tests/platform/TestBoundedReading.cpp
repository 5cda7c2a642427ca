#include "TestDir.h"
#include "platform/SmallFileReading.h"
#include "platform/ToolRun.h"

#include <QRegularExpression>
#include <QTest>

using namespace tidewell;

// The readers of files and of programs' output that take no more than they were given room for.
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

    void takesBoundedOutputFromPrograms_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<std::optional<QByteArray>>("output");
        const QString sh = QStringLiteral("sh");
        QTest::newRow("output at the limit")
            << QStringList{sh, "-c", "printf 1234"} << 5000 << std::optional<QByteArray>("1234");
        QTest::newRow("environment given") << QStringList{sh, "-c", "printf %s \"$GIVEN\""} << 5000
                                           << std::optional<QByteArray>("abc");
        QTest::newRow("endless output")
            << QStringList{"yes"} << 5000 << std::optional<QByteArray>();
        QTest::newRow("past the timeout") << QStringList{sh, "-c", "printf 1; exec sleep 30"} << 200
                                          << std::optional<QByteArray>();
        QTest::newRow("failure") << QStringList{sh, "-c", "printf 1; exit 1"} << 5000
                                 << std::optional<QByteArray>();
        QTest::newRow("missing program")
            << QStringList{m_dir.path("missing")} << 5000 << std::optional<QByteArray>();
    }
    void takesBoundedOutputFromPrograms() {
        QFETCH(QStringList, command);
        QFETCH(int, timeoutMs);
        QFETCH(std::optional<QByteArray>, output);
        // A program given up on is stopped, never left to QProcess's destructor.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Destroyed while process")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("GIVEN"), QStringLiteral("abc"));
        QCOMPARE(outputOf({.program = command.first(),
                           .arguments = command.mid(1),
                           .maximumOutput = 4,
                           .timeoutMs = timeoutMs,
                           .environment = environment}),
                 output);
    }
};

QTEST_GUILESS_MAIN(TestBoundedReading)
#include "TestBoundedReading.moc"
