#include "ui/DroppedItemDecoder.h"

#include <QTest>

using tidewell::DroppedItemDecoder;

class TestDroppedItemDecoder : public QObject {
    Q_OBJECT

private slots:
    void decodesItems_data() {
        QTest::addColumn<QVariant>("item");
        QTest::addColumn<QString>("expectedPath"); // empty: nothing decoded

        QTest::newRow("file url") << QVariant(QUrl::fromLocalFile("/Apps/Tool.app"))
                                  << "/Apps/Tool.app";
        QTest::newRow("remote url") << QVariant(QUrl("https://example.com/Tool.app")) << "";
        QTest::newRow("url text with line break")
            << QVariant(QString(" file:///Apps/My%20Tool.app\n")) << "/Apps/My Tool.app";
        QTest::newRow("bare path text")
            << QVariant(QString("\t/Apps/Tool.app  ")) << "/Apps/Tool.app";
        QTest::newRow("blank text") << QVariant(QString(" \n ")) << "";
        QTest::newRow("utf8 bytes") << QVariant(QByteArray("/Apps/Caf\xc3\xa9.app\r\n"))
                                    << QString::fromUtf8("/Apps/Caf\xc3\xa9.app");
        QTest::newRow("invalid utf8 bytes") << QVariant(QByteArray("/Apps/\xff\xfe.app")) << "";
        QTest::newRow("no item") << QVariant() << "";
        QTest::newRow("number") << QVariant(42) << "";
    }
    void decodesItems() {
        QFETCH(QVariant, item);
        QFETCH(QString, expectedPath);
        const std::optional<QUrl> url = DroppedItemDecoder::decodeFileURL(item);
        if (expectedPath.isEmpty()) {
            QVERIFY(!url);
            return;
        }
        QVERIFY(url);
        QVERIFY(url->isLocalFile());
        QCOMPARE(url->toLocalFile(), expectedPath);
    }

    void keepsOnlyApplications_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("isApp");
        QTest::newRow("app") << "/Apps/Tool.app" << true;
        QTest::newRow("upper case") << "/Apps/Tool.APP" << true;
        QTest::newRow("trailing slash") << "/Apps/Tool.app/" << true;
        QTest::newRow("document") << "/Docs/Notes.txt" << false;
        QTest::newRow("app inside the name") << "/Apps/Tool.app.zip" << false;
        QTest::newRow("only the extension") << "/Apps/.app" << false;
    }
    void keepsOnlyApplications() {
        QFETCH(QString, path);
        QFETCH(bool, isApp);
        const DroppedItemDecoder decoder;
        const QUrl url = decoder.appBundleURL(QVariant(path));
        QCOMPARE(!url.isEmpty(), isApp);
    }
};

QTEST_GUILESS_MAIN(TestDroppedItemDecoder)
#include "TestDroppedItemDecoder.moc"
