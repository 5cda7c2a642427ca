#include "ui/DroppedItemDecoder.h"

#include <QTest>

using tidewell::DroppedItemDecoder;

namespace {

QVariant text(const char* utf8) {
    return QVariant(QString::fromUtf8(utf8));
}

} // namespace

class TestDroppedItemDecoder : public QObject {
    Q_OBJECT

private slots:
    void decodesItems_data() {
        QTest::addColumn<QVariant>("item");
        QTest::addColumn<QString>("path"); // empty: nothing decoded
        QTest::addColumn<bool>("isApp");
        QTest::newRow("file url") << QVariant(QUrl("file:///A/Tool.app")) << "/A/Tool.app" << true;
        QTest::newRow("remote url") << QVariant(QUrl("https://a.example/Tool.app")) << "" << false;
        QTest::newRow("url text") << text(" file:///A/My%20Tool.app\n") << "/A/My Tool.app" << true;
        QTest::newRow("bare path") << text("\t/A/Tool.APP ") << "/A/Tool.APP" << true;
        QTest::newRow("trailing slash") << text("/A/Tool.app/") << "/A/Tool.app/" << true;
        QTest::newRow("blank text") << text(" \n ") << "" << false;
        QTest::newRow("utf8 bytes") << QVariant(QByteArray("/A/Caf\xc3\xa9.app\r\n"))
                                    << QString::fromUtf8("/A/Caf\xc3\xa9.app") << true;
        QTest::newRow("invalid utf8") << QVariant(QByteArray("/A/\xff\xfe.app")) << "" << false;
        QTest::newRow("number") << QVariant(42) << "" << false;
        QTest::newRow("document") << text("/A/Notes.txt") << "/A/Notes.txt" << false;
        QTest::newRow("not last") << text("/A/Tool.app.zip") << "/A/Tool.app.zip" << false;
        QTest::newRow("only the extension") << text("/A/.app") << "/A/.app" << false;
        QTest::newRow("desktop entry")
            << text("/A/org.example.Tool.desktop") << "/A/org.example.Tool.desktop" << true;
        QTest::newRow("bare .desktop") << text("/A/.desktop") << "/A/.desktop" << false;
    }
    void decodesItems() {
        QFETCH(QVariant, item);
        QFETCH(QString, path);
        QFETCH(bool, isApp);
        const std::optional<QUrl> url = DroppedItemDecoder::decodeFileURL(item);
        QCOMPARE(url && url->isLocalFile() ? url->toLocalFile() : QString(), path);
        QCOMPARE(!DroppedItemDecoder().appURL(item).isEmpty(), isApp);
        // In a drop of several, the items that name no app are left out.
        const QList<QUrl> apps = DroppedItemDecoder().appURLs({QUrl("file:///B/Ink.app"), item});
        QCOMPARE(apps.size(), isApp ? 2 : 1);
        QCOMPARE(apps.first(), QUrl("file:///B/Ink.app"));
    }
};

QTEST_GUILESS_MAIN(TestDroppedItemDecoder)
#include "TestDroppedItemDecoder.moc"
