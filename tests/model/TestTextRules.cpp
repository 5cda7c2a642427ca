#include "model/TextRules.h"

#include <QTest>

using namespace tidewell;

class TestTextRules : public QObject {
    Q_OBJECT

private slots:
    void compactForm_data();
    void compactForm();
    void normalizedForScannerMatching_data();
    void normalizedForScannerMatching();
    void characterCount_data();
    void characterCount();
    void strippingTrailingVersionSuffix_data();
    void strippingTrailingVersionSuffix();
    void trimsEveryKindOfWhiteSpace();
    void identifierSegmentsDropEmptyPieces();
};

void TestTextRules::compactForm_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii name") << "Harbor Notes 2"
                                << "harbornotes2";
    QTest::newRow("only punctuation") << "-.- !"
                                      << "";
    QTest::newRow("precomposed accents") << u"Café Crème"_qs << u"cafécrème"_qs;
    QTest::newRow("combining accent kept") << u"Cafe\u0301!"_qs << u"cafe\u0301"_qs;
    QTest::newRow("lone mark kept") << u" \u0301x"_qs << u"\u0301x"_qs;
    QTest::newRow("japanese") << u"メモ帳 Pro"_qs << u"メモ帳pro"_qs;
    // The variation selector after the emoji is a mark of its own and stays.
    QTest::newRow("emoji dropped") << u"Ink 🖋️"_qs << u"ink\uFE0F"_qs;
    QTest::newRow("letter outside the BMP") << u"𝐀b-c"_qs << u"𝐀bc"_qs;
    QTest::newRow("dotted capital I lowers without locale") << u"İz"_qs << u"i\u0307z"_qs;
}

void TestTextRules::compactForm() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text::compactForm(text), expected);
}

void TestTextRules::normalizedForScannerMatching_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii name") << "Harbor Notes 2"
                                << "harbornotes2";
    QTest::newRow("identifier") << "com.quill-field"
                                << "comquillfield";
    QTest::newRow("only punctuation") << "._- "
                                      << "";
    QTest::newRow("accent stays with its letter") << u"E\u0301cole"_qs << u"e\u0301cole"_qs;
    QTest::newRow("mark on a space goes with it") << u" \u0301x"_qs << "x";
    QTest::newRow("roman numeral is a number") << u"Ⅻ"_qs << u"ⅻ"_qs;
    QTest::newRow("japanese") << u"メモ帳・2"_qs << u"メモ帳2"_qs;
    QTest::newRow("emoji sequence dropped") << u"a👨‍👩‍👧b"_qs << "ab";
    QTest::newRow("letter outside the BMP") << u"𝐀.b"_qs << u"𝐀b"_qs;
}

void TestTextRules::normalizedForScannerMatching() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text::normalizedForScannerMatching(text), expected);
}

void TestTextRules::characterCount_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("expected");
    QTest::newRow("empty") << "" << qsizetype(0);
    QTest::newRow("ascii") << "iozp" << qsizetype(4);
    QTest::newRow("crlf is one character") << "a\r\nb" << qsizetype(3);
    QTest::newRow("combining accent") << u"e\u0301e"_qs << qsizetype(2);
    QTest::newRow("japanese") << u"メモ帳"_qs << qsizetype(3);
    QTest::newRow("flag") << u"🇯🇵a"_qs << qsizetype(2);
    QTest::newRow("letter outside the BMP") << u"𝐀"_qs << qsizetype(1);
    QTest::newRow("emoji with modifier") << u"👍🏽"_qs << qsizetype(1);
}

void TestTextRules::characterCount() {
    QFETCH(QString, text);
    QFETCH(qsizetype, expected);
    QCOMPARE(text::characterCount(text), expected);
}

void TestTextRules::strippingTrailingVersionSuffix_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("major") << "Harbor Notes 2"
                           << "Harbor Notes";
    QTest::newRow("dotted") << "Harbor Notes 2.1.3"
                            << "Harbor Notes";
    QTest::newRow("trailing space") << "Harbor Notes 2024 "
                                    << "Harbor Notes";
    QTest::newRow("no space before") << "Harbor Notes2"
                                     << "Harbor Notes2";
    QTest::newRow("not at the end") << "Harbor 2 Notes"
                                    << "Harbor 2 Notes";
    QTest::newRow("prefixed") << "Harbor Notes V2"
                              << "Harbor Notes V2";
    QTest::newRow("ends in a dot") << "Harbor Notes 2."
                                   << "Harbor Notes 2.";
    QTest::newRow("only digits") << "2048"
                                 << "2048";
    QTest::newRow("no-break space") << u"Ink\u00a03"_qs << "Ink";
    QTest::newRow("outer spaces trimmed") << "  Ink  "
                                          << "Ink";
}

void TestTextRules::strippingTrailingVersionSuffix() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(text::strippingTrailingVersionSuffix(name), expected);
}

void TestTextRules::trimsEveryKindOfWhiteSpace() {
    QCOMPARE(text::trimmed(u" \t\r\n io.zp\u00a0\u2003\n"_qs), "io.zp");
    QCOMPARE(text::trimmed(" in side "), "in side");
}

void TestTextRules::identifierSegmentsDropEmptyPieces() {
    QCOMPARE(text::identifierSegments(".com..quillfield.notes."),
             QStringList({"com", "quillfield", "notes"}));
    QVERIFY(text::identifierSegments("..").isEmpty());
}

QTEST_APPLESS_MAIN(TestTextRules)
#include "TestTextRules.moc"
