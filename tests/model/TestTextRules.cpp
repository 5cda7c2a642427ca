#include "model/TextRules.h"

#include <QTest>

using namespace tidewell;

class TestTextRules : public QObject {
    Q_OBJECT

private slots:
    void foldedFormsAndLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("compact"); // code point by code point: letters, marks, numbers
        QTest::addColumn<QString>("normalized"); // character by character: letters and numbers
        QTest::addColumn<qsizetype>("characters");
        const auto row = [](const char* name, const QString& text, const QString& compact,
                            const QString& normalized, qsizetype characters) {
            QTest::newRow(name) << text << compact << normalized << characters;
        };
        row("crlf is one character", "a\r\nb", "ab", "ab", 3);
        row("only punctuation", "-.- !", "", "", 5);
        row("combining accent", u"E\u0301cole!"_qs, u"e\u0301cole"_qs, u"e\u0301cole"_qs, 6);
        row("mark on a space", u" \u0301x"_qs, u"\u0301x"_qs, "x", 2);
        row("japanese", u"メモ帳・Pro 2"_qs, u"メモ帳pro2"_qs, u"メモ帳pro2"_qs, 9);
        // The variation selector is a mark of its own, but part of the emoji's character.
        row("emoji", u"Ink 🖋️"_qs, u"ink\uFE0F"_qs, "ink", 5);
        row("emoji sequence", u"a👨‍👩‍👧b"_qs, "ab", "ab", 3);
        row("emoji with modifier", u"👍🏽"_qs, "", "", 1);
        row("letter outside the BMP", u"𝐀b-c"_qs, u"𝐀bc"_qs, u"𝐀bc"_qs, 4);
        row("roman numeral", u"Ⅻ"_qs, u"ⅻ"_qs, u"ⅻ"_qs, 1);
    }
    void foldedFormsAndLength() {
        QFETCH(QString, text);
        QFETCH(QString, compact);
        QFETCH(QString, normalized);
        QFETCH(qsizetype, characters);
        QCOMPARE(text::compactForm(text), compact);
        QCOMPARE(text::normalizedForScannerMatching(text), normalized);
        QCOMPARE(text::characterCount(text), characters);
    }

    void strippingTrailingVersionSuffix_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& text, const QString& expected) {
            QTest::newRow(name) << text << expected;
        };
        row("major", "Harbor Notes 2", "Harbor Notes");
        row("dotted", "Harbor Notes 2.1.3", "Harbor Notes");
        row("trailing space", "Harbor Notes 2024 ", "Harbor Notes");
        row("no space before", "Harbor Notes2", "Harbor Notes2");
        row("not at the end", "Harbor 2 Notes", "Harbor 2 Notes");
        row("prefixed", "Harbor Notes V2", "Harbor Notes V2");
        row("ends in a dot", "Harbor Notes 2.", "Harbor Notes 2.");
        row("only digits", "2048", "2048");
        row("no-break space", u"Ink\u00a03"_qs, "Ink");
    }
    void strippingTrailingVersionSuffix() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(text::strippingTrailingVersionSuffix(name), expected);
    }
};

QTEST_APPLESS_MAIN(TestTextRules)
#include "TestTextRules.moc"
