#include "scanner/SpotlightQueryText.h"

#include <QTest>

using namespace tidewell;

namespace {

AppDescriptor descriptor(const QString& identifier, const QString& displayName,
                         const QString& compactName, std::optional<QString> base = {},
                         std::optional<QString> stripped = {}, std::optional<QString> tail = {}) {
    AppDescriptor app;
    app.normalizedBundleIdentifier = identifier;
    app.displayName = displayName;
    app.compactName = compactName;
    app.baseBundleIdentifier = base;
    app.strippedCompactName = stripped;
    app.bundleTailToken = tail;
    return app;
}

} // namespace

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
    QTest::newRow("every field")
        << descriptor("com.quillfield.harbor-notes.helper", "Harbor Notes 2", "harbornotes2",
                      "com.quillfield.harbor-notes", "harbornotes", "harbornoteshelper")
        << QStringList{"com.quillfield.harbor-notes.helper", "harbor notes 2", "harbornotes2",
                       "com.quillfield.harbor-notes",        "harbornotes",    "harbornoteshelper"};
    QTest::newRow("one-word name gives one term fewer")
        << descriptor("co.ink.mac", "Ink", "ink", {}, {}, "inkmac")
        << QStringList{"co.ink.mac", "ink", "inkmac"};
    QTest::newRow("duplicates and empty names dropped")
        << descriptor("toolkit", "TOOLKIT", "toolkit", QString(), QString(), "toolkit")
        << QStringList{"toolkit"};
    QTest::newRow("display name lower-cased beyond ascii")
        << descriptor("de.cafe", u"ÉCOLE Café"_qs, u"écolecafé"_qs)
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
    QTest::newRow("apostrophe") << "pete's notes"
                                << R"(pete\'s notes)";
}

void TestSpotlightQueryText::escapedTerm() {
    QFETCH(QString, term);
    QFETCH(QString, expected);
    QCOMPARE(SpotlightQueryText::escapedTerm(term), expected);
}

void TestSpotlightQueryText::queryTextJoinsOneClausePerTerm() {
    const QString clause = "(kMDItemPath == '*%1*'cd || kMDItemFSName == '*%1*'cd || "
                           "kMDItemDisplayName == '*%1*'cd)";
    QCOMPARE(SpotlightQueryText::queryText(descriptor("co.ink.mac", "Pete's Ink", "petesink")),
             clause.arg("co.ink.mac") + " || " + clause.arg(R"(pete\'s ink)") + " || " +
                 clause.arg("petesink"));
    QCOMPARE(SpotlightQueryText::queryText(descriptor("", "", "")), QString());
}

QTEST_GUILESS_MAIN(TestSpotlightQueryText)
#include "TestSpotlightQueryText.moc"
