#include "CliRun.h"
#include "TestDir.h"
#include "TreeSnapshot.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

class TestSampleLibrary : public QObject {
    Q_OBJECT

private slots:
    void sameLibraryEveryRunAndEveryAppDescribes();
};

void TestSampleLibrary::sameLibraryEveryRunAndEveryAppDescribes() {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed (scripts/setup installs it)");
    TestDir dir;
    for (const QString run : {"first", "second"})
        QCOMPARE(QProcess::execute(python, {TIDEWELL_SAMPLE_SCRIPT, dir.path(run)}), 0);
    const TreeSnapshot first = snapshotOf(dir.path("first"));
    QVERIFY(first.size() > 50);
    QCOMPARE(snapshotOf(dir.path("second")), first);

    const QDir applications(dir.path("first/home/Applications"));
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

QTEST_GUILESS_MAIN(TestSampleLibrary)
#include "TestSampleLibrary.moc"
