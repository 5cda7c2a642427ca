#include "FaultInjectingFileSystem.h"
#include "HostVariables.h"
#include "TestDir.h"
#include "TrashSandbox.h"
#include "platform/FileErrors.h"
#include "removal/FileDeletionService.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace tidewell;

#ifdef Q_OS_MACOS
const QString permissionReason = "Permission denied. Grant Full Disk Access and try again.";
#else
const QString permissionReason =
    "Permission denied. Check the permissions of the folder that holds it.";
#endif
const QString goneReason = "File no longer exists.";
const QString protectedReason = "This folder is protected and was not removed.";

static QString toPath(const QUrl& url) {
    return url.toLocalFile();
}
static QString toPath(const DeletionFailure& failure) {
    return failure.url.toLocalFile();
}
static QString toPath(const QString& path) {
    return path;
}

// A plan of exactly urls in scope, sizes unknown.
static RemovalPlan planOf(const QList<QUrl>& urls, const RemovalScope& scope) {
    QList<RemovalPlan::Item> items;
    for (const QUrl& url : urls)
        items.append({url, {0, false}});
    return {items, scope, {}};
}

// The host of the Trash sandbox's home.
static Host sandboxHost() {
    return Host::withDefaults(TrashSandbox::instance().homePath());
}

// Nothing at path itself, not even a dangling link.
static bool isGone(const QString& path) {
    return !QFileInfo(path).exists() && !QFileInfo(path).isSymLink();
}

class TestFileDeletionService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TrashSandbox::instance().isActive()); }

    void removesEachKindOfItem_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("trashRefuses");
        for (const char* kind : {"folder", "dangling link", "folder replaced by a link",
                                 "link named with a trailing slash", "already gone"})
            for (bool refuses : {false, true})
                QTest::addRow("%s%s", kind, refuses ? ", trash refuses" : "") << kind << refuses;
    }

    // Links go as links, never what they point to; a refusing Trash means removal in place.
    void removesEachKindOfItem() {
        QFETCH(QString, kind);
        QFETCH(bool, trashRefuses);
        TestDir dir;
        // A name of its own per row: the Trash is shared by the whole run.
        const QString name = "item-" + QString::number(qHash(QByteArray(QTest::currentDataTag())));
        const QString outside = dir.createFile("outside/keep.txt", "keep");
        const QString path = dir.path(name);
        if (kind == "folder")
            dir.createFile(name + "/a/b.txt", "b");
        else if (kind == "dangling link")
            dir.createSymlink(name, dir.path("missing"));
        else if (kind != "already gone")
            dir.createSymlink(name, QFileInfo(outside).path());
        const QUrl given = QUrl::fromLocalFile(path + (kind.contains("slash") ? "/" : ""));
        FaultInjectingFileSystem fileSystem;
        if (trashRefuses)
            fileSystem.failTrash(path, 1, "Operation not permitted");

        const DeletionReport report = FileDeletionService(sandboxHost(), fileSystem)
                                          .deleteItems(planOf({given}, {{dir.path()}, {}}))
                                          .result();

        QCOMPARE(report.deleted, QList<QUrl>{given});
        QVERIFY(report.failures.isEmpty() && isGone(path) && QFile::exists(outside));
        QCOMPARE(!isGone(TrashSandbox::instance().trashFilesPath() + '/' + name),
                 !trashRefuses && kind != "already gone");
    }

    // A real volume whose Trash GLib refuses (a system tmpfs): the folder is removed in place.
    void removesOutrightOnAVolumeWithoutTrash() {
        struct stat shm, home;
        if (::stat("/dev/shm", &shm) != 0 ||
            ::stat(QFile::encodeName(TrashSandbox::instance().homePath()), &home) != 0 ||
            shm.st_dev == home.st_dev)
            QSKIP("/dev/shm is not a volume of its own here");
        QTemporaryDir volume("/dev/shm/tidewell-deletion-XXXXXX");
        const QString item = volume.filePath("folder");
        QVERIFY(QDir().mkpath(item + "/inner"));

        FileDeletionService service(sandboxHost());
        QCOMPARE(service.deleteItems(planOf({QUrl::fromLocalFile(item)}, {{volume.path()}, {}}))
                     .result()
                     .deleted.size(),
                 1);

        QVERIFY(isGone(item));
        QVERIFY(isGone(TrashSandbox::instance().trashFilesPath() + "/folder"));
        QVERIFY(isGone(QStringLiteral("/dev/shm/.Trash-%1/files/folder").arg(::getuid())));
    }

    // Every item is tried, in the order given, and a queued call still runs.
    void reportsEveryItemInOrderAcrossCalls() {
        TestDir dir;
        FaultInjectingFileSystem fileSystem;
        const QUrl first = QUrl::fromLocalFile(dir.createFile("first"));
        QList<QUrl> failing;
        QStringList tried{first.toLocalFile()};
        for (int code : {513, 257, 30, 4}) {
            tried.append(dir.createFile(QString::number(code)));
            fileSystem.failTrash(tried.last(), 513, "trash message"); // no part in the reason
            fileSystem.failRemoval(tried.last(), code, "Read-only file system");
            failing.append(QUrl::fromLocalFile(tried.last()));
        }
        // Gone after the existence check, and reported as given, not as acted on.
        tried.append(dir.createFile("vanishing"));
        fileSystem.vanish(tried.last(), 1);
        failing.append(QUrl::fromLocalFile(dir.path("./vanishing")));
        QFuture<DeletionReport> all, none;
        {
            FileDeletionService service(sandboxHost(), fileSystem);
            all = service.deleteItems(
                planOf(QList<QUrl>{first} + failing + QList<QUrl>{first}, {{dir.path()}, {}}));
            none = service.deleteItems(planOf({}, {}));
        } // queued calls finish before the service goes away

        QCOMPARE(all.result().deleted, (QList<QUrl>{first, first}));
        QList<QUrl> urls;
        QStringList reasons;
        for (const DeletionFailure& failure : all.result().failures) {
            QVERIFY(!failure.id.isNull());
            urls.append(failure.url);
            reasons.append(failure.reason);
        }
        QCOMPARE(urls, failing);
        QCOMPARE(reasons, (QStringList{permissionReason, permissionReason, "Read-only file system",
                                       goneReason, goneReason}));
        QVERIFY(none.result().deleted.isEmpty() && none.result().failures.isEmpty());
        QCOMPARE(fileSystem.trashedPaths(), tried);
    }

    void methodDecidesWhatTheTrashIsAskedAndWhatARefusalLeadsTo_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("deleted"); // of the items taken, refused and linked
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("removed"); // the items removal in place was asked for
        using Method = RemovalOptions::Method;
        QTest::newRow("trash, else removal") << int(Method::trashElseRemove) << "taken refused"
                                             << ""
                                             << "refused linked";
        QTest::newRow("trash only") << int(Method::trashOnly) << "taken"
                                    << "refused"
                                    << "";
        QTest::newRow("removal in place") << int(Method::removeInPlace) << "taken refused"
                                          << ""
                                          << "taken refused linked";
    }

    // What the Trash refuses is removed in place, or left for the caller to ask about; a link on
    // an item's path fails it either way.
    void methodDecidesWhatTheTrashIsAskedAndWhatARefusalLeadsTo() {
        QFETCH(int, method);
        QFETCH(QString, deleted);
        QFETCH(QString, refused);
        QFETCH(QString, removed);
        TestDir dir;
        FaultInjectingFileSystem fileSystem;
        const QString tag = QString::number(qHash(QByteArray(QTest::currentDataTag())));
        QList<QUrl> urls;
        for (const char* name : {"taken", "refused", "linked"})
            urls.append(QUrl::fromLocalFile(dir.createFile(name + tag)));
        fileSystem.failTrash(urls[1].toLocalFile(), NoTrashOnVolumeError);
        fileSystem.failTrash(urls[2].toLocalFile(), LinkInPathError);
        fileSystem.failRemoval(urls[2].toLocalFile(), LinkInPathError);
        const auto names = [&tag](const auto& items) {
            QStringList found;
            for (const auto& item : items)
                found.append(QFileInfo(toPath(item)).fileName().remove(tag));
            return found.join(u' ');
        };

        const DeletionReport report =
            FileDeletionService(sandboxHost(), fileSystem)
                .deleteItems(planOf(urls, {{dir.path()}, {}}), {RemovalOptions::Method(method)})
                .result();

        QCOMPARE(names(report.deleted), deleted);
        QCOMPARE(names(report.trashRefusals), refused);
        QCOMPARE(names(report.failures), QString("linked"));
        QCOMPARE(names(fileSystem.removedPaths()), removed);
        QCOMPARE(fileSystem.trashedPaths().isEmpty(), removed.contains("taken"));
        QCOMPARE(report.trashRefusals.value(0).reason,
                 refused.isEmpty() ? QString() : "Its volume has no Trash that can be used.");
    }

    void permissionFailureNamesTheFolderThatRefused_data() {
        QTest::addColumn<QString>("refusing");
        QTest::addColumn<QString>("reason");
        const QString home = TrashSandbox::instance().homePath();
        const QString hint = "Permission denied: the folder “%1” cannot be changed. Check its "
                             "permissions.";
        QTest::newRow("in the home") << home + "/.config/app" << hint.arg("~/.config/app");
        QTest::newRow("the home") << home << hint.arg("~");
        QTest::newRow("outside the home") << "/srv/shared" << hint.arg("/srv/shared");
        QTest::newRow("beside the home") << home + "-old/app" << hint.arg(home + "-old/app");
        QTest::newRow("not known") << QString() << permissionReason;
    }

    // The Trash and the removal in place both refused; the hint names the folder the removal
    // met, from "~" when it lies in the home.
    void permissionFailureNamesTheFolderThatRefused() {
#ifdef Q_OS_MACOS
        QSKIP("macOS asks for Full Disk Access instead");
#endif
        QFETCH(QString, refusing);
        QFETCH(QString, reason);
        TestDir dir;
        const QString item = dir.createFile("item");
        FaultInjectingFileSystem fileSystem;
        fileSystem.failTrash(item, NoWritePermissionError, {}, "/trash/refused");
        fileSystem.failRemoval(item, NoWritePermissionError, {}, refusing);

        const DeletionReport report =
            FileDeletionService(sandboxHost(), fileSystem)
                .deleteItems(planOf({QUrl::fromLocalFile(item)}, {{dir.path()}, {}}))
                .result();

        QCOMPARE(report.failures.size(), 1);
        QCOMPARE(report.failures.first().reason, reason);
    }

    // Asked to stop, the service finishes the item in hand and leaves the rest untouched.
    void stopsBetweenItemsWhenAsked() {
        TestDir dir;
        QList<QUrl> urls;
        for (const char* name : {"first", "second", "third", "fourth"})
            urls.append(QUrl::fromLocalFile(dir.createFile(name)));
        int asked = 0;
        const RemovalOptions options{RemovalOptions::Method::trashOnly,
                                     [&asked] { return ++asked > 2; }};

        const DeletionReport report = FileDeletionService(sandboxHost())
                                          .deleteItems(planOf(urls, {{dir.path()}, {}}), options)
                                          .result();

        QCOMPARE(report.deleted, urls.first(2));
        QCOMPARE(report.notAttempted, urls.sliced(2));
        QVERIFY(isGone(urls[1].toLocalFile()) && QFile::exists(urls[2].toLocalFile()));
    }

    // Working in a user's home for an administrator, the removal never reaches through a link
    // that leads out of that home, even one on the way to the scanned folder.
    void confinedRemovalStaysInTheHome_data() {
        QTest::addColumn<QString>("config"); // where home/.config really lies
        QTest::addColumn<QString>("reason"); // empty: removed
        QTest::newRow("a folder") << "home/.config" << QString();
        QTest::newRow("a link within the home") << "home/dotfiles/config" << QString();
        QTest::newRow("a link into another home")
            << "other/.config"
            << "A link on its path leads out of its user's home; nothing was removed through it.";
    }

    void confinedRemovalStaysInTheHome() {
        QFETCH(QString, config);
        QFETCH(QString, reason);
        TestDir dir;
        const QString item = dir.createFile(config + "/app/settings.ini");
        if (config != "home/.config")
            dir.createSymlink("home/.config", dir.path(config));
        const QUrl url = QUrl::fromLocalFile(dir.path("home/.config/app"));
        RemovalScope scope{{dir.path("home/.config")}, {}};
        scope.confinement = dir.path("home");

        const DeletionReport report = FileDeletionService(Host::withDefaults(dir.path("home")))
                                          .deleteItems(planOf({url}, scope))
                                          .result();

        QCOMPARE(report.failures.value(0).reason, reason);
        QCOMPARE(QFile::exists(item), !reason.isEmpty());
    }

    void refusesLocationsThatMustNotBeRemoved_data() {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<QString>("reason"); // empty: removed, as it does not exist
        const auto local = [](const char* path) { return QUrl::fromLocalFile(path); };
        const QString foreign = "Not a file on this computer.";
        QTest::newRow("web address") << QUrl("https://example.com/a") << foreign;
        QTest::newRow("relative path") << local("Library/Caches") << foreign;
        QTest::newRow("remote host") << QUrl("file://server/home/ada/x") << foreign;
        QTest::newRow("root by dots") << local("/tmp/..") << protectedReason;
        QTest::newRow("home with slash") << local("/home/ada/") << protectedReason;
        QTest::newRow("above home") << local("/home") << protectedReason;
        QTest::newRow("inside home") << local("/home/ada/Library/x") << QString();
        QTest::newRow("scan root") << local("/home/ada/Library") << protectedReason;
        QTest::newRow("standard folder") << local("/home/ada/Documents") << protectedReason;
        QTest::newRow("the host's settings folder") << local("/srv/ada-config") << protectedReason;
        QTest::newRow("outside the roots")
            << local("/home/adam")
            << "This item lies outside the scanned folders and was not removed.";
    }

    void refusesLocationsThatMustNotBeRemoved() {
        QFETCH(QUrl, url);
        QFETCH(QString, reason);
        FaultInjectingFileSystem fileSystem;
        const Host host = Host::resolve("/home/ada/", {},
                                        hostVariables({{"XDG_CONFIG_HOME", "/srv/ada-config"}}));
        // Should a refusal slip through, the injected failures still keep the disk untouched.
        fileSystem.failTrash(url.toLocalFile(), 1);
        fileSystem.failRemoval(url.toLocalFile(), 1, "not refused");

        const DeletionReport report = FileDeletionService(host, fileSystem)
                                          .deleteItems(planOf({url}, {{"/home/ada/Library"}, {}}))
                                          .result();

        QCOMPARE(report.failures.value(0).reason, reason);
        QCOMPARE(report.deleted.size(), reason.isEmpty() ? 1 : 0);
        QVERIFY(fileSystem.trashedPaths().isEmpty() && fileSystem.removedPaths().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFileDeletionService)
#include "TestFileDeletionService.moc"
