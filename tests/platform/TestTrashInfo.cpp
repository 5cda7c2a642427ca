#include "platform/TrashInfo.h"

#include <QTest>

using namespace tidewell;

// The Trash's records as other programs write them, read back to the place they name.
class TestTrashInfo : public QObject {
    Q_OBJECT

private slots:
    void readsThePlaceARecordNames_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("infoPath");
        QTest::addColumn<QString>("place"); // empty: no record
        QTest::addColumn<QString>("date");
        const QString home = "/home/ada/.local/share/Trash/info/x.trashinfo";
        QTest::newRow("written here")
            << trashinfo::record("/home/ada/My Notes/ü%.txt", "2024-05-01T12:30:45") << home
            << "/home/ada/My Notes/ü%.txt"
            << "2024-05-01T12:30:45";
        QTest::newRow("keys in another order, another group after")
            << QByteArray("[Trash Info]\nDeletionDate=2024-01-02T03:04:05\nPath=/h/a%20b\n"
                          "[Other]\nPath=/elsewhere\n")
            << home << "/h/a b"
            << "2024-01-02T03:04:05";
        QTest::newRow("a volume's own trash")
            << QByteArray("[Trash Info]\nPath=photos/a.jpg\nDeletionDate=2024-01-02T03:04:05\n")
            << "/media/usb/.Trash-1000/info/a.jpg.trashinfo"
            << "/media/usb/photos/a.jpg"
            << "2024-01-02T03:04:05";
        QTest::newRow("a volume's shared trash")
            << QByteArray("[Trash Info]\nPath=a\nDeletionDate=2024-01-02T03:04:05\n")
            << "/mnt/disk/.Trash/1000/info/a.trashinfo"
            << "/mnt/disk/a"
            << "2024-01-02T03:04:05";
        QTest::newRow("relative place in the home trash")
            << QByteArray("[Trash Info]\nPath=a\nDeletionDate=2024-01-02T03:04:05\n") << home
            << QString() << "2024-01-02T03:04:05";
        QTest::newRow("no group") << QByteArray("Path=/h/a\nDeletionDate=2024-01-02T03:04:05\n")
                                  << home << QString() << QString();
        QTest::newRow("no date") << QByteArray("[Trash Info]\nPath=/h/a\n") << home << QString()
                                 << QString();
    }

    void readsThePlaceARecordNames() {
        QFETCH(QByteArray, record);
        QFETCH(QString, infoPath);
        QFETCH(QString, place);
        QFETCH(QString, date);
        const std::optional<trashinfo::Record> read = trashinfo::parse(record);
        QCOMPARE(read ? read->deletionDate : QString(), date);
        QCOMPARE(read ? trashinfo::originalPath(read->place, infoPath) : QString(), place);
    }
};

QTEST_GUILESS_MAIN(TestTrashInfo)
#include "TestTrashInfo.moc"
