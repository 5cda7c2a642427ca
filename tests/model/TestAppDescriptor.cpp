#include "model/AppDescriptor.h"

#include "TestDir.h"

#include <QTest>

using namespace tidewell;

namespace {

using Tokens = QStringList;

const QString absent; // a null string stands for "no value" in the tables below

QString orAbsent(const std::optional<QString>& value) {
    return value.value_or(QString());
}

Tokens sorted(const QSet<QString>& tokens) {
    Tokens list(tokens.cbegin(), tokens.cend());
    list.sort();
    return list;
}

AppDescriptor::Result describe(const QString& path) {
    return AppDescriptor::from(QUrl::fromLocalFile(path));
}

} // namespace

class TestAppDescriptor : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void rejectsBadBundles_data();
    void rejectsBadBundles();
    void displayNameSources_data();
    void displayNameSources();
    void searchTokens_data();
    void searchTokens();
    void identifierDerivations_data();
    void identifierDerivations();

private:
    TestDir m_dir;
};

void TestAppDescriptor::workedExamples_data() {
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<QStringList>("fields");    // display, identifier, normalized, compact, path
    QTest::addColumn<QStringList>("optionals"); // stripped, base, tail
    QTest::addColumn<Tokens>("tokens");

    QTest::newRow("Harbor Notes 2")
        << "Harbor Notes 2.app"
        << QVariantMap{{"CFBundleIdentifier", "com.Quillfield.harbor-notes.Helper"},
                       {"CFBundleName", "Harbor Notes 2"}}
        << QStringList{"Harbor Notes 2", "com.Quillfield.harbor-notes.Helper",
                       "com.quillfield.harbor-notes.helper", "harbornotes2", "harbornotes2"}
        << QStringList{"harbornotes", "com.quillfield.harbor-notes", "harbornoteshelper"}
        << Tokens{"com.quillfield.harbor-notes",
                  "com.quillfield.harbor-notes.helper",
                  "comquillfieldharbornotes",
                  "comquillfieldharbornoteshelper",
                  "harbor",
                  "harbornotes",
                  "harbornotes2",
                  "harbornoteshelper",
                  "helper",
                  "notes",
                  "quillfield"};
    QTest::newRow("Ink") << "Ink.app"
                         << QVariantMap{{"CFBundleDisplayName", "Ink"},
                                        {"CFBundleIdentifier", "co.ink.mac"}}
                         << QStringList{"Ink", "co.ink.mac", "co.ink.mac", "ink", "ink"}
                         << QStringList{absent, absent, "inkmac"}
                         << Tokens{"co.ink.mac", "coinkmac", "ink", "inkmac"};
    QTest::newRow("Zed Pad") << "Zed Pad.app" << QVariantMap{{"CFBundleIdentifier", " io.zp \n"}}
                             << QStringList{"Zed Pad", "io.zp", "io.zp", "zedpad", "zedpad"}
                             << QStringList{absent, absent, "iozp"}
                             << Tokens{"io.zp", "iozp", "pad", "zed", "zedpad"};
}

void TestAppDescriptor::workedExamples() {
    QFETCH(QString, bundle);
    QFETCH(QVariantMap, info);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, optionals);
    QFETCH(Tokens, tokens);

    const QUrl url = QUrl::fromLocalFile(m_dir.createAppBundle(bundle, info));
    const auto result = AppDescriptor::from(url);
    QVERIFY(std::holds_alternative<AppDescriptor>(result));
    const auto& app = std::get<AppDescriptor>(result);
    QCOMPARE(app.appURL, url);
    QCOMPARE((QStringList{app.displayName, app.bundleIdentifier, app.normalizedBundleIdentifier,
                          app.compactName, app.pathComponentName}),
             fields);
    QCOMPARE((QStringList{orAbsent(app.strippedCompactName), orAbsent(app.baseBundleIdentifier),
                          orAbsent(app.bundleTailToken)}),
             optionals);
    QCOMPARE(sorted(app.searchTokens), tokens);
}

void TestAppDescriptor::rejectsBadBundles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<AppDescriptorError>("error");
    const auto app = [this](const QString& name, const QVariantMap& info) {
        return m_dir.createAppBundle(name, info);
    };
    const auto appWithPlistText = [this](const QString& name, const QByteArray& text) {
        m_dir.createFile(name + "/Contents/Info.plist", text);
        return m_dir.path(name);
    };

    QTest::newRow("other extension") << app("Tool.application", {{"CFBundleIdentifier", "a.b"}})
                                     << AppDescriptorError::notAnAppBundle;
    QTest::newRow("no extension") << m_dir.createDirectory("Tool")
                                  << AppDescriptorError::notAnAppBundle;
    QTest::newRow("missing folder") << m_dir.path("Gone.app") << AppDescriptorError::invalidBundle;
    m_dir.createDirectory("Empty.app/Contents");
    QTest::newRow("no Info.plist") << m_dir.path("Empty.app") << AppDescriptorError::invalidBundle;
    QTest::newRow("garbage Info.plist") << appWithPlistText("Garbage.app", "\x01\x02 not a plist")
                                        << AppDescriptorError::invalidBundle;
    QTest::newRow("array Info.plist")
        << appWithPlistText("Array.app", "<?xml version=\"1.0\"?><plist version=\"1.0\"><array>"
                                         "<string>x</string></array></plist>")
        << AppDescriptorError::invalidBundle;
    QTest::newRow("identifier missing") << app("Nameless.app", {{"CFBundleName", "Nameless"}})
                                        << AppDescriptorError::missingBundleIdentifier;
    QTest::newRow("identifier blank") << app("Blank.app", {{"CFBundleIdentifier", " \t\n "}})
                                      << AppDescriptorError::missingBundleIdentifier;
    QTest::newRow("identifier a number") << app("Number.app", {{"CFBundleIdentifier", 42}})
                                         << AppDescriptorError::missingBundleIdentifier;
}

void TestAppDescriptor::rejectsBadBundles() {
    QFETCH(QString, path);
    QFETCH(AppDescriptorError, error);
    const auto result = describe(path);
    QVERIFY(std::holds_alternative<AppDescriptorError>(result));
    QCOMPARE(std::get<AppDescriptorError>(result), error);
}

void TestAppDescriptor::displayNameSources_data() {
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<QString>("displayName");
    const QVariantMap id{{"CFBundleIdentifier", "com.example.tool"}};
    auto with = [&id](const QVariantMap& extra) {
        QVariantMap info = id;
        info.insert(extra);
        return info;
    };
    QTest::newRow("upper-case extension") << "Tool.APP" << id << "Tool";
    QTest::newRow("display name wins even empty")
        << "A1.app" << with({{"CFBundleDisplayName", ""}, {"CFBundleName", "Tool"}}) << "";
    QTest::newRow("padding kept") << "A2.app" << with({{"CFBundleName", " Tool "}}) << " Tool ";
    QTest::newRow("wrong types skipped")
        << "Fallback.app" << with({{"CFBundleDisplayName", 7}, {"CFBundleName", QVariantList{}}})
        << "Fallback";
    QTest::newRow("only the last extension goes") << "My.Tool.app" << id << "My.Tool";
}

void TestAppDescriptor::displayNameSources() {
    QFETCH(QString, bundle);
    QFETCH(QVariantMap, info);
    QFETCH(QString, displayName);
    const auto result = describe(m_dir.createAppBundle(bundle, info, TestDir::PlistFormat::binary));
    QVERIFY(std::holds_alternative<AppDescriptor>(result));
    QCOMPARE(std::get<AppDescriptor>(result).displayName, displayName);
}

void TestAppDescriptor::searchTokens_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<Tokens>("tokens");
    QTest::newRow("one segment") << "Tk"
                                 << "toolkit" << Tokens{"toolkit"};
    QTest::newRow("punctuation identifier") << "Tk"
                                            << "-.-" << Tokens{"-.-"};
    QTest::newRow("two-letter words") << "Ab Cd Ef"
                                      << "x.y" << Tokens{"abcdef", "x.y", "xy"};
    QTest::newRow("stop word as the whole name") << "Software"
                                                 << "x.y" << Tokens{"software", "x.y", "xy"};
    QTest::newRow("tail of four is no token") << "Qq"
                                              << "com.ab.cd" << Tokens{"com.ab.cd", "comabcd"};
    QTest::newRow("tail of five is a token")
        << "Qq"
        << "com.ab.cde" << Tokens{"abcde", "cde", "com.ab.cde", "comabcde"};
    QTest::newRow("japanese") << u"日記帳 メモ"_qs << "jp.nikki"
                              << Tokens{"jp.nikki", "jpnikki", "nikki", u"日記帳"_qs,
                                        u"日記帳メモ"_qs};
    QTest::newRow("combining accents count as one")
        << u"E\u0300ve E\u0300v"_qs << "x.y"
        << Tokens{u"e\u0300ve"_qs, u"e\u0300vee\u0300v"_qs, "x.y", "xy"};
    QTest::newRow("emoji") << u"🐙 Ink"_qs << "x.y" << Tokens{"ink", "x.y", "xy"};
}

void TestAppDescriptor::searchTokens() {
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QFETCH(Tokens, tokens);
    // "Q.app": a path component too short to add a token of its own.
    const QString bundle = QStringLiteral("%1/Q.app").arg(QTest::currentDataTag());
    const auto result = describe(m_dir.createAppBundle(
        bundle, {{"CFBundleDisplayName", name}, {"CFBundleIdentifier", identifier}}));
    QVERIFY(std::holds_alternative<AppDescriptor>(result));
    QCOMPARE(sorted(std::get<AppDescriptor>(result).searchTokens), tokens);
}

void TestAppDescriptor::identifierDerivations_data() {
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("tail");
    QTest::newRow("one segment") << "toolkit" << absent << absent;
    QTest::newRow("four segments, helper") << "com.quillfield.notes.helper"
                                           << "com.quillfield.notes"
                                           << "noteshelper";
    QTest::newRow("three segments, helper") << "quillfield.notes.helper" << absent << "noteshelper";
    QTest::newRow("not an auxiliary role") << "com.quillfield.notes.pro" << absent << "notespro";
    QTest::newRow("doubled dots collapse") << "com..quillfield.notes.agent"
                                           << "com.quillfield.notes"
                                           << "notesagent";
    QTest::newRow("punctuation segment dropped")
        << "com.quillfield.notes.-" << absent << "quillfieldnotes";
    QTest::newRow("only one survives") << "-.notes" << absent << absent;
}

void TestAppDescriptor::identifierDerivations() {
    QFETCH(QString, identifier);
    QFETCH(QString, base);
    QFETCH(QString, tail);
    QCOMPARE(orAbsent(AppDescriptor::makeBaseBundleIdentifier(identifier)), base);
    QCOMPARE(orAbsent(AppDescriptor::makeBundleTailToken(identifier)), tail);
}

QTEST_APPLESS_MAIN(TestAppDescriptor)
#include "TestAppDescriptor.moc"
