#include "ScannerTestApps.h"
#include "scanner/SpotlightQueryText.h"

#include <QTest>

using namespace tidewell;
using scannertest::descriptor;

class TestSpotlightQueryText : public QObject {
    Q_OBJECT

private slots:
    void searchTerms_data();
    void searchTerms();
    void escapedTerm_data();
    void escapedTerm();
    void queryTextJoinsOneClausePerTerm();
};

void TestSpotlightQueryText::searchTerms_data() {
    QTest::addColumn<AppDescriptor>("app");
    QTest::addColumn<QStringList>("expected");
    AppDescriptor helper = scannertest::harborNotesHelper();
    helper.displayName = "Harbor Notes 2";
    helper.compactName = "harbornotes2";
    helper.strippedCompactName = "harbornotes";
    QTest::newRow("every field")
        << helper << QStringList{"com.quillfield.notes.helper", "harbor notes 2", "harbornotes2",
                                 "com.quillfield.notes",        "harbornotes",    "noteshelper"};
    QTest::newRow("one-word name gives one term fewer")
        << scannertest::ann() << QStringList{"co.ann.mac", "ann", "annmac"};
    AppDescriptor toolkit = descriptor("", "TOOLKIT", "toolkit", "toolkit", "toolkit", {});
    toolkit.baseBundleIdentifier = toolkit.strippedCompactName = "";
    QTest::newRow("duplicates and empty names dropped") << toolkit << QStringList{"toolkit"};
    QTest::newRow("display name lower-cased beyond ascii")
        << descriptor("", u"ÉCOLE Café"_qs, "de.cafe", u"écolecafé"_qs, "", {})
        << QStringList{"de.cafe", u"école café"_qs, u"écolecafé"_qs};
}

void TestSpotlightQueryText::searchTerms() {
    QFETCH(AppDescriptor, app);
    QFETCH(QStringList, expected);
    QCOMPARE(SpotlightQueryText::searchTerms(app), expected);
}

void TestSpotlightQueryText::escapedTerm_data() {
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "harbor notes"
                           << "harbor notes";
    QTest::newRow("double quote") << R"(say "hi")"
                                  << R"(say \"hi\")";
    QTest::newRow("backslash doubled before quotes are escaped") << R"(a\"b)"
                                                                 << R"(a\\\"b)";
    QTest::newRow("apostrophe left as it is") << "pete's notes"
                                              << "pete's notes";
}

void TestSpotlightQueryText::escapedTerm() {
    QFETCH(QString, term);
    QFETCH(QString, expected);
    QCOMPARE(SpotlightQueryText::escapedTerm(term), expected);
}

void TestSpotlightQueryText::queryTextJoinsOneClausePerTerm() {
    const QString clause = "(kMDItemPath == '*%1*'cd || kMDItemFSName == '*%1*'cd || "
                           "kMDItemDisplayName == '*%1*'cd)";
    QCOMPARE(SpotlightQueryText::queryText(
                 descriptor("", "Pete's Ink", "co.ink.mac", "petesink", "", {})),
             clause.arg("co.ink.mac") + " || " + clause.arg("pete's ink") + " || " +
                 clause.arg("petesink"));
    QCOMPARE(SpotlightQueryText::queryText(descriptor("", "", "", "", "", {})), QString());
}

QTEST_GUILESS_MAIN(TestSpotlightQueryText)
#include "TestSpotlightQueryText.moc"
