#include "TestDir.h"
#include "TrashSandbox.h"
#include "removal/FileDeletionService.h"
#include "removal/PermissionManager.h"
#include "scanner/LeftoverScannerService.h"
#include "session/AppPreferences.h"
#include "session/CleanerViewModel.h"
#include "session/PreferenceStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <memory>

using namespace tidewell;

namespace {

// The host's file index plays no part here: the walk alone must find the leftovers.
class NoIndex : public SpotlightSearching {
public:
    QList<QUrl> search(const AppDescriptor&, const QList<QUrl>&) const override { return {}; }
};

QSet<QString> namesIn(const QString& folder) {
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    return {names.cbegin(), names.cend()};
}

} // namespace

class TestSessionEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!TrashSandbox::instance().isActive())
            QSKIP("the Trash was fixed before the sandbox could take its place");
    }

    void wholeSession() {
        TestDir home;
        TestDir root;
        const QString trash = TrashSandbox::instance().trashFilesPath();
        QVERIFY(home.isValid() && root.isValid());
        const QString bundle = home.createAppBundle(
            "Applications/Harbor Notes.app",
            {{"CFBundleIdentifier", "com.harbor.notes"}, {"CFBundleName", "Harbor Notes"}});
        home.createFileOfSize("Applications/Harbor Notes.app/Contents/MacOS/Harbor Notes", 20000);
        home.createFileOfSize("Library/Caches/com.harbor.notes/cache.db", 8000);
        home.createFileOfSize("Library/Application Support/Harbor Notes/notes.sqlite", 12000);
        home.createFileOfSize("Library/Saved Application State/com.harbor.notes.savedState/w", 500);
        home.createFileOfSize("Library/Preferences/com.harbor.notes.plist", 300);
        home.createFileOfSize("Library/Logs/Harbor Notes/today.log", 700);
        const QStringList removed = {home.path("Library/Caches/com.harbor.notes"),
                                     home.path("Library/Application Support/Harbor Notes"),
                                     home.path("Library/Saved Application State/"
                                               "com.harbor.notes.savedState")};
        const QStringList kept = {home.path("Library/Preferences/com.harbor.notes.plist"),
                                  home.path("Library/Logs/Harbor Notes")};
        const QString unrelated = home.createFileOfSize("Library/Caches/com.tide.clock/c", 50);

        PreferenceStore preferences(home.path("settings.ini"));
        AppPreferences::registerDefaults(preferences);
        PermissionManager permissions(FileSystem::real(), home.path());
        CleanerViewModel model(
            {std::make_shared<LeftoverScannerService>(std::make_shared<NoIndex>(),
                                                      ScanEnvironment{home.path(), root.path()}),
             std::make_shared<FileDeletionService>(),
             &preferences,
             &permissions,
             {}});

        model.handleDroppedApp(QUrl::fromLocalFile(bundle));
        QTRY_VERIFY(!model.isScanning());
        QTRY_VERIFY(model.droppedAppSizeInBytes() >= 20000);
        QCOMPARE(model.statusMessage(), "Found 5 related items.");
        FileListModel& files = *model.files();
        for (const QString& item : kept) {
            const int row = files.rowOfId(item);
            QVERIFY2(row >= 0, qPrintable(item));
            QVERIFY(files.setData(files.index(row), false, FileListModel::IsSelectedRole));
        }
        QCOMPARE(model.selectedCount(), 4);
        const qint64 selectedSize = model.selectedSize();
        QVERIFY(selectedSize >= 20000 + 8000 + 12000 + 500);

        model.requestDeletion();
        QVERIFY(model.showDeleteConfirmation());
        model.setShowDeleteConfirmation(false);
        model.deleteSelectedFiles(); // the confirmation's destructive button
        QTRY_VERIFY(model.showSuccessState());

        QCOMPARE(model.statusMessage(), "Moved 4 items to Trash.");
        QCOMPARE(model.lastDeletedCount(), 4);
        QCOMPARE(model.lastReclaimedSize(), selectedSize);
        QCOMPARE(files.count(), 2);
        QCOMPARE(namesIn(trash),
                 QSet<QString>({"com.harbor.notes", "Harbor Notes", "com.harbor.notes.savedState",
                                "Harbor Notes.app"}));
        for (const QString& item : removed)
            QVERIFY(!QFileInfo::exists(item));
        for (const QString& item : kept + QStringList{unrelated})
            QVERIFY(QFileInfo::exists(item));

        model.resetSelection();
        QVERIFY(!model.hasDroppedApp() && !model.showSuccessState());
        QCOMPARE(files.count(), 0);
        QCOMPARE(model.statusMessage(), "Drop your apps here");
    }
};

QTEST_GUILESS_MAIN(TestSessionEndToEnd)
#include "TestSessionEndToEnd.moc"
