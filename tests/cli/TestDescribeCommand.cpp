#include "TestDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TIDEWELL_CLI_PATH), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestDescribeCommand : public QObject {
    Q_OBJECT

private slots:
    void describesAsJson_data();
    void describesAsJson();
    void listsTheSameFieldsAsText();
    void rejectsBadBundles_data();
    void rejectsBadBundles();
    void usageErrors_data();
    void usageErrors();
    void helpAndVersion();

private:
    TestDir m_dir;
};

void TestDescribeCommand::describesAsJson_data() {
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<QByteArray>("expected"); // every field but appPath
    QTest::addColumn<bool>("optionFirst");

    QTest::newRow("Harbor Notes 2")
        << "Harbor Notes 2.app"
        << QVariantMap{{"CFBundleIdentifier", "com.Quillfield.harbor-notes.Helper"},
                       {"CFBundleName", "Harbor Notes 2"}}
        << QByteArray(R"({"displayName": "Harbor Notes 2",
            "bundleIdentifier": "com.Quillfield.harbor-notes.Helper",
            "normalizedBundleIdentifier": "com.quillfield.harbor-notes.helper",
            "compactName": "harbornotes2", "pathComponentName": "harbornotes2",
            "strippedCompactName": "harbornotes",
            "baseBundleIdentifier": "com.quillfield.harbor-notes",
            "bundleTailToken": "harbornoteshelper",
            "searchTokens": ["com.quillfield.harbor-notes", "com.quillfield.harbor-notes.helper",
                "comquillfieldharbornotes", "comquillfieldharbornoteshelper", "harbor",
                "harbornotes", "harbornotes2", "harbornoteshelper", "helper", "notes",
                "quillfield"]})")
        << true;
    QTest::newRow("Zed Pad") << "Zed Pad.app" << QVariantMap{{"CFBundleIdentifier", " io.zp "}}
                             << QByteArray(
                                    R"({"displayName": "Zed Pad", "bundleIdentifier": "io.zp",
            "normalizedBundleIdentifier": "io.zp", "compactName": "zedpad",
            "pathComponentName": "zedpad", "strippedCompactName": null,
            "baseBundleIdentifier": null, "bundleTailToken": "iozp",
            "searchTokens": ["io.zp", "iozp", "pad", "zed", "zedpad"]})")
                             << true;
    // Code point order puts U+FF71 before U+1D400, which UTF-16 order would not.
    QTest::newRow("tokens in code point order")
        << "Wide.app" << QVariantMap{{"CFBundleIdentifier", "x.y"}, {"CFBundleName", u"𝐀𝐁𝐂 ｱｲｳ"_qs}}
        << QByteArray(R"({"displayName": "𝐀𝐁𝐂 ｱｲｳ", "bundleIdentifier": "x.y",
            "normalizedBundleIdentifier": "x.y", "compactName": "𝐀𝐁𝐂ｱｲｳ",
            "pathComponentName": "wide", "strippedCompactName": null,
            "baseBundleIdentifier": null, "bundleTailToken": "xy",
            "searchTokens": ["wide", "x.y", "xy", "ｱｲｳ", "𝐀𝐁𝐂", "𝐀𝐁𝐂ｱｲｳ"]})")
        << false;
}

void TestDescribeCommand::describesAsJson() {
    QFETCH(QString, bundle);
    QFETCH(QVariantMap, info);
    QFETCH(QByteArray, expected);
    QFETCH(bool, optionFirst);

    // The path as typed, trailing slash included, comes back unchanged.
    const QString given = m_dir.createAppBundle(bundle, info) + u'/';
    const CliRun run = runCli(optionFirst ? QStringList{"describe", "--json", given}
                                          : QStringList{"describe", given, "--json"});
    QCOMPARE(run.exitCode, 0);
    QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(object.take("appPath").toString(), given);
    QCOMPARE(object, QJsonDocument::fromJson(expected).object());
}

void TestDescribeCommand::listsTheSameFieldsAsText() {
    const QString path = m_dir.createAppBundle(
        "Text/Ink.app", {{"CFBundleDisplayName", "Ink"}, {"CFBundleIdentifier", "co.ink.mac"}});
    const CliRun run = runCli({"describe", path});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    const QStringList expectedValues{path,       "Ink",    "co.ink.mac", "co.ink.mac", "ink",
                                     "ink",      "(none)", "(none)",     "inkmac",     "co.ink.mac",
                                     "coinkmac", "ink",    "inkmac"};
    QCOMPARE(lines.size(), expectedValues.size());
    // Every value starts in the same column.
    const qsizetype column = lines.constFirst().indexOf(path);
    QVERIFY(column > 0);
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i].mid(column), expectedValues[i]);
}

void TestDescribeCommand::rejectsBadBundles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    const QString notApp = "Drop a valid .app file to continue.";
    const QString unreadable = "This app bundle could not be read.";
    const QString noIdentifier = "Couldn't read CFBundleIdentifier from the app.";
    const auto plistText = [this](const QString& name, const QByteArray& text) {
        m_dir.createFile(name + "/Contents/Info.plist", text);
        return m_dir.path(name);
    };

    QTest::newRow("not an app") << m_dir.createAppBundle("Tool.bundle",
                                                         {{"CFBundleIdentifier", "a.b"}})
                                << notApp;
    QTest::newRow("missing Info.plist") << m_dir.createDirectory("Bare.app") << unreadable;
    QTest::newRow("garbage Info.plist")
        << plistText("Garbage.app", "bplist00\xff\xfe") << unreadable;
    QTest::newRow("array-topped Info.plist")
        << plistText("Array.app", "<plist version=\"1.0\"><array/></plist>") << unreadable;
    QTest::newRow("identifier missing")
        << m_dir.createAppBundle("NoId.app", {{"CFBundleName", "N"}}) << noIdentifier;
    QTest::newRow("identifier blank")
        << m_dir.createAppBundle("Blank.app", {{"CFBundleIdentifier", "  "}}) << noIdentifier;
    QTest::newRow("identifier not a string")
        << m_dir.createAppBundle("Data.app", {{"CFBundleIdentifier", QByteArray("a.b")}})
        << noIdentifier;
}

void TestDescribeCommand::rejectsBadBundles() {
    QFETCH(QString, path);
    QFETCH(QString, message);
    for (const QStringList& arguments :
         {QStringList{"describe", path}, {"describe", "--json", path}}) {
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.err, message + u'\n');
        QVERIFY(run.out.isEmpty());
    }
}

void TestDescribeCommand::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("no bundle") << QStringList{"describe", "--json"};
    QTest::newRow("two bundles") << QStringList{"describe", "A.app", "B.app"};
    QTest::newRow("unknown option") << QStringList{"describe", "--colour", "A.app"};
    QTest::newRow("unknown command") << QStringList{"explain", "A.app"};
}

void TestDescribeCommand::usageErrors() {
    QFETCH(QStringList, arguments);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(run.out.isEmpty());
}

void TestDescribeCommand::helpAndVersion() {
    const CliRun version = runCli({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY2(version.out.contains(QStringLiteral(TIDEWELL_EXPECTED_VERSION)),
             qPrintable(version.out));
    const CliRun help = runCli({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("describe"));
    const CliRun commandHelp = runCli({"describe", "--help"});
    QCOMPARE(commandHelp.exitCode, 0);
    QVERIFY(commandHelp.out.contains("--json"));
}

QTEST_GUILESS_MAIN(TestDescribeCommand)
#include "TestDescribeCommand.moc"
