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
        const auto row = [](const char* tag, const QByteArray& record, const char* infoPath,
                            const char* place, const char* date) {
            QTest::newRow(tag) << record << QString(infoPath) << QString(place) << QString(date);
        };
        const char* home = "/home/ada/.local/share/Trash/info/x.trashinfo";
        const char* date = "2024-01-02T03:04:05";
        row("written here", trashinfo::record("/home/ada/My Notes/ü%.txt", "2024-05-01T12:30:45"),
            home, "/home/ada/My Notes/ü%.txt", "2024-05-01T12:30:45");
        row("keys in another order, another group after",
            "[Trash Info]\nDeletionDate=2024-01-02T03:04:05\nPath=/h/a%20b\n"
            "[Other]\nPath=/elsewhere\n",
            home, "/h/a b", date);
        row("a volume's own trash",
            "[Trash Info]\nPath=photos/a.jpg\nDeletionDate=2024-01-02T03:04:05\n",
            "/media/usb/.Trash-1000/info/a.jpg.trashinfo", "/media/usb/photos/a.jpg", date);
        const QByteArray relative = "[Trash Info]\nPath=a\nDeletionDate=2024-01-02T03:04:05\n";
        row("a volume's shared trash", relative, "/mnt/disk/.Trash/1000/info/a.trashinfo",
            "/mnt/disk/a", date);
        row("relative place in the home trash", relative, home, "", date);
        row("no group", "Path=/h/a\nDeletionDate=2024-01-02T03:04:05\n", home, "", "");
        row("no date", "[Trash Info]\nPath=/h/a\n", home, "", "");
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
