#include "ui/Appearance.h"
#include "ui/ContrastRatio.h"

#include <QTest>

using namespace tidewell;

// Text stays readable: the WCAG contrast ratio, and every text colour of both schemes on every
// surface the views draw it on.
class TestAppearance : public QObject {
    Q_OBJECT

private slots:
    void contrastRatio_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("same colour") << QColor(0x777777) << QColor(0x777777) << 1.0;
        QTest::newRow("the AA grey") << QColor(0x767676) << QColor(Qt::white) << 4.54;
        // Half-transparent black on white is the grey it shows, not black.
        QTest::newRow("alpha composited") << QColor(0, 0, 0, 128) << QColor(Qt::white) << 4.0;
    }
    void contrastRatio() {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(double, ratio);
        QVERIFY2(qAbs(contrast::ratio(text, background) - ratio) < 0.01,
                 qPrintable(QString::number(contrast::ratio(text, background))));
    }

    void everyTextReadable_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("surface");
        for (const bool dark : {false, true}) {
            for (const Appearance::TextOnSurface& pair : Appearance::textOnSurfaces(dark))
                QTest::addRow("%s, %s", dark ? "dark" : "light", qPrintable(pair.name))
                    << pair.text << pair.surface;
        }
    }
    void everyTextReadable() {
        QFETCH(QColor, text);
        QFETCH(QColor, surface);
        QCOMPARE(surface.alpha(), 255);
        const double ratio = contrast::ratio(text, surface);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1:1").arg(ratio, 0, 'f', 2)));
    }
};

QTEST_APPLESS_MAIN(TestAppearance)
#include "TestAppearance.moc"
