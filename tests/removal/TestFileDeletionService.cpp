#include "FaultInjectingFileSystem.h"
#include "TestDir.h"
#include "TrashSandbox.h"
#include "removal/FileDeletionService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tidewell;
using namespace Qt::StringLiterals;

namespace {

DeletionReport run(FileDeleting& service, const QList<QUrl>& urls) {
    return service.deleteItems(urls).result();
}

bool existsNoFollow(const QString& path) {
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

QList<QUrl> failedUrls(const DeletionReport& report) {
    QList<QUrl> urls;
    for (const DeletionFailure& failure : report.failures)
        urls.append(failure.url);
    return urls;
}

} // namespace

class TestFileDeletionService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyInputGivesEmptyReport();
    void removesEachKindOfItem_data();
    void removesEachKindOfItem();
    void removesOutrightOnAVolumeWhoseTrashRefuses();
    void failureReasonFollowsTheRemovalError_data();
    void failureReasonFollowsTheRemovalError();
    void attemptsEveryItemInInputOrder();
    void servesCallsOneAtATimeInOrder();
    void refusesLocationsThatMustNotBeRemoved_data();
    void refusesLocationsThatMustNotBeRemoved();
    void leavesAProtectedFolderUntouched();

private:
    QString trashedCopy(const QString& originalPath) const {
        return TrashSandbox::instance().trashFilesPath() + u'/' +
               QFileInfo(originalPath).fileName();
    }
};

void TestFileDeletionService::initTestCase() {
    QVERIFY2(TrashSandbox::instance().isActive(), "the Trash could not be redirected");
}

void TestFileDeletionService::emptyInputGivesEmptyReport() {
    FileDeletionService service;
    const DeletionReport report = run(service, {});
    QVERIFY(report.deleted.isEmpty());
    QVERIFY(report.failures.isEmpty());
}

void TestFileDeletionService::removesEachKindOfItem_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("trashRefuses");
    const QStringList kinds = {"file",
                               "folder with contents",
                               "dangling link",
                               "folder replaced by a link",
                               "link named with a trailing slash",
                               "already gone"};
    for (const QString& kind : kinds) {
        QTest::addRow("%s, trashed", qPrintable(kind)) << kind << false;
        QTest::addRow("%s, trash refuses", qPrintable(kind)) << kind << true;
    }
}

void TestFileDeletionService::removesEachKindOfItem() {
    QFETCH(QString, kind);
    QFETCH(bool, trashRefuses);
    TestDir dir;
    // A name of its own per row: the sandbox Trash is shared by the whole run.
    const QString name = QStringLiteral("item-%1")
                             .arg(QString::fromLatin1(QTest::currentDataTag()))
                             .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9-]")), u"-"_s);
    const QString outside = dir.createFile(QStringLiteral("outside/keep.txt"), "keep");
    QString item = dir.path(name);
    if (kind == u"file")
        dir.createFileOfSize(name, 100);
    else if (kind == u"folder with contents")
        dir.createFile(name + QStringLiteral("/a/b.txt"), "b");
    else if (kind == u"dangling link")
        dir.createSymlink(name, dir.path(QStringLiteral("missing")));
    else if (kind == u"folder replaced by a link") {
        dir.createDirectory(name);
        QVERIFY(QDir(item).removeRecursively());
        dir.createSymlink(name, dir.path(QStringLiteral("outside")));
    } else if (kind == u"link named with a trailing slash") {
        dir.createSymlink(name, dir.path(QStringLiteral("outside")));
        item += u'/';
    }
    const QString itemPath = dir.path(name);
    FaultInjectingFileSystem fileSystem;
    if (trashRefuses)
        fileSystem.failTrash(itemPath, 1, QStringLiteral("Operation not permitted"));
    FileDeletionService service(fileSystem);

    const QUrl url = QUrl::fromLocalFile(item);
    const DeletionReport report = run(service, {url});

    QCOMPARE(report.deleted, QList<QUrl>{url});
    QVERIFY(report.failures.isEmpty());
    QVERIFY(!existsNoFollow(itemPath));
    QCOMPARE(QFile(outside).exists(), true);
    const bool expectInTrash = !trashRefuses && kind != u"already gone";
    QCOMPARE(existsNoFollow(trashedCopy(itemPath)), expectInTrash);
    if (expectInTrash) {
        QFile info(TrashSandbox::instance().trashInfoPath() + u'/' + name +
                   QStringLiteral(".trashinfo"));
        QVERIFY(info.open(QIODevice::ReadOnly));
        const QByteArray text = info.readAll();
        QVERIFY2(text.contains("Path=" + QUrl::toPercentEncoding(itemPath, "/")), text);
        QVERIFY(text.contains("DeletionDate="));
    }
}

void TestFileDeletionService::removesOutrightOnAVolumeWhoseTrashRefuses() {
    struct stat shm, home;
    if (::stat("/dev/shm", &shm) != 0 ||
        ::stat(QFile::encodeName(TrashSandbox::instance().homePath()).constData(), &home) != 0 ||
        shm.st_dev == home.st_dev)
        QSKIP("/dev/shm is not a volume of its own here");
    QTemporaryDir volume(QStringLiteral("/dev/shm/tidewell-deletion-XXXXXX"));
    QVERIFY(volume.isValid());
    const QString item = volume.filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkpath(item + QStringLiteral("/inner")));

    FileDeletionService service;
    const DeletionReport report = run(service, {QUrl::fromLocalFile(item)});

    QCOMPARE(report.deleted.size(), 1);
    QVERIFY(!existsNoFollow(item));
    // GLib refuses to trash on tmpfs system mounts, so the folder was removed outright: it is in
    // neither the home Trash nor a Trash of that volume.
    QVERIFY(!existsNoFollow(trashedCopy(item)));
    QVERIFY(!existsNoFollow(QStringLiteral("/dev/shm/.Trash-%1/files/folder").arg(::getuid())));
}

void TestFileDeletionService::failureReasonFollowsTheRemovalError_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason");
    const QString permission =
        QStringLiteral("Permission denied. Grant Full Disk Access and try again.");
    QTest::newRow("no write permission") << 513 << "EACCES" << permission;
    QTest::newRow("no read permission") << 257 << "EACCES" << permission;
    QTest::newRow("no such file") << 4 << "ENOENT" << QStringLiteral("File no longer exists.");
    QTest::newRow("other error") << 30 << "Read-only file system"
                                 << QStringLiteral("Read-only file system");
}

void TestFileDeletionService::failureReasonFollowsTheRemovalError() {
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    TestDir dir;
    const QString item = dir.createFile(QStringLiteral("item"), "x");
    FaultInjectingFileSystem fileSystem;
    // The Trash error plays no part in the reason.
    fileSystem.failTrash(item, 513, QStringLiteral("trash message"));
    fileSystem.failRemoval(item, code, message);
    FileDeletionService service(fileSystem);

    const DeletionReport report = run(service, {QUrl::fromLocalFile(item)});

    QVERIFY(report.deleted.isEmpty());
    QCOMPARE(report.failures.size(), 1);
    QCOMPARE(report.failures[0].reason, reason);
    QVERIFY(QFile::exists(item));
}

void TestFileDeletionService::attemptsEveryItemInInputOrder() {
    TestDir dir;
    const QString first = dir.createFile(QStringLiteral("first"), "1");
    const QString second = dir.createFile(QStringLiteral("second"), "2");
    const QString third = dir.createFile(QStringLiteral("third"), "3");
    FaultInjectingFileSystem fileSystem;
    fileSystem.vanish(second, 1); // gone after the existence check: both operations fail
    FileDeletionService service(fileSystem);
    // The URL is reported exactly as given, not in the form the service acts on.
    const QUrl secondUrl = QUrl::fromLocalFile(dir.path(QStringLiteral("./second")));
    const QList<QUrl> urls = {QUrl::fromLocalFile(first), secondUrl, QUrl::fromLocalFile(third),
                              QUrl::fromLocalFile(first)};

    const DeletionReport report = run(service, urls);

    QCOMPARE(report.deleted, (QList<QUrl>{urls[0], urls[2], urls[3]}));
    QCOMPARE(failedUrls(report), QList<QUrl>{secondUrl});
    QCOMPARE(report.failures[0].reason, QStringLiteral("File no longer exists."));
    QVERIFY(!report.failures[0].id.isNull());
    QVERIFY(!QFile::exists(first));
    QVERIFY(!QFile::exists(third));
}

void TestFileDeletionService::servesCallsOneAtATimeInOrder() {
    TestDir dir;
    FaultInjectingFileSystem fileSystem;
    QStringList expected;
    QList<QFuture<DeletionReport>> calls;
    {
        FileDeletionService service(fileSystem);
        for (int call = 0; call < 4; ++call) {
            QList<QUrl> urls;
            for (int item = 0; item < 5; ++item) {
                const QString name = QStringLiteral("order-%1-%2").arg(call).arg(item);
                expected.append(dir.createFile(name, "x"));
                urls.append(QUrl::fromLocalFile(expected.last()));
            }
            calls.append(service.deleteItems(urls));
        }
    } // the service finishes its queued calls before it goes away
    for (const QFuture<DeletionReport>& call : calls)
        QCOMPARE(call.result().deleted.size(), 5);
    QCOMPARE(fileSystem.trashedPaths(), expected);
}

void TestFileDeletionService::refusesLocationsThatMustNotBeRemoved_data() {
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("refused");
    const QString home = QStringLiteral("/home/ada");
    QTest::newRow("empty") << QUrl() << true;
    QTest::newRow("web address") << QUrl(QStringLiteral("https://example.com/a")) << true;
    QTest::newRow("relative path") << QUrl::fromLocalFile(QStringLiteral("Library/Caches")) << true;
    QTest::newRow("remote host") << QUrl(QStringLiteral("file://server/home/ada/x")) << true;
    QTest::newRow("root") << QUrl::fromLocalFile(QStringLiteral("/")) << true;
    QTest::newRow("root by dots") << QUrl::fromLocalFile(QStringLiteral("/tmp/..")) << true;
    QTest::newRow("home") << QUrl::fromLocalFile(home) << true;
    QTest::newRow("home with slash") << QUrl::fromLocalFile(home + u'/') << true;
    QTest::newRow("home by dots") << QUrl::fromLocalFile(home + QStringLiteral("/Library/.."))
                                  << true;
    QTest::newRow("above home") << QUrl::fromLocalFile(QStringLiteral("/home")) << true;
    QTest::newRow("inside home") << QUrl::fromLocalFile(home + QStringLiteral("/Library/x"))
                                 << false;
    QTest::newRow("home name prefix") << QUrl::fromLocalFile(QStringLiteral("/home/adam")) << false;
    QTest::newRow("elsewhere") << QUrl::fromLocalFile(QStringLiteral("/Applications/A.app"))
                               << false;
}

void TestFileDeletionService::refusesLocationsThatMustNotBeRemoved() {
    QFETCH(QUrl, url);
    QFETCH(bool, refused);
    QCOMPARE(FileDeletionService::refusalReason(url, QStringLiteral("/home/ada/")).has_value(),
             refused);
}

void TestFileDeletionService::leavesAProtectedFolderUntouched() {
    TestDir dir;
    const QString kept = dir.createFile(QStringLiteral("home/keep.txt"), "keep");
    FaultInjectingFileSystem fileSystem;
    fileSystem.setHomePath(dir.path(QStringLiteral("home")));
    FileDeletionService service(fileSystem);

    const QUrl url = QUrl::fromLocalFile(dir.path(QStringLiteral("home")));
    const DeletionReport report = run(service, {url, QUrl::fromLocalFile(dir.path())});

    QCOMPARE(failedUrls(report), (QList<QUrl>{url, QUrl::fromLocalFile(dir.path())}));
    QCOMPARE(report.failures[0].reason,
             QStringLiteral("This folder is protected and was not removed."));
    QVERIFY(fileSystem.trashedPaths().isEmpty());
    QVERIFY(fileSystem.removedPaths().isEmpty());
    QVERIFY(QFile::exists(kept));
}

QTEST_GUILESS_MAIN(TestFileDeletionService)
#include "TestFileDeletionService.moc"
