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
    "<plist version=\"1.0\"><dict><key>Name</key><string>Café Notes</string>\n"
    "<key>Count</key><integer>42</integer><key>Negative</key><integer>-7</integer>\n"
    "<key>Enabled</key><true/><key>Ratio</key><real>0.5</real><key>Blob</key><data>AAEC</data>\n"
    "<key>Created</key><date>2024-03-01T12:00:00Z</date>\n"
    "<key>List</key><array><string>a</string><integer>1</integer></array>\n"
    "<key>Nested</key><dict><key>Inner</key><false/></dict></dict></plist>\n";

const QVariantMap richMap{{"Name", "Café Notes"},
                          {"Count", qint64(42)},
                          {"Negative", qint64(-7)},
                          {"Enabled", true},
                          {"Ratio", 0.5},
                          {"Blob", QByteArray("\x00\x01\x02", 3)},
                          {"Created", QDateTime(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC)},
                          {"List", QVariantList({"a", qint64(1)})},
                          {"Nested", QVariantMap({{"Inner", false}})}};

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
    void readsTopLevelDictionariesOnly_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("keys"); // -1: refused
        QTest::newRow("xml") << richXml << int(richMap.size());
        QTest::newRow("binary") << toBinary(richXml) << int(richMap.size());
        QTest::newRow("exactly 16 MiB") << dictionaryOfSize(16 << 20) << 1;
        QTest::newRow("over 16 MiB") << dictionaryOfSize((16 << 20) + 1) << -1;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("truncated xml") << richXml.left(richXml.indexOf("<key>Ratio")) << -1;
        QTest::newRow("binary garbage") << QByteArray("bplist00\x01\x02garbage") << -1;
        QTest::newRow("text") << QByteArray("just some words") << -1;
        QTest::newRow("array at the top")
            << QByteArray("<plist version=\"1.0\"><array><string>a</string></array></plist>") << -1;
        QTest::newRow("folder") << QByteArray() << -1;
    }

    void readsTopLevelDictionariesOnly() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, keys);
        TestDir dir;
        const QString path = QTest::currentDataTag() == QByteArray("folder")
                                 ? dir.createDirectory("x.plist")
                                 : dir.createFile("x.plist", bytes);
        const std::optional<QVariantMap> map = FileSystem::real().readPropertyList(path);
        QCOMPARE(map ? int(map->size()) : -1, keys);
        if (keys == richMap.size())
            QCOMPARE(*map, richMap);
    }
};

QTEST_GUILESS_MAIN(TestPropertyListReading)
#include "TestPropertyListReading.moc"
