#include "TestDir.h"
#include "platform/FileSystem.h"
#include "session/ItemSize.h"

#include <QTest>

#include <sys/stat.h>

using namespace tidewell;

namespace {

// Bytes the item itself occupies on disk, a link not followed.
qint64 allocated(const QString& path) {
    struct stat status {};
    if (::lstat(path.toLocal8Bit().constData(), &status) != 0)
        return -1;
    return static_cast<qint64>(status.st_blocks) * 512;
}

} // namespace

class TestItemSize : public QObject {
    Q_OBJECT

private slots:
    void bundleSize_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("plain file") << "file";
        QTest::newRow("folder with hidden file") << "folder";
        QTest::newRow("only a nested package") << "package";
        QTest::newRow("link inside") << "link";
    }

    void bundleSize() {
        QFETCH(QString, kind);
        TestDir dir;
        const QString top = dir.path("Harbor Notes.app");
        qint64 expected = 0;
        if (kind == "file") {
            expected = allocated(dir.createFileOfSize("Harbor Notes.app", 5000));
        } else if (kind == "folder") {
            expected = allocated(dir.createFileOfSize("Harbor Notes.app/Contents/a", 9000)) +
                       allocated(dir.createFileOfSize("Harbor Notes.app/.hidden", 5000));
        } else if (kind == "package") {
            dir.createFileOfSize("Harbor Notes.app/Helper.app/Contents/big", 60000);
            expected = allocated(top);
        } else if (kind == "link") {
            const QString outside = dir.createFileOfSize("outside", 60000);
            expected = allocated(dir.createFileOfSize("Harbor Notes.app/a", 9000)) +
                       allocated(dir.createSymlink("Harbor Notes.app/link", outside));
        }
        if (kind != "missing")
            QVERIFY(expected > 0);
        QCOMPARE(ItemSize::calculateItemSize(top, FileSystem::real()), expected);
    }

    void backgroundEstimate() {
        TestDir dir;
        const QString file = dir.createFileOfSize("Harbor Notes.app", 7000);
        QFuture<qint64> estimate = ItemSize::estimateInBackground(QUrl::fromLocalFile(file));
        QCOMPARE(estimate.result(), allocated(file));
    }
};

QTEST_GUILESS_MAIN(TestItemSize)
#include "TestItemSize.moc"
