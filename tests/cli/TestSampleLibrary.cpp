#include "platform/FileSystem.h"

#include "TestDir.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace tidewell;

namespace {

int runProgram(const QString& program, const QStringList& arguments, QByteArray* out = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitCode();
}

// Relative path, size, mode and content hash of every item below folder.
QStringList fingerprint(const QString& folder) {
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString line = QStringLiteral("%1 %2 %3 %4")
                           .arg(info.filePath().mid(folder.size()))
                           .arg(info.isDir() ? 0 : info.size())
                           .arg(int(info.permissions()))
                           .arg(info.lastModified().toSecsSinceEpoch());
        QFile file(info.filePath());
        if (info.isFile() && file.open(QIODevice::ReadOnly))
            line +=
                u' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        lines.append(line);
    }
    lines.sort();
    return lines;
}

} // namespace

class TestSampleLibrary : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everySampleAppDescribes();
    void containersNameTheirOwner();
    void sameOutputEveryRun();
    void refusesToOverwrite();

private:
    QString m_python;
    TestDir m_dir;
};

void TestSampleLibrary::initTestCase() {
    m_python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (m_python.isEmpty())
        QSKIP("python3 is not installed (scripts/setup installs it)");
    QCOMPARE(runProgram(m_python, {TIDEWELL_SAMPLE_SCRIPT, m_dir.path("first")}), 0);
}

void TestSampleLibrary::everySampleAppDescribes() {
    const QDir applications(m_dir.path("first/home/Applications"));
    const QStringList apps = applications.entryList({"*.app"}, QDir::Dirs);
    QVERIFY(apps.size() >= 5);
    QSet<QString> identifiers;
    for (const QString& app : apps) {
        QByteArray out;
        QCOMPARE(
            runProgram(TIDEWELL_CLI_PATH, {"describe", "--json", applications.filePath(app)}, &out),
            0);
        identifiers.insert(
            QJsonDocument::fromJson(out).object().value("bundleIdentifier").toString());
    }
    QCOMPARE(identifiers.size(), apps.size());
}

void TestSampleLibrary::containersNameTheirOwner() {
    int containers = 0;
    for (const QString root : {"Containers", "Group Containers"}) {
        const QDir folder(m_dir.path("first/home/Library/" + root));
        for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const auto metadata = FileSystem::real().readPropertyList(
                folder.filePath(name) + "/.com.apple.containermanagerd.metadata.plist");
            QVERIFY2(metadata &&
                         metadata->value("MCMMetadataIdentifier").typeId() == QMetaType::QString,
                     qPrintable(name));
            ++containers;
        }
    }
    QVERIFY(containers >= 4);
}

void TestSampleLibrary::sameOutputEveryRun() {
    QCOMPARE(runProgram(m_python, {TIDEWELL_SAMPLE_SCRIPT, m_dir.path("second")}), 0);
    const QStringList first = fingerprint(m_dir.path("first"));
    QVERIFY(first.size() > 50);
    QCOMPARE(fingerprint(m_dir.path("second")), first);
}

void TestSampleLibrary::refusesToOverwrite() {
    const QStringList before = fingerprint(m_dir.path("first"));
    QVERIFY(runProgram(m_python, {TIDEWELL_SAMPLE_SCRIPT, m_dir.path("first")}) != 0);
    QCOMPARE(fingerprint(m_dir.path("first")), before);
}

QTEST_GUILESS_MAIN(TestSampleLibrary)
#include "TestSampleLibrary.moc"
