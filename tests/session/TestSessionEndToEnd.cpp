#include "HostVariables.h"
#include "TableProgramRunner.h"
#include "TestDir.h"
#include "TrashSandbox.h"
#include "platform/FileSystem.h"
#include "removal/FileDeletionService.h"
#include "removal/PermissionManager.h"
#include "removal/RemovalJournal.h"
#include "session/AppPreferences.h"
#include "session/CleanerViewModel.h"
#include "session/InstalledAppsModel.h"
#include "session/PreferenceStore.h"
#include "session/RemovalHistoryModel.h"
#include "session/SharedByteFormatter.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace tidewell;

class TestSessionEndToEnd : public QObject {
    Q_OBJECT

    Host hostOn(const QString& home, const QString& root) const {
        return Host::resolve(home, root, hostVariables({{"XDG_DATA_DIRS", m_system.path()}}));
    }

    // A session with the real scanner, removal and intake on home, the system folders under
    // root. The host has no program path: neither the file index nor the package database
    // plays a part, the walk alone must find the leftovers. A deletion service given takes
    // the real one's place.
    std::unique_ptr<CleanerViewModel> makeModel(const QString& home, const QString& root,
                                                PreferenceStore& preferences,
                                                PermissionManager& permissions,
                                                std::shared_ptr<FileDeleting> deletion = {}) {
        AppPreferences::registerDefaults(preferences);
        CleanerViewModel::Collaborators collaborators = CleanerViewModel::collaboratorsOn(
            hostOn(home, root), std::make_shared<TableProgramRunner>());
        if (deletion)
            collaborators.deletion = std::move(deletion);
        collaborators.preferences = &preferences;
        collaborators.permissions = &permissions;
        return std::make_unique<CleanerViewModel>(std::move(collaborators));
    }

    QStringList trashed() const {
        return QDir(TrashSandbox::instance().trashFilesPath())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    // Harbor Notes with two leftovers, the bundle first.
    static QStringList makeHarborNotes(TestDir& home) {
        return {home.createAppBundle(
                    "Applications/Harbor Notes.app",
                    {{"CFBundleIdentifier", "com.harbor.notes"}, {"CFBundleName", "Harbor Notes"}}),
                home.createFile("Library/Caches/com.harbor.notes/db", "x"),
                home.createFile("Library/Preferences/com.harbor.notes.plist")};
    }

    // Drops the bundle, waits for its leftovers and removes them with it.
    void removeHarborNotes(CleanerViewModel& model, const QString& bundle) {
        model.handleDroppedApp(QUrl::fromLocalFile(bundle));
        QTRY_VERIFY(model.phase() == CleanerViewModel::Results && model.selectedCount() == 3);
        model.deleteSelectedFiles();
        QTRY_COMPARE(model.phase(), CleanerViewModel::Outcome);
    }

    TestDir m_system;

private slots:
    // A refused item is named, with what would do instead or that it is not there at all.
    void refusalsNameTheItem_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("not an app")
            << "hostname"
            << u"\u201chostname\u201d is not an app. Choose an app bundle, a "
               u"desktop entry or an AppImage."_qs;
        QTest::newRow("missing entry") << "" << u"\u201cgone.desktop\u201d does not exist."_qs;
    }
    void refusalsNameTheItem() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        TestDir home, root;
        PreferenceStore preferences(home.path("settings.ini"));
        PermissionManager permissions(FileSystem::real(), home.path());
        const std::unique_ptr<CleanerViewModel> model =
            makeModel(home.path(), root.path(), preferences, permissions);
        const QString path =
            file.isEmpty() ? home.path("gone.desktop") : home.createFile(file, "x");
        model->handleDroppedApp(QUrl::fromLocalFile(path));
        QTRY_VERIFY(model->showErrorAlert());
        QCOMPARE(model->errorMessage(), message);
    }

    // The Trash receives exactly the selected leftovers and the bundle; everything else stays.
    void wholeSession() {
        if (!TrashSandbox::instance().isActive())
            QSKIP("the Trash was fixed before the sandbox could take its place");
        TestDir home, root;
        const QString bundle = home.createAppBundle(
            "Applications/Harbor Notes.app",
            {{"CFBundleIdentifier", "com.harbor.notes"}, {"CFBundleName", "Harbor Notes"}});
        home.createFileOfSize("Applications/Harbor Notes.app/Contents/MacOS/Harbor Notes", 20000);
        home.createFileOfSize("Library/Caches/com.harbor.notes/cache.db", 8000);
        home.createFileOfSize("Library/Application Support/Harbor Notes/notes.sqlite", 12000);
        const QString kept = home.createFileOfSize("Library/Preferences/com.harbor.notes.plist", 3);
        const QString unrelated = home.createFileOfSize("Library/Caches/com.tide.clock/c", 50);
        PreferenceStore preferences(home.path("settings.ini"));
        PermissionManager permissions(FileSystem::real(), home.path());
        const auto session = makeModel(home.path(), root.path(), preferences, permissions);
        CleanerViewModel& model = *session;

        model.handleDroppedApp(QUrl::fromLocalFile(bundle));
        QTRY_VERIFY(model.phase() == CleanerViewModel::Results &&
                    model.app()->sizeInBytes() >= 20000);
        QCOMPARE(model.statusMessage(), "Found 3 related items.");
        QVERIFY(model.files()->setSelected(model.files()->rowOfId(kept), false));
        const qint64 selectedSize = model.selectedSize();
        QVERIFY(model.selectedCount() == 3 && selectedSize >= 20000 + 8000 + 12000);
        // Gone before the removal: counted as removed.
        QVERIFY(QDir(home.path("Library/Application Support/Harbor Notes")).removeRecursively());

        model.requestDeletion();
        QVERIFY(model.showDeleteConfirmation() && model.phase() == CleanerViewModel::Results);
        model.deleteSelectedFiles(); // the confirmation's destructive button
        QTRY_COMPARE(model.phase(), CleanerViewModel::Outcome);

        QCOMPARE(model.statusMessage(), "Moved 3 items to Trash.");
        QCOMPARE(model.outcome()->reclaimedBytes(), selectedSize);
        QCOMPARE(trashed(), QStringList({"Harbor Notes.app", "com.harbor.notes"}));
        QVERIFY(!QFileInfo::exists(bundle) && QFileInfo::exists(kept) &&
                QFileInfo::exists(unrelated));
    }

    // The outcome's Undo, and the Undo of the settings' list of recent removals, each put the
    // removal back from the Trash.
    void undoPutsTheRemovalBack() {
        if (!TrashSandbox::instance().isActive())
            QSKIP("the Trash was fixed before the sandbox could take its place");
        TestDir home, root;
        const QStringList items = makeHarborNotes(home);
        const QString& bundle = items.first();
        PreferenceStore preferences(root.path("settings.ini"));
        PermissionManager permissions(FileSystem::real(), home.path());
        const auto session = makeModel(home.path(), root.path(), preferences, permissions);
        CleanerViewModel& model = *session;
        const auto journal = std::make_shared<RemovalJournal>(
            RemovalJournal::folderOn(hostOn(home.path(), root.path())));
        RemovalHistoryModel recent(journal, undoerOf(journal));
        QAbstractItemModelTester tester(&recent);

        removeHarborNotes(model, bundle);
        QVERIFY(model.outcome()->canUndo() && !QFileInfo::exists(bundle));
        model.undoRemoval();
        QTRY_VERIFY(!model.outcome()->isUndoing());
        QVERIFY2(model.outcome()->undoStatus().startsWith("Put back 3 item"),
                 qPrintable(model.outcome()->undoStatus()));
        QVERIFY(!model.outcome()->canUndo());
        for (const QString& item : items)
            QVERIFY2(QFileInfo::exists(item), qPrintable(item));

        model.resetSelection();
        removeHarborNotes(model, bundle);
        recent.reload();
        QTRY_COMPARE(recent.rowCount(), 2);
        const QModelIndex latest = recent.index(0);
        QCOMPARE(latest.data(RemovalHistoryModel::IdRole).toLongLong(), 2);
        QVERIFY(latest.data(RemovalHistoryModel::UndoableRole).toBool());
        recent.undo(0);
        QTRY_VERIFY(!recent.index(0).data(RemovalHistoryModel::StatusRole).toString().isEmpty());
        QTRY_VERIFY(!recent.loading() &&
                    !recent.index(0).data(RemovalHistoryModel::UndoableRole).toBool());
        for (const QString& item : items)
            QVERIFY2(QFileInfo::exists(item), qPrintable(item));
    }

    // Without a journal the removal does not start: the window says why and keeps the list.
    void refusesToRemoveWithoutAJournal() {
        TestDir home, root;
        const QString bundle = makeHarborNotes(home).first();
        root.createFile("state", "a file where the journal's folder would go");
        PreferenceStore preferences(root.path("settings.ini"));
        PermissionManager permissions(FileSystem::real(), home.path());
        const auto session =
            makeModel(home.path(), root.path(), preferences, permissions,
                      std::make_shared<FileDeletionService>(
                          hostOn(home.path(), root.path()), FileSystem::real(),
                          std::make_shared<RemovalJournal>(root.path("state/tidewell"))));
        CleanerViewModel& model = *session;

        model.handleDroppedApp(QUrl::fromLocalFile(bundle));
        QTRY_VERIFY(model.phase() == CleanerViewModel::Results && model.selectedCount() == 3);
        model.deleteSelectedFiles();
        QTRY_VERIFY(model.showErrorAlert());
        QVERIFY2(model.errorMessage().startsWith("Nothing was removed: "),
                 qPrintable(model.errorMessage()));
        QCOMPARE(model.phase(), CleanerViewModel::Results);
        QCOMPARE(model.files()->count(), 2);
        QVERIFY(QFileInfo::exists(bundle));
    }

    // The chooser gives each app the size the window shows once it has scanned that app, and
    // none to an app that left nothing.
    void chooserSizeIsTheScansFigure() {
        TestDir home, root;
        home.createFile("Apps/Drift/drift");
        home.createDesktopEntry(".local/share/applications/drift.desktop",
                                {.name = "Drift", .exec = home.path("Apps/Drift/drift")});
        home.createDesktopEntry(".config/autostart/drift.desktop",
                                {.name = "Drift", .exec = home.path("Apps/Drift/drift --tray")});
        home.createFileOfSize(".config/Drift/settings.json", 30000);
        home.createFileOfSize(".cache/drift/blob", 9000);
        // A system entry: the data folders lie under the root.
        root.createDesktopEntry(m_system.path("applications/bare.desktop").mid(1),
                                {.name = "Bare", .exec = "/bin/sh"});
        InstalledAppsModel chooser(hostOn(home.path(), root.path()));
        QSignalSpy measured(&chooser, &QAbstractItemModel::dataChanged);
        chooser.reload();
        QTRY_COMPARE(measured.size(), 1);
        PreferenceStore preferences(root.path("settings.ini"));
        PermissionManager permissions(FileSystem::real(), home.path());
        const auto session = makeModel(home.path(), root.path(), preferences, permissions);

        QHash<QString, QString> shown; // by name
        for (int row = 0; row < chooser.rowCount(); ++row) {
            const QModelIndex index = chooser.index(row);
            const QString text = index.data(InstalledAppsModel::DataSizeTextRole).toString();
            shown.insert(index.data(InstalledAppsModel::NameRole).toString(), text);
            session->handleDroppedApp(chooser.entryUrlAt(row));
            QTRY_COMPARE(session->phase(), CleanerViewModel::Results);
            QCOMPARE(text, session->selectedSize() > 0
                               ? SharedByteFormatter::localized(session->selectedSize())
                               : QString());
            session->resetSelection();
        }
        QCOMPARE(shown.value("Bare", "missing"), QString());
        QVERIFY(!shown.value("Drift").isEmpty());
    }

    // A dropped desktop entry of a system-wide Flatpak: its leftovers go, the entry itself
    // stays with its package manager, whose command is offered; the header gives the size of
    // what Flatpak deployed, which the removal does not free.
    void linuxAppKeepsItsPackagedEntry() {
        if (!TrashSandbox::instance().isActive())
            QSKIP("the Trash was fixed before the sandbox could take its place");
        TestDir root;
        const QString entry = m_system.createDesktopEntry("applications/org.example.Tide.desktop",
                                                          {.name = "Tide",
                                                           .exec = "flatpak run org.example.Tide",
                                                           .flatpak = "org.example.Tide"});
        root.createFileOfSize("var/lib/flatpak/app/org.example.Tide/current/active/files/tide",
                              30000);
        const QString home = QDir::homePath(); // the Trash sandbox's home
        QVERIFY(QDir().mkpath(home + "/.config/tide") &&
                QDir().mkpath(home + "/.config/tidewater"));
        PreferenceStore preferences(root.path("settings.ini"));
        PermissionManager permissions(FileSystem::real(), home);
        const auto session = makeModel(home, root.path(), preferences, permissions);
        CleanerViewModel& model = *session;

        model.handleDroppedApp(QUrl::fromLocalFile(entry));
        QTRY_VERIFY(model.phase() == CleanerViewModel::Results &&
                    model.statusMessage() == "Found 1 related items.");
        QCOMPARE(model.selectedCount(), 1);
        PackageUninstaller& uninstaller = *model.uninstaller();
        QTRY_COMPARE(uninstaller.command(), "flatpak uninstall -- org.example.Tide");
        QTRY_VERIFY(model.app()->sizeInBytes() >= 30000);
        QCOMPARE(model.app()->sizeText(),
                 SharedByteFormatter::localized(model.app()->sizeInBytes()));
        QVERIFY(model.selectedSize() < 30000);
        const QStringList before = trashed();
        model.deleteSelectedFiles();
        QTRY_COMPARE(model.phase(), CleanerViewModel::Outcome);
        QCOMPARE(trashed().size(), before.size() + 1);
        QVERIFY(QFileInfo::exists(entry) && !QFileInfo::exists(home + "/.config/tide") &&
                QFileInfo::exists(home + "/.config/tidewater"));

        // Run on request through a flatpak that fails first, as when the app is in use, then
        // succeeds; it is never asked a question. The uninstall command runs with this process's
        // PATH, as the user's own terminal would.
        const QString log = root.path("ran.log");
        const QString flatpak = root.createFile(
            "bin/flatpak", "#!/bin/sh\necho \"$*\" >> " + log.toUtf8() + "\n[ -e " + log.toUtf8() +
                               ".once ] && exit 0\ntouch " + log.toUtf8() +
                               ".once\necho 'error: Tide is running'\nexit 1\n");
        QFile::setPermissions(flatpak, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", root.path("bin").toUtf8() + ':' + path);
        QVERIFY(uninstaller.canRun());
        uninstaller.run();
        QTRY_COMPARE(uninstaller.status(), "The command failed: error: Tide is running");
        QVERIFY(uninstaller.canRun());
        uninstaller.run();
        QTRY_COMPARE(uninstaller.status(), "Uninstalled.");
        QVERIFY(!uninstaller.canRun() && !uninstaller.isRunning());
        qputenv("PATH", path);
        QFile ran(log);
        QVERIFY(ran.open(QIODevice::ReadOnly));
        QCOMPARE(ran.readAll(),
                 "uninstall -y -- org.example.Tide\nuninstall -y -- org.example.Tide\n");
        // Both runs are in the removal's journal entry, and neither can be undone.
        const QList<RemovalRecord> removals =
            RemovalJournal(RemovalJournal::folderOn(hostOn(home, root.path()))).readAll();
        QVERIFY(!removals.isEmpty());
        const QString command = "flatpak uninstall -- org.example.Tide";
        QCOMPARE(removals.first().packageRuns,
                 (QList<RemovalRecord::PackageRun>{{command, 1}, {command, 0}}));
    }
};

QTEST_GUILESS_MAIN(TestSessionEndToEnd)
#include "TestSessionEndToEnd.moc"
