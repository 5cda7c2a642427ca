#include "session/SharedByteFormatter.h"

#include <QTest>

#include <limits>

using namespace tidewell;

class TestSharedByteFormatter : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void saysWhenASizeIsNotWhole_data();
    void saysWhenASizeIsNotWhole();
    void followsTheLocale_data();
    void followsTheLocale();
};

void TestSharedByteFormatter::formats_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << QString("Zero KB");
    QTest::newRow("bytes") << qint64(999) << QString("999 bytes");
    QTest::newRow("one kilobyte") << qint64(1000) << QString("1 KB");
    QTest::newRow("kilobytes round half up") << qint64(1500) << QString("2 KB");
    QTest::newRow("megabytes keep one digit") << qint64(1'500'000) << QString("1.5 MB");
    QTest::newRow("gigabytes keep two digits") << qint64(1'234'567'890) << QString("1.23 GB");
    QTest::newRow("gigabyte trailing zero dropped") << qint64(1'201'000'000) << QString("1.2 GB");
    QTest::newRow("rounds up into the next unit") << qint64(999'999) << QString("1 MB");
    QTest::newRow("negative") << qint64(-1500) << QString("-2 KB");
    QTest::newRow("minus one byte") << qint64(-1) << QString("-1 byte");
    QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << u"-9,223,372.04 TB"_qs;
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << u"9,223,372.04 TB"_qs;
}

void TestSharedByteFormatter::formats() {
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(SharedByteFormatter::string(bytes), text);
}

void TestSharedByteFormatter::saysWhenASizeIsNotWhole_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << qint64(4000) << true << QString("4 KB");
    QTest::newRow("whole and empty") << qint64(0) << true << QString("Zero KB");
    QTest::newRow("a part") << qint64(1'600'000) << false << QString("at least 1.6 MB");
    QTest::newRow("nothing counted") << qint64(0) << false << QString("size unknown");
}

void TestSharedByteFormatter::saysWhenASizeIsNotWhole() {
    QFETCH(qint64, bytes);
    QFETCH(bool, complete);
    QFETCH(QString, text);
    QCOMPARE(SharedByteFormatter::sizeText(bytes, complete), text);
}

// The window's sizes: the same rounding, in the locale's words and digits.
void TestSharedByteFormatter::followsTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("text");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("nothing") << english << qint64(0) << true << QString("0 bytes");
    QTest::newRow("one byte") << english << qint64(1) << true << QString("1 byte");
    QTest::newRow("kilobytes") << english << qint64(193'400) << true << QString("193 kB");
    QTest::newRow("megabytes") << english << qint64(6'240'000) << true << QString("6.2 MB");
    QTest::newRow("trailing zero dropped")
        << english << qint64(1'201'000'000) << true << QString("1.2 GB");
    QTest::newRow("rounds up into the next unit")
        << english << qint64(999'999) << true << QString("1 MB");
    QTest::newRow("negative") << english << qint64(-1500) << true << QString("-2 kB");
    QTest::newRow("German decimal comma")
        << german << qint64(6'240'000) << true << QString("6,2 MB");
    QTest::newRow("past terabytes")
        << german << qint64(1'234'000'000'000'000) << true << QString("1,23 PB");
    QTest::newRow("German not whole")
        << german << qint64(6'240'000) << false << QString("at least 6,2 MB");
}

void TestSharedByteFormatter::followsTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(qint64, bytes);
    QFETCH(bool, complete);
    QFETCH(QString, text);
    QCOMPARE(SharedByteFormatter::localizedSizeText(bytes, complete, locale), text);
}

QTEST_APPLESS_MAIN(TestSharedByteFormatter)
#include "TestSharedByteFormatter.moc"
