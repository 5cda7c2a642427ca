#include "TestDir.h"
#include "TrashSandbox.h"
#include "Unprivileged.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

using namespace tidewell;

namespace {

// The trashinfo record of every trashed item, keyed by the name it got in the Trash.
QMap<QString, QMap<QString, QString>> trashRecords(const TrashSandbox& trash) {
    QMap<QString, QMap<QString, QString>> records;
    const QStringList infos = QDir(trash.trashInfoPath()).entryList({"*.trashinfo"}, QDir::Files);
    for (const QString& info : infos) {
        QFile file(trash.trashInfoPath() + u'/' + info);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QMap<QString, QString> fields;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0)
                fields.insert(line.left(equals), line.mid(equals + 1));
        }
        records.insert(info.chopped(QStringLiteral(".trashinfo").size()), fields);
    }
    return records;
}

QString trashedNameOf(const TrashSandbox& trash, const QString& originalPath) {
    const auto records = trashRecords(trash);
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        if (QUrl::fromPercentEncoding(it.value().value("Path").toUtf8()) == originalPath)
            return it.key();
    }
    return {};
}

} // namespace

class TestTrashAndRemoval : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(TrashSandbox::instance().isActive()); }

    void trashedItemsKeepTheirOriginInTheTrash() {
        const TrashSandbox& trash = TrashSandbox::instance();
        const QString home = trash.homePath();
        const QStringList originals{home + "/first/Report.txt", home + "/second/Report.txt",
                                    home + "/Notes Folder"};
        QDir().mkpath(home + "/first");
        QDir().mkpath(home + "/second");
        QDir().mkpath(home + "/Notes Folder/inner");
        for (const QString& path : originals.first(2)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(path.toUtf8()) > 0);
        }

        QStringList trashedNames;
        for (const QString& path : originals) {
            const FileOperationResult result = FileSystem::real().moveToTrash(path);
            QVERIFY2(result.ok(), qPrintable(result.message));
            QVERIFY(!QFileInfo::exists(path));
            const QString name = trashedNameOf(trash, path);
            QVERIFY2(!name.isEmpty(), qPrintable(path));
            QVERIFY(!trashRecords(trash).value(name).value("DeletionDate").isEmpty());
            trashedNames.append(name);
        }
        // Two items of one name both stay, under different names.
        QCOMPARE(QSet<QString>(trashedNames.cbegin(), trashedNames.cend()).size(), 3);
        QFile second(trash.trashFilesPath() + u'/' + trashedNames[1]);
        QVERIFY(second.open(QIODevice::ReadOnly));
        QCOMPARE(second.readAll(), originals[1].toUtf8());
        QVERIFY(QFileInfo(trash.trashFilesPath() + u'/' + trashedNames[2] + "/inner").isDir());
    }

    void aLinkGoesToTheTrashAsALink() {
        const TrashSandbox& trash = TrashSandbox::instance();
        const QString target = trash.homePath() + "/Kept Folder";
        const QString link = trash.homePath() + "/Shortcut";
        QDir().mkpath(target + "/content");
        QVERIFY(QFile::link(target, link));

        QVERIFY(FileSystem::real().moveToTrash(link).ok());
        const QFileInfo trashed(trash.trashFilesPath() + u'/' + trashedNameOf(trash, link));
        QVERIFY(trashed.isSymLink());
        QCOMPARE(trashed.symLinkTarget(), target);
        QVERIFY(QFileInfo(target + "/content").isDir());
    }

    void trashingAMissingItemFailsWithNoSuchFile() {
        const FileOperationResult result =
            FileSystem::real().moveToTrash(TrashSandbox::instance().homePath() + "/never there");
        QCOMPARE(result.errorCode, int(NoSuchFileError));
        QVERIFY(!result.message.isEmpty());
    }

    void removalTakesAFolderTreeOrJustALink() {
        TestDir dir;
        dir.createFile(QStringLiteral("tree/a/b/file"), "data");
        dir.createSymlink(QStringLiteral("tree/a/escape"), dir.path(QStringLiteral("kept")));
        dir.createFile(QStringLiteral("kept/file"), "data");
        const QString link = dir.createSymlink(QStringLiteral("link"), dir.path("kept"));
        FileSystem& fs = FileSystem::real();

        QVERIFY(fs.removePermanently(link + u'/').ok());
        QVERIFY(!fs.existsNoFollow(link));
        QVERIFY(fs.removePermanently(dir.path(QStringLiteral("tree"))).ok());
        QVERIFY(!fs.existsNoFollow(dir.path(QStringLiteral("tree"))));
        QVERIFY(fs.exists(dir.path(QStringLiteral("kept/file"))));
        QCOMPARE(fs.removePermanently(link).errorCode, int(NoSuchFileError));
    }

    void refusedRemovalReportsNoWritePermission_data() {
        QTest::addColumn<QString>("lockedFolder");
        QTest::addColumn<QString>("removed");
        QTest::newRow("item in a locked folder") << "parent"
                                                 << "parent/item";
        QTest::newRow("folder holding a locked folder") << "outer/inner"
                                                        << "outer";
    }

    void refusedRemovalReportsNoWritePermission() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        QFETCH(QString, lockedFolder);
        QFETCH(QString, removed);
        TestDir dir;
        dir.createFile(lockedFolder + "/item/file");
        dir.setMode(lockedFolder, 0555);
        const FileOperationResult result = FileSystem::real().removePermanently(dir.path(removed));
        QCOMPARE(result.errorCode, int(NoWritePermissionError));
        QVERIFY(!result.message.isEmpty() && !result.message.contains(u'\n'));
        QVERIFY(QFileInfo(dir.path(lockedFolder + "/item")).isDir());
    }

    void trashRefusedInALockedFolderReportsNoWritePermission() {
        TIDEWELL_REQUIRE_UNPRIVILEGED();
        const QString parent = TrashSandbox::instance().homePath() + "/locked";
        QDir().mkpath(parent + "/item");
        QFile::setPermissions(parent, QFile::ReadOwner | QFile::ExeOwner);
        const FileOperationResult result = FileSystem::real().moveToTrash(parent + "/item");
        QFile::setPermissions(parent, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(result.errorCode, int(NoWritePermissionError));
        QVERIFY(QFileInfo(parent + "/item").isDir());
    }
};

QTEST_GUILESS_MAIN(TestTrashAndRemoval)
#include "TestTrashAndRemoval.moc"
