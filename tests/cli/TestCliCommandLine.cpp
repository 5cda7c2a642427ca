#include "CliHome.h"
#include "CliRun.h"
#include "TreeSnapshot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

// describe's output, the command line's refusals, and the sample library, in a home of its own.
class TestCliCommandLine : public QObject {
    Q_OBJECT

private slots:
    void describesAsJsonAndText() {
        // The path as typed, trailing slash included, comes back unchanged; the option may follow
        // it.
        const QString given = m_dir.createAppBundle("Wide.app", {{"CFBundleIdentifier", "x.y"},
                                                                 {"CFBundleName", u"𝐀𝐁𝐂 ｱｲｳ"_qs}}) +
                              u'/';
        const CliRun json = CliRun::of({"describe", given, "--json"});
        QCOMPARE(json.exitCode, 0);
        // Absent values are null; tokens come in code point order, which puts U+FF71 before
        // U+1D400 where UTF-16 order would not.
        const QStringList values{given,  u"𝐀𝐁𝐂 ｱｲｳ"_qs, "x.y",     "x.y",     u"𝐀𝐁𝐂ｱｲｳ"_qs,
                                 "wide", "(none)",      "(none)",  "xy",      "wide",
                                 "x.y",  "xy",          u"ｱｲｳ"_qs, u"𝐀𝐁𝐂"_qs, u"𝐀𝐁𝐂ｱｲｳ"_qs};
        const QStringList keys{"appPath",
                               "displayName",
                               "bundleIdentifier",
                               "normalizedBundleIdentifier",
                               "compactName",
                               "pathComponentName",
                               "strippedCompactName",
                               "baseBundleIdentifier",
                               "bundleTailToken"};
        QJsonObject object = QJsonDocument::fromJson(json.out).object();
        for (qsizetype i = 0; i < keys.size(); ++i)
            QCOMPARE(object.take(keys[i]),
                     values[i] == "(none)" ? QJsonValue() : QJsonValue(values[i]));
        QCOMPARE(object.take("searchTokens"), QJsonArray::fromStringList(values.mid(keys.size())));
        QVERIFY(object.isEmpty());

        // The text lists the same values, one a line after its label.
        const CliRun text = CliRun::of({"describe", given});
        QCOMPARE(text.exitCode, 0);
        const QStringList lines = QString::fromUtf8(text.out).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), values.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].endsWith(u' ' + values[i]), qPrintable(lines[i]));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err"); // a part of stderr, when known
        const auto row = [](const char* tag, const QStringList& arguments, int exitCode,
                            const char* err = "") {
            QTest::newRow(tag) << arguments << exitCode << err;
        };
        m_dir.createFile("Garbage.app/Contents/Info.plist", "bplist00\xff\xfe");
        const QString tool = m_dir.createAppBundle("Tool.bundle", {{"CFBundleIdentifier", "a.b"}});
        const QString noId = m_dir.createAppBundle("NoId.app", {{"CFBundleName", "N"}});
        row("not an app", {"describe", tool}, 3, "Drop a valid .app file to continue.\n");
        row("unreadable", {"describe", "--json", m_dir.path("Garbage.app")}, 3,
            "This app bundle could not be read.\n");
        row("no identifier", {"describe", noId}, 3,
            "Couldn't read CFBundleIdentifier from the app.\n");
        row("no bundle", {"describe", "--json"}, 2);
        row("two bundles", {"describe", "A.app", "B.app"}, 2);
        row("unknown option", {"describe", "--colour", "A.app"}, 2);
        row("unknown command", {"explain", "A.app"}, 2);
        row("scan root is no folder", {"scan", "--root", "/no/root", "A.app"}, 2);
        row("list root is no folder", {"list", "--root", "/no/root"}, 2);
        row("list with an argument", {"list", "extra"}, 2, "expected no arguments");
        // An operand that looks like an option never reaches a package manager.
        row("remove of an option", {"remove", "--yes", "--uninstall", "--", "--all"}, 2,
            "looks like an option");
        row("scan of an option", {"scan", "--", "-y"}, 2, "looks like an option");
        row("undo of an unknown id", {"undo", "9", "--yes"}, 2);
        row("undo of no id", {"undo", "latest", "--yes"}, 2);
        row("undo of two ids", {"undo", "1", "2", "--yes"}, 2);
        row("undo without a terminal to ask on", {"undo"}, 2);
        row("history with an argument", {"history", "1"}, 2);
        row("nothing to undo", {"undo", "--yes"}, 1);
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const CliRun run = CliRun::of(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.out.isEmpty(), run.out);
        QVERIFY2(run.err.contains(err.toUtf8()) && !run.err.isEmpty(), run.err);
    }

    void sampleLibraryIsTheSameEveryRunAndEveryAppDescribes() {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("python3 is not installed (scripts/setup installs it)");
        for (const QString run : {"first", "second"})
            QCOMPARE(QProcess::execute(python, {TIDEWELL_SAMPLE_SCRIPT, m_dir.path(run)}), 0);
        const TreeSnapshot first = snapshotOf(m_dir.path("first"));
        QVERIFY(first.size() > 50);
        QCOMPARE(snapshotOf(m_dir.path("second")), first);

        const QDir applications(m_dir.path("first/home/Applications"));
        const QStringList apps = applications.entryList({"*.app"}, QDir::Dirs);
        QVERIFY(apps.size() >= 5);
        QSet<QString> identifiers;
        for (const QString& app : apps) {
            const CliRun run = CliRun::of({"describe", "--json", applications.filePath(app)});
            QCOMPARE(run.exitCode, 0);
            identifiers.insert(QJsonDocument::fromJson(run.out)["bundleIdentifier"].toString());
        }
        QCOMPARE(identifiers.size(), apps.size());
    }

private:
    CliHome m_dir;
};

QTEST_GUILESS_MAIN(TestCliCommandLine)
#include "TestCliCommandLine.moc"
