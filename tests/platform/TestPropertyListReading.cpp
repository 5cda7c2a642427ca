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

// A binary property list of the given objects (markers and contents, references one byte
// wide), the first one at the top.
QByteArray binaryList(const QList<QByteArray>& objects) {
    QByteArray data = "bplist00";
    QByteArray offsets;
    for (const QByteArray& object : objects) {
        offsets.append(char(data.size() >> 8)).append(char(data.size() & 0xFF));
        data += object;
    }
    const qsizetype table = data.size();
    data += offsets;
    QByteArray trailer(32, '\0');
    trailer[6] = 2; // offset width
    trailer[7] = 1; // reference width
    trailer[15] = char(objects.size());
    trailer[31] = char(table & 0xFF);
    trailer[30] = char(table >> 8);
    return data + trailer;
}

// An array object holding the given object references.
QByteArray arrayOf(std::initializer_list<int> references) {
    QByteArray object(1, char(0xA0 | references.size()));
    for (int reference : references)
        object.append(char(reference));
    return object;
}

// A dictionary whose one value is a chain of levels arrays, each holding the next one
// `width` times: with two, a small file that expands to 2^levels values when every reference
// is read on its own.
QByteArray arrayChain(int levels, int width) {
    QList<QByteArray> objects{"\xD1\x01\x02", "\x51k"};
    for (int level = 0; level < levels; ++level)
        objects.append(width == 1 ? arrayOf({level + 3}) : arrayOf({level + 3, level + 3}));
    objects.append("\x51x");
    return binaryList(objects);
}

QByteArray nestedXml(int levels) {
    return "<plist version=\"1.0\"><dict><key>k</key>" + QByteArray("<array>").repeated(levels) +
           QByteArray("</array>").repeated(levels) + "</dict></plist>";
}

QByteArray manyKeysXml(int keys) {
    QByteArray xml = "<plist version=\"1.0\"><dict>";
    for (int key = 0; key < keys; ++key)
        xml += "<key>k" + QByteArray::number(key) + "</key><true/>";
    return xml + "</dict></plist>";
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
        // Hostile lists: refused before libplist asserts, recurses too deep or expands them.
        const QByteArray dictionaryWithKey = "\xD1\x01\x02";
        QTest::newRow("binary key with NUL") << binaryList({dictionaryWithKey,
                                                            QByteArray("\x53"
                                                                       "a\0b",
                                                                       4),
                                                            "\x51x"})
                                             << -1;
        QTest::newRow("binary UTF-16 key with NUL")
            << binaryList({dictionaryWithKey, QByteArray("\x61\0\0", 3), "\x51x"}) << -1;
        QTest::newRow("binary key not a string")
            << binaryList({dictionaryWithKey, "\x10\x07", "\x51x"}) << -1;
        QTest::newRow("binary plain key") << binaryList({dictionaryWithKey, "\x51k", "\x51x"}) << 1;
        QTest::newRow("binary reference out of range")
            << binaryList({dictionaryWithKey, "\x51k", arrayOf({9})}) << -1;
        QTest::newRow("binary key reference out of range")
            << binaryList({"\xD1\x09\x02", "\x51k", "\x51x"}) << -1;
        QTest::newRow("binary 60 levels") << arrayChain(60, 1) << 1;
        QTest::newRow("binary 70 levels") << arrayChain(70, 1) << -1;
        QTest::newRow("binary shared references") << arrayChain(40, 2) << -1;
        QTest::newRow("xml key with NUL reference")
            << QByteArray("<plist version=\"1.0\"><dict><key>a&#x00;b</key><true/></dict></plist>")
            << -1;
        QTest::newRow("xml 60 levels") << nestedXml(60) << 1;
        QTest::newRow("xml 100000 levels") << nestedXml(100000) << -1;
        QTest::newRow("xml levels hidden in a comment")
            << nestedXml(10).replace("<array>", "<array><!-- </array> -->") << 1;
        QTest::newRow("xml 400000 keys") << manyKeysXml(400000) << -1;
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
