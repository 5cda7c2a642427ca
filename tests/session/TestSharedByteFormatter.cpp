#include "session/SharedByteFormatter.h"

#include <QTest>

#include <limits>

using namespace tidewell;

class TestSharedByteFormatter : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
};

void TestSharedByteFormatter::formats_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, qint64 bytes, const char* text) {
        QTest::newRow(name) << bytes << QString::fromUtf8(text);
    };
    row("zero", 0, "Zero KB");
    row("one byte", 1, "1 byte");
    row("bytes", 999, "999 bytes");
    row("one kilobyte", 1000, "1 KB");
    row("kilobytes round half up", 1500, "2 KB");
    row("kilobytes round down", 1499, "1 KB");
    row("megabytes keep one digit", 1'500'000, "1.5 MB");
    row("no zero padding", 2'000'000, "2 MB");
    row("gigabytes keep two digits", 1'234'567'890, "1.23 GB");
    row("gigabyte trailing zero dropped", 1'201'000'000, "1.2 GB");
    row("rounds up into the next unit", 999'999, "1 MB");
    row("megabytes round into gigabytes", 999'950'000, "1 GB");
    row("terabytes", 2'345'000'000'000, "2.35 TB");
    row("no petabytes", 5'000'000'000'000'000, "5,000 TB");
    row("negative", -1500, "-2 KB");
    row("minus one byte", -1, "-1 byte");
    row("most negative", std::numeric_limits<qint64>::min(), "-9,223,372.04 TB");
    row("largest", std::numeric_limits<qint64>::max(), "9,223,372.04 TB");
}

void TestSharedByteFormatter::formats() {
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(SharedByteFormatter::string(bytes), text);
}

QTEST_APPLESS_MAIN(TestSharedByteFormatter)
#include "TestSharedByteFormatter.moc"
