#include "model/AppDescriptor.h"

#include "TestDir.h"

#include <QTest>

using namespace tidewell;

namespace {

// The search tokens in order, separated by spaces, or the error text.
QString outcome(const AppDescriptor::Result& result) {
    if (const auto* error = std::get_if<AppDescriptorError>(&result))
        return errorDescription(*error);
    QStringList tokens = std::get<AppDescriptor>(result).searchTokens.values();
    tokens.sort();
    return tokens.join(u' ');
}

} // namespace

class TestAppDescriptor : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data() {
        QTest::addColumn<QVariantMap>("info");
        // display|identifier|normalized|compact|path component|stripped|base|tail|sorted tokens
        QTest::addColumn<QString>("fields");
        const auto row = [](const char* tag, const QVariantMap& info, const char* fields) {
            QTest::newRow(tag) << info << fields;
        };
        row("Harbor Notes 2",
            {{"CFBundleIdentifier", "com.Quillfield.harbor-notes.Helper"},
             {"CFBundleName", "Harbor Notes 2"}},
            "Harbor Notes 2|com.Quillfield.harbor-notes.Helper|com.quillfield.harbor-notes.helper|"
            "harbornotes2|harbornotes2|harbornotes|com.quillfield.harbor-notes|harbornoteshelper|"
            "com.quillfield.harbor-notes com.quillfield.harbor-notes.helper "
            "comquillfieldharbornotes "
            "comquillfieldharbornoteshelper harbor harbornotes harbornotes2 harbornoteshelper "
            "helper "
            "notes quillfield");
        row("Ink", {{"CFBundleDisplayName", "Ink"}, {"CFBundleIdentifier", "co.ink.mac"}},
            "Ink|co.ink.mac|co.ink.mac|ink|ink|||inkmac|co.ink.mac coinkmac ink inkmac");
        row("Zed Pad", {{"CFBundleIdentifier", " io.zp \n"}},
            "Zed Pad|io.zp|io.zp|zedpad|zedpad|||iozp|io.zp iozp pad zed zedpad");
    }
    void workedExamples() {
        QFETCH(QVariantMap, info);
        QFETCH(QString, fields);
        const QUrl url = QUrl::fromLocalFile(
            m_dir.createAppBundle(QTest::currentDataTag() + QStringLiteral(".app"), info));
        const auto result = AppDescriptor::from(url);
        QVERIFY(std::holds_alternative<AppDescriptor>(result));
        const auto& app = std::get<AppDescriptor>(result);
        QCOMPARE(
            (QStringList{app.displayName, app.identifier, app.normalizedIdentifier, app.compactName,
                         app.pathComponentName, app.bundleFacts.strippedCompactName.value_or(""),
                         app.bundleFacts.baseIdentifier.value_or(""),
                         app.bundleFacts.tailToken.value_or(""), outcome(result)}
                 .join(u'|')),
            fields);
    }

    void describes_data() {
        QTest::addColumn<QString>("bundle");
        QTest::addColumn<QVariantMap>("info"); // empty: the bundle is made apart, or not at all
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* tag, const char* bundle, const QVariantMap& info,
                            const QString& outcome) {
            QTest::newRow(tag) << QStringLiteral("%1/%2").arg(tag, bundle) << info << outcome;
        };
        const QString display = "CFBundleDisplayName", name = "CFBundleName",
                      id = "CFBundleIdentifier";
        const QString notApp = "Drop a valid .app file to continue.";
        const QString unreadable = "This app bundle could not be read.";
        const QString noIdentifier = "Couldn't read CFBundleIdentifier from the app.";
        m_dir.createFile("garbage Info.plist/G.app/Contents/Info.plist", "\x01\x02 not a plist");
        m_dir.createFile("array Info.plist/A.app/Contents/Info.plist",
                         "<plist><array><string/></array></plist>");
        row("other extension", "Tool.application", {{id, "a.b"}}, notApp);
        row("garbage Info.plist", "G.app", {}, unreadable);
        row("array Info.plist", "A.app", {}, unreadable);
        row("identifier missing", "N.app", {{name, "Nameless"}}, noIdentifier);
        row("identifier blank", "B.app", {{id, u" \t\n\u00a0\u2003"_qs}}, noIdentifier);
        row("identifier a number", "N.app", {{id, 42}}, noIdentifier);
        row("upper-case extension", "Tool.APP", {{id, "x.y"}}, "tool x.y xy");
        row("display name wins even empty", "A1.app", {{display, ""}, {name, "Tool"}, {id, "x.y"}},
            "x.y xy");
        row("wrong types skipped", "Fallback.app",
            {{display, 7}, {name, QVariantList{}}, {id, "x.y"}}, "fallback x.y xy");
        // "Q.app": a path component too short to add a token of its own.
        const auto named = [&](const QString& text, const QString& identifier = "x.y") {
            return QVariantMap{{display, text}, {id, identifier}};
        };
        row("punctuation identifier: no empty token", "Q.app", named("Tk", "-.-"), "-.-");
        row("two-letter words", "Q.app", named("Ab Cd Ef"), "abcdef x.y xy");
        row("stop word as the whole name", "Q.app", named("Software"), "software x.y xy");
        row("tail of four is no token", "Q.app", named("Qq", "com.ab.cd"), "com.ab.cd comabcd");
        row("tail of five is a token", "Q.app", named("Qq", "com.ab.cde"),
            "abcde cde com.ab.cde comabcde");
        row("japanese", "Q.app", named(u"日記帳 メモ"_qs, "jp.nikki"),
            u"jp.nikki jpnikki nikki 日記帳 日記帳メモ"_qs);
        row("combining accents count as one", "Q.app", named(u"E\u0300ve E\u0300v"_qs),
            u"e\u0300ve e\u0300vee\u0300v x.y xy"_qs);
    }
    void describes() {
        QFETCH(QString, bundle);
        QFETCH(QVariantMap, info);
        QFETCH(QString, outcome);
        if (!info.isEmpty())
            m_dir.createAppBundle(bundle, info, TestDir::PlistFormat::binary);
        QCOMPARE(::outcome(AppDescriptor::from(QUrl::fromLocalFile(m_dir.path(bundle)))), outcome);
    }

    void identifierDerivations_data() {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("derived"); // base identifier and tail token, "-" for none
        const auto row = [](const char* tag, const char* identifier, const char* derived) {
            QTest::newRow(tag) << identifier << derived;
        };
        row("one segment", "toolkit", "- -");
        row("four segments, helper", "com.quill.notes.helper", "com.quill.notes noteshelper");
        row("three segments, helper", "quill.notes.helper", "- noteshelper");
        row("not an auxiliary role", "com.quill.notes.pro", "- notespro");
        row("doubled dots collapse", "com..quill.notes.agent", "com.quill.notes notesagent");
        row("punctuation segment dropped", "com.quill.notes.-", "- quillnotes");
        row("only one survives", "-.notes", "- -");
    }
    void identifierDerivations() {
        QFETCH(QString, identifier);
        QFETCH(QString, derived);
        QCOMPARE(AppDescriptor::makeBaseIdentifier(identifier).value_or("-") + u' ' +
                     AppDescriptor::makeTailToken(identifier).value_or("-"),
                 derived);
    }

    void kindOfAFileByItsName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        const auto row = [](const char* path, const char* kind) {
            QTest::newRow(path) << QString(path) << QString(kind);
        };
        row("/Applications/Ink.app", "bundle");
        row("/Applications/Ink.APP/", "bundle");
        row("/Applications/Ink.app/Contents", "-");
        row("/home/a/.app", "-");
        row("org.gnome.Ed.desktop", "desktop");
        row("org.gnome.Ed.Desktop", "-");
        row("/home/a/Apps/Krita-5.2.appimage", "appimage");
        row("/home/a/notes.txt", "-");
    }
    void kindOfAFileByItsName() {
        QFETCH(QString, path);
        QFETCH(QString, kind);
        const std::optional<AppKind> found = appKindOfFileName(path);
        QCOMPARE(found ? kindName(*found) : QString("-"), kind);
    }

private:
    TestDir m_dir;
};

QTEST_APPLESS_MAIN(TestAppDescriptor)
#include "TestAppDescriptor.moc"
