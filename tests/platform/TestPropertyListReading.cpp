#include "TestDir.h"
#include "platform/FileSystem.h"

#include <QDateTime>
#include <QTest>

#include <plist/plist.h>

#include <cstdlib>

using namespace tidewell;

namespace {

const QByteArray richXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n"
    "<dict>\n"
    "  <key>CFBundleIdentifier</key><string>com.quillfield.notes</string>\n"
    "  <key>Name</key><string>Café Notes</string>\n"
    "  <key>Count</key><integer>42</integer>\n"
    "  <key>Negative</key><integer>-7</integer>\n"
    "  <key>Enabled</key><true/>\n"
    "  <key>Ratio</key><real>0.5</real>\n"
    "  <key>Blob</key><data>AAEC</data>\n"
    "  <key>Created</key><date>2024-03-01T12:00:00Z</date>\n"
    "  <key>List</key><array><string>a</string><integer>1</integer></array>\n"
    "  <key>Nested</key><dict><key>Inner</key><false/></dict>\n"
    "</dict>\n"
    "</plist>\n";

// An XML property list of exactly size bytes: one dictionary holding one long string.
QByteArray dictionaryOfSize(qsizetype size) {
    const QByteArray head = "<plist version=\"1.0\"><dict><key>k</key><string>";
    const QByteArray tail = "</string></dict></plist>";
    return head + QByteArray(size - head.size() - tail.size(), 'x') + tail;
}

QByteArray toBinary(const QByteArray& xml) {
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &root);
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    const QByteArray binary(bytes, length);
    std::free(bytes);
    plist_free(root);
    return binary;
}

} // namespace

class TestPropertyListReading : public QObject {
    Q_OBJECT

private slots:
    void readsEveryValueType_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("xml") << richXml;
        QTest::newRow("binary") << toBinary(richXml);
    }

    void readsEveryValueType() {
        QFETCH(QByteArray, bytes);
        TestDir dir;
        const QString path = dir.createFile(QStringLiteral("Info.plist"), bytes);
        const std::optional<QVariantMap> map = FileSystem::real().readPropertyList(path);
        QVERIFY(map);
        QCOMPARE(map->size(), 10);
        QCOMPARE(map->value("CFBundleIdentifier").toString(), u"com.quillfield.notes");
        QCOMPARE(map->value("Name").toString(), u"Café Notes");
        QCOMPARE(map->value("Count").typeId(), QMetaType::LongLong);
        QCOMPARE(map->value("Count").toLongLong(), 42);
        QCOMPARE(map->value("Negative").toLongLong(), -7);
        QCOMPARE(map->value("Enabled").typeId(), QMetaType::Bool);
        QCOMPARE(map->value("Enabled").toBool(), true);
        QCOMPARE(map->value("Ratio").toDouble(), 0.5);
        QCOMPARE(map->value("Blob").toByteArray(), QByteArray("\x00\x01\x02", 3));
        QCOMPARE(map->value("Created").toDateTime(),
                 QDateTime(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC));
        QCOMPARE(map->value("List").toList(), QVariantList({QStringLiteral("a"), qint64(1)}));
        QCOMPARE(map->value("Nested").toMap(), QVariantMap({{QStringLiteral("Inner"), false}}));
    }

    void refusesWhatIsNotADictionary_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated xml") << richXml.left(richXml.indexOf("<key>Ratio"));
        QTest::newRow("binary garbage") << QByteArray("bplist00\x01\x02garbage");
        QTest::newRow("text") << QByteArray("just some words");
        QTest::newRow("array at the top")
            << QByteArray("<plist version=\"1.0\"><array><string>a</string></array></plist>");
        // A valid dictionary, but one byte over the 16 MiB the reader accepts.
        QTest::newRow("over 16 MiB") << dictionaryOfSize((16 << 20) + 1);
    }

    void refusesWhatIsNotADictionary() {
        QFETCH(QByteArray, bytes);
        TestDir dir;
        const QString path = dir.createFile(QStringLiteral("x.plist"), bytes);
        QVERIFY(!FileSystem::real().readPropertyList(path));
    }

    void acceptsADictionaryOfExactly16MiB() {
        TestDir dir;
        const QString path =
            dir.createFile(QStringLiteral("big.plist"), dictionaryOfSize(16 << 20));
        const std::optional<QVariantMap> map = FileSystem::real().readPropertyList(path);
        QVERIFY(map);
        QVERIFY(map->value("k").toString().size() > 16000000);
    }

    void refusesWhatIsNotAFile() {
        TestDir dir;
        QVERIFY(!FileSystem::real().readPropertyList(dir.path(QStringLiteral("missing.plist"))));
        QVERIFY(!FileSystem::real().readPropertyList(dir.createDirectory("folder.plist")));
    }
};

QTEST_GUILESS_MAIN(TestPropertyListReading)
#include "TestPropertyListReading.moc"
