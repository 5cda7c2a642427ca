#include "FaultInjectingFileSystem.h"
#include "TestDir.h"
#include "TrashSandbox.h"
#include "removal/FileDeletionService.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tidewell;

namespace {

DeletionReport run(FileDeleting& service, const QList<QUrl>& urls) {
    return service.deleteItems(urls).result();
}

// Nothing at path itself, not even a dangling link.
bool isGone(const QString& path) {
    return !QFileInfo(path).exists() && !QFileInfo(path).isSymLink();
}

QString inTrash(const QString& subfolder, const QString& name) {
    return TrashSandbox::instance().trashFilesPath() + "/../" + subfolder + "/" + name;
}

} // namespace

class TestFileDeletionService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TrashSandbox::instance().isActive()); }
    void emptyInputGivesEmptyReport();
    void removesEachKindOfItem_data();
    void removesEachKindOfItem();
    void removesOutrightOnAVolumeWhoseTrashRefuses();
    void failureReasonFollowsTheRemovalError_data();
    void failureReasonFollowsTheRemovalError();
    void attemptsEveryItemInOrderAcrossCalls();
    void refusesLocationsThatMustNotBeRemoved_data();
    void refusesLocationsThatMustNotBeRemoved();
    void leavesTheHomeFolderUntouched();
};

void TestFileDeletionService::emptyInputGivesEmptyReport() {
    FileDeletionService service;
    const DeletionReport report = run(service, {});
    QVERIFY(report.deleted.isEmpty() && report.failures.isEmpty());
}

void TestFileDeletionService::removesEachKindOfItem_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("trashRefuses");
    for (const char* kind : {"file", "folder", "dangling link", "folder replaced by a link",
                             "link named with a trailing slash", "already gone"}) {
        QTest::addRow("%s, trashed", kind) << kind << false;
        QTest::addRow("%s, trash refuses", kind) << kind << true;
    }
}

void TestFileDeletionService::removesEachKindOfItem() {
    QFETCH(QString, kind);
    QFETCH(bool, trashRefuses);
    TestDir dir;
    // A name of its own per row: the Trash is shared by the whole run.
    const QString name = "item-" + QString::number(qHash(QByteArray(QTest::currentDataTag())));
    const QString outside = dir.createFile("outside/keep.txt", "keep");
    const QString path = dir.path(name);
    QString given = path;
    if (kind == "file")
        dir.createFileOfSize(name, 100);
    else if (kind == "folder")
        dir.createFile(name + "/a/b.txt", "b");
    else if (kind == "dangling link")
        dir.createSymlink(name, dir.path("missing"));
    else if (kind != "already gone")
        dir.createSymlink(name, QFileInfo(outside).path());
    if (kind == "link named with a trailing slash")
        given += '/';
    FaultInjectingFileSystem fileSystem;
    if (trashRefuses)
        fileSystem.failTrash(path, 1, "Operation not permitted");
    FileDeletionService service(fileSystem);

    const DeletionReport report = run(service, {QUrl::fromLocalFile(given)});

    QCOMPARE(report.deleted, QList<QUrl>{QUrl::fromLocalFile(given)});
    QVERIFY(report.failures.isEmpty());
    QVERIFY(isGone(path));
    QVERIFY(QFile::exists(outside));
    const bool trashed = !trashRefuses && kind != "already gone";
    QCOMPARE(!isGone(inTrash("files", name)), trashed);
    QFile info(inTrash("info", name + ".trashinfo"));
    QCOMPARE(info.open(QIODevice::ReadOnly), trashed);
    const QByteArray text = info.readAll();
    QVERIFY(!trashed ||
            (text.contains("Path=" + path.toUtf8() + '\n') && text.contains("DeletionDate=")));
}

void TestFileDeletionService::removesOutrightOnAVolumeWhoseTrashRefuses() {
    struct stat shm, home;
    if (::stat("/dev/shm", &shm) != 0 ||
        ::stat(QFile::encodeName(TrashSandbox::instance().homePath()), &home) != 0 ||
        shm.st_dev == home.st_dev)
        QSKIP("/dev/shm is not a volume of its own here");
    QTemporaryDir volume("/dev/shm/tidewell-deletion-XXXXXX");
    const QString item = volume.filePath("folder");
    QVERIFY(QDir().mkpath(item + "/inner"));

    FileDeletionService service;
    QCOMPARE(run(service, {QUrl::fromLocalFile(item)}).deleted.size(), 1);

    // GLib does not trash on system tmpfs mounts, so the folder was removed outright: it is
    // neither in the home Trash nor in a Trash on that volume.
    QVERIFY(isGone(item));
    QVERIFY(isGone(inTrash("files", "folder")));
    QVERIFY(isGone(QStringLiteral("/dev/shm/.Trash-%1/files/folder").arg(::getuid())));
}

void TestFileDeletionService::failureReasonFollowsTheRemovalError_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("reason");
    const QString permission = "Permission denied. Grant Full Disk Access and try again.";
    QTest::newRow("no write permission") << 513 << permission;
    QTest::newRow("no read permission") << 257 << permission;
    QTest::newRow("no such file") << 4 << "File no longer exists.";
    QTest::newRow("other error") << 30 << "Read-only file system";
}

void TestFileDeletionService::failureReasonFollowsTheRemovalError() {
    QFETCH(int, code);
    QFETCH(QString, reason);
    TestDir dir;
    const QString item = dir.createFile("item", "x");
    FaultInjectingFileSystem fileSystem;
    fileSystem.failTrash(item, 513, "trash message"); // plays no part in the reason
    fileSystem.failRemoval(item, code, "Read-only file system");
    FileDeletionService service(fileSystem);

    const DeletionReport report = run(service, {QUrl::fromLocalFile(item)});

    QVERIFY(report.deleted.isEmpty());
    QCOMPARE(report.failures.size(), 1);
    QCOMPARE(report.failures[0].reason, reason);
    QVERIFY(QFile::exists(item));
}

void TestFileDeletionService::attemptsEveryItemInOrderAcrossCalls() {
    TestDir dir;
    QList<QUrl> urls;
    for (const char* name : {"first", "second", "third", "fourth"})
        urls.append(QUrl::fromLocalFile(dir.createFile(name, name)));
    // Reported exactly as given, not in the form the service acts on.
    urls[1] = QUrl::fromLocalFile(dir.path("./second"));
    FaultInjectingFileSystem fileSystem;
    fileSystem.vanish(dir.path("second"), 1); // gone after the existence check: both fail
    QFuture<DeletionReport> firstCall, secondCall;
    {
        FileDeletionService service(fileSystem);
        firstCall = service.deleteItems({urls[0], urls[1], urls[2], urls[0]});
        secondCall = service.deleteItems({urls[3]});
    } // queued calls finish before the service goes away

    QCOMPARE(firstCall.result().deleted, (QList<QUrl>{urls[0], urls[2], urls[0]}));
    QCOMPARE(firstCall.result().failures.size(), 1);
    const DeletionFailure failure = firstCall.result().failures[0];
    QCOMPARE(failure.url, urls[1]);
    QCOMPARE(failure.reason, "File no longer exists.");
    QVERIFY(!failure.id.isNull());
    QCOMPARE(secondCall.result().deleted, QList<QUrl>{urls[3]});
    QCOMPARE(fileSystem.trashedPaths(), (QStringList{dir.path("first"), dir.path("second"),
                                                     dir.path("third"), dir.path("fourth")}));
}

void TestFileDeletionService::refusesLocationsThatMustNotBeRemoved_data() {
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("refused");
    const auto local = [](const char* path) { return QUrl::fromLocalFile(path); };
    QTest::newRow("empty") << QUrl() << true;
    QTest::newRow("web address") << QUrl("https://example.com/a") << true;
    QTest::newRow("relative path") << local("Library/Caches") << true;
    QTest::newRow("remote host") << QUrl("file://server/home/ada/x") << true;
    QTest::newRow("root by dots") << local("/tmp/..") << true;
    QTest::newRow("home with slash") << local("/home/ada/") << true;
    QTest::newRow("home by dots") << local("/home/ada/Library/..") << true;
    QTest::newRow("above home") << local("/home") << true;
    QTest::newRow("inside home") << local("/home/ada/Library/x") << false;
    QTest::newRow("home name prefix") << local("/home/adam") << false;
}

void TestFileDeletionService::refusesLocationsThatMustNotBeRemoved() {
    QFETCH(QUrl, url);
    QFETCH(bool, refused);
    QCOMPARE(FileDeletionService::refusalReason(url, "/home/ada/").has_value(), refused);
}

void TestFileDeletionService::leavesTheHomeFolderUntouched() {
    TestDir dir;
    const QString kept = dir.createFile("home/keep.txt", "keep");
    FaultInjectingFileSystem fileSystem;
    fileSystem.setHomePath(dir.path("home"));
    FileDeletionService service(fileSystem);

    const DeletionReport report = run(service, {QUrl::fromLocalFile(dir.path("home"))});

    QCOMPARE(report.failures.size(), 1);
    QCOMPARE(report.failures[0].reason, "This folder is protected and was not removed.");
    QVERIFY(fileSystem.trashedPaths().isEmpty() && fileSystem.removedPaths().isEmpty());
    QVERIFY(QFile::exists(kept));
}

QTEST_GUILESS_MAIN(TestFileDeletionService)
#include "TestFileDeletionService.moc"
