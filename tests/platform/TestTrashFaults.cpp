#include "ScratchMount.h"
#include "TestDir.h"
#include "TrashSandbox.h"
#include "platform/FileErrors.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QUuid>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace tidewell;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The Trash's record of an item at path deleted between from and to (local times), as file
// managers read it.
bool isRecordOf(const QByteArray& record, const QByteArray& path, const QDateTime& from,
                const QDateTime& to) {
    static const QRegularExpression form(
        "^\\[Trash Info\\]\\nPath=([^\\n]*)\\n"
        "DeletionDate=(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)\\n$");
    const QRegularExpressionMatch match = form.match(QString::fromUtf8(record));
    const QDateTime date = QDateTime::fromString(match.captured(2), Qt::ISODate);
    return match.hasMatch() && match.captured(1).toUtf8() == path.toPercentEncoding("/") &&
           date >= from.addMSecs(-from.time().msec()) && date <= to;
}

// Moves the sandbox's folder at relative aside and puts a link to target in its place, until the
// returned guard goes.
auto linkInstead(const QString& relative, const QString& target) {
    const QString folder = TrashSandbox::instance().dataPath() + u'/' + relative;
    QDir().mkpath(folder);
    const bool moved = QFile::rename(folder, folder + ".real") && QFile::link(target, folder);
    return qScopeGuard([folder, moved] {
        QFile::remove(folder);
        if (moved)
            QFile::rename(folder + ".real", folder);
    });
}

} // namespace

// Every way the Trash can be cut short or misled: a parent folder swapped for a link, name
// clashes, a full disk, linked trash folders, and the trash at the top of another volume.
class TestTrashFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TrashSandbox::instance().isActive()); }

    // Items of a folder that another process swaps for a link, back and forth, while they go:
    // each goes from the folder itself, nothing from where the link points.
    void parentSwappedForALinkDuringRemovals() {
        TestDir outside;
        const QString parent = TrashSandbox::instance().homePath() + "/.var";
        constexpr int items = 300;
        for (int i = 0; i < items; ++i) {
            QDir().mkpath(parent + "/app/item-" + QString::number(i));
            outside.createFile("app/item-" + QString::number(i) + "/keep", "keep");
        }
        const QByteArray real = QFile::encodeName(parent), aside = real + "-real",
                         target = QFile::encodeName(outside.path());
        std::atomic<bool> stop = false;
        std::thread swapper([&] {
            while (!stop) {
                std::rename(real.constData(), aside.constData());
                ::symlink(target.constData(), real.constData());
                ::unlink(real.constData());
                std::rename(aside.constData(), real.constData());
                // A moment with the real folder in place, however busy the machine: some
                // items must go, or the race proves nothing.
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
        });
        int trashed = 0;
        for (int i = 0; i < items; ++i) {
            // A loaded machine may run the swapper through most moments: each item has a few
            // tries, so that some go however the threads are scheduled.
            const QString item = parent + "/app/item-" + QString::number(i);
            bool gone = false;
            for (int attempt = 0; attempt < 20 && !gone; ++attempt)
                gone = FileSystem::real().moveToTrash(item).ok();
            trashed += gone;
        }
        stop = true;
        swapper.join();

        QCOMPARE(entriesOf(outside.path("app")).size(), items);
        QCOMPARE(entriesOf(parent + "/app").size(), items - trashed);
        QVERIFY2(trashed > 0, "the swaps left no moment to trash anything");
    }

    void recordNamesThePlaceAndTime_data() {
        QTest::addColumn<QString>("name"); // %1: a mark of the row, unique in the shared Trash
        QTest::addColumn<QStringList>("trashNames");
        QTest::newRow("plain") << "Report%1" << QStringList{"Report%1", "Report%1.2", "Report%1.3"};
        QTest::newRow("extension")
            << "notes%1.tar.gz" << QStringList{"notes%1.tar.gz", "notes%1.2.tar.gz"};
        QTest::newRow("hidden") << ".config%1" << QStringList{".config%1", ".config%1.2"};
        QTest::newRow("escaped") << "50% off #%1 \u00fc?" << QStringList{"50% off #%1 \u00fc?"};
    }

    // Items of one name from different folders: each under its own name in files/, with a record
    // of the same name that holds its exact place and the time it went.
    void recordNamesThePlaceAndTime() {
        QFETCH(QString, name);
        QFETCH(QStringList, trashNames);
        const QString mark = QUuid::createUuid().toString(QUuid::Id128).left(8);
        const TrashSandbox& sandbox = TrashSandbox::instance();
        TestDir home;
        for (qsizetype i = 0; i < trashNames.size(); ++i) {
            const QString path =
                home.createFile(QString::number(i) + u'/' + name.arg(mark), QByteArray::number(i));
            const QDateTime before = QDateTime::currentDateTime();
            const FileOperationResult result = FileSystem::real().moveToTrash(path);
            const QDateTime after = QDateTime::currentDateTime();
            QVERIFY2(result.ok(), qPrintable(result.message));

            const QString trashName = trashNames[i].arg(mark);
            QCOMPARE(contentOf(sandbox.trashFilesPath() + u'/' + trashName), QByteArray::number(i));
            const QByteArray record =
                contentOf(sandbox.trashInfoPath() + u'/' + trashName + ".trashinfo");
            QVERIFY2(isRecordOf(record, QFile::encodeName(path), before, after), record);
        }
    }

    // A disk too full for the record: the item stays where it was and nothing is left in the
    // Trash, neither the item nor an empty record.
    void fullDiskLeavesTheItemInPlace() {
        const QString data = TrashSandbox::instance().dataPath();
        const ScratchMount disk(data, "tmpfs", "size=64k");
        if (!disk.failure().isEmpty())
            QSKIP(qPrintable(disk.failure()));
        QDir().mkpath(data + "/Trash/files");
        QDir().mkpath(data + "/Trash/info");
        QVERIFY(QDir().mkpath(data + "/item"));
        QFile filler(data + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
        filler.close();

        const FileOperationResult result = FileSystem::real().moveToTrash(data + "/item");

        QVERIFY(!result.ok() && !result.message.isEmpty());
        QVERIFY(QFileInfo(data + "/item").isDir());
        QCOMPARE(entriesOf(data + "/Trash/files"), QStringList());
        QCOMPARE(entriesOf(data + "/Trash/info"), QStringList());
    }

    void refusesALinkedTrashFolder_data() {
        QTest::addColumn<QString>("linked");
        for (const char* folder : {"Trash", "Trash/files", "Trash/info"})
            QTest::newRow(folder) << folder;
    }

    void refusesALinkedTrashFolder() {
        QFETCH(QString, linked);
        TestDir decoy;
        decoy.createDirectory("files");
        decoy.createDirectory("info");
        const auto restore = linkInstead(linked, decoy.path(linked.section(u'/', 1)));
        const QString item = TrashSandbox::instance().homePath() + "/linked-trash-" +
                             QString(linked).replace(u'/', u'-');
        QVERIFY(QDir().mkpath(item));

        QCOMPARE(FileSystem::real().moveToTrash(item).errorCode, int(LinkInTrashError));
        QVERIFY(QFileInfo(item).isDir());
        QCOMPARE(entriesOf(decoy.path("files")) + entriesOf(decoy.path("info")), QStringList());
    }

    void volumeTrashAtTheTopOfTheVolume_data() {
        QTest::addColumn<QString>("shared"); // how $topdir/.Trash is made; empty: not at all
        QTest::addColumn<QString>("trash");  // where the item goes, %1 the user id
        QTest::newRow("none") << ""
                              << ".Trash-%1";
        QTest::newRow("sticky folder") << "sticky"
                                       << ".Trash/%1";
        QTest::newRow("folder without sticky bit") << "plain"
                                                   << ".Trash-%1";
        QTest::newRow("link to a sticky folder") << "link"
                                                 << ".Trash-%1";
    }

    // A volume of its own (not a system mount): the trash at its top, made by the rules of the
    // Trash, with a record of the item's place relative to that top.
    void volumeTrashAtTheTopOfTheVolume() {
        QFETCH(QString, shared);
        QFETCH(QString, trash);
        TestDir dir;
        const QString top = dir.createDirectory("volume");
        const ScratchMount volume(top, "ramfs");
        if (!volume.failure().isEmpty())
            QSKIP(qPrintable(volume.failure()));
        const QString sticky = top + (shared == "link" ? "/elsewhere" : "/.Trash");
        if (!shared.isEmpty())
            QVERIFY(::mkdir(QFile::encodeName(sticky), shared == "plain" ? 0777 : 01777) == 0);
        if (shared == "link")
            QVERIFY(QFile::link(sticky, top + "/.Trash"));
        const QString item = dir.createFile("volume/some folder/item", "x");

        const FileOperationResult result = FileSystem::real().moveToTrash(item);

        QVERIFY2(result.ok(), qPrintable(result.message));
        const QString trashPath = top + u'/' + trash.arg(::geteuid());
        QCOMPARE(contentOf(trashPath + "/files/item"), QByteArray("x"));
        QVERIFY(contentOf(trashPath + "/info/item.trashinfo")
                    .startsWith("[Trash Info]\nPath=some%20folder/item\n"));
        struct stat made {};
        QCOMPARE(::stat(QFile::encodeName(trashPath), &made), 0);
        QCOMPARE(made.st_mode & 07777, 0700u);
    }
};

QTEST_GUILESS_MAIN(TestTrashFaults)
#include "TestTrashFaults.moc"
