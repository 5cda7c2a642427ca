#include "../session/SessionFixture.h"
#include "HostVariables.h"
#include "ui/TidewellApp.h"

#include "removal/DeletionReport.h"
#include "session/InstalledAppsModel.h"
#include "session/OrphansModel.h"

#include <QAccessible>
#include <QDirIterator>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(TidewellPlugin)

// Runs a checking helper and ends the test when it failed.
#define CHECK(call)                                                                                \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

using namespace tidewell;

// The main window over a real view model whose scan and removal the test completes: the rows,
// the header checkbox, the bottom bar and the removal prompt reach the session and follow it,
// by mouse and by keyboard alone.
class TestMainWindow : public QObject {
    Q_OBJECT

    // The main window over the session; the engine's warnings are collected in m_warnings.
    std::unique_ptr<QQuickWindow> makeWindow(SessionFixture& session) {
        QQmlComponent component(&m_engine, QUrl("qrc:/qt/qml/Tidewell/qml/MainWindow.qml"));
        if (!component.isReady()) {
            qWarning() << component.errorString();
            return nullptr;
        }
        std::unique_ptr<QQuickWindow> window(
            qobject_cast<QQuickWindow*>(component.createWithInitialProperties({
                {"viewModel", QVariant::fromValue<QObject*>(session.model.get())},
                {"permissionManager", QVariant::fromValue<QObject*>(&session.permissions)},
                {"preferences", QVariant::fromValue<QObject*>(&session.preferences)},
                {"installedApps", QVariant::fromValue<QObject*>(m_installedApps.get())},
                {"orphans", QVariant::fromValue<QObject*>(m_orphans.get())},
            })));
        if (!window)
            qWarning() << component.errorString();
        m_window = window.get();
        return window;
    }

    // The window over the session, active and with the keyboard; null when it never was.
    std::unique_ptr<QQuickWindow> makeActiveWindow(SessionFixture& session) {
        std::unique_ptr<QQuickWindow> window = makeWindow(session);
        if (!window)
            return window;
        window->requestActivate();
        if (!QTest::qWaitForWindowActive(window.get()))
            window.reset();
        return window;
    }

    // Takes in the bundle, scans its two leftovers and waits for their rows.
    void showTwoRows(SessionFixture& session) const {
        session.takeInHarborNotes(5000);
        finishScan(session);
        QTRY_COMPARE(visibleItems("fileRow").size(), 2);
    }

    // Opens the chooser of the window on the test's two installed applications.
    void openChooser() const {
        QObject* content = m_window->property("contentView").value<QObject*>();
        QVERIFY(QMetaObject::invokeMethod(content, "chooseApp"));
        QTRY_COMPARE(visibleItems("chooserAppRow").size(), 2);
    }

    QQuickItem* only(const QString& name) const {
        const QList<QQuickItem*> items = visibleItems(name);
        return items.size() == 1 ? items.first() : nullptr;
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::keyClick(m_window, key, modifiers);
    }

    // Scans two leftovers for the held bundle and waits for their rows.
    void finishScan(SessionFixture& session) const {
        session.scanner->finish(
            session.scanner->count() - 1,
            {{leftover("/h/Library/Caches/com.harbor.notes", ScanCategory::caches, 100),
              leftover("/h/Library/Preferences/com.harbor.notes.plist", ScanCategory::preferences,
                       200)},
             {}});
    }

    // Visible items of that name in the scene, list delegates included, in tree order.
    QList<QQuickItem*> visibleItems(const QString& name) const {
        QList<QQuickItem*> items;
        QList<QQuickItem*> pending{m_window->contentItem()};
        while (!pending.isEmpty()) {
            QQuickItem* item = pending.takeFirst();
            if (!item->isVisible())
                continue;
            if (item->objectName() == name)
                items.append(item);
            pending = item->childItems() + pending;
        }
        return items;
    }

    // Clicks the centre of the visible item of that name at index.
    void click(const QString& name, int index = 0, Qt::KeyboardModifiers modifiers = {}) const {
        const QList<QQuickItem*> items = visibleItems(name);
        QVERIFY2(items.size() > index, qPrintable(name));
        QQuickItem* item = items.at(index);
        const QPointF centre(item->width() / 2, item->height() / 2);
        QTest::mouseClick(m_window, Qt::LeftButton, modifiers, item->mapToScene(centre).toPoint());
    }

    // The item of that name below root, shown or not.
    static QQuickItem* itemNamed(QQuickItem* root, const QString& name) {
        if (root->objectName() == name)
            return root;
        for (QQuickItem* child : root->childItems()) {
            if (QQuickItem* found = itemNamed(child, name))
                return found;
        }
        return nullptr;
    }

    // Every object assistive technology reaches from the window, walking its children.
    static QSet<QObject*> exposedObjects(QWindow* window) {
        QSet<QObject*> exposed;
        QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(window)};
        while (!pending.isEmpty()) {
            QAccessibleInterface* node = pending.takeFirst();
            if (!node || node->state().invisible)
                continue;
            exposed.insert(node->object());
            for (int index = 0; index < node->childCount(); ++index)
                pending.append(node->child(index));
        }
        return exposed;
    }

    // What a screen reader can tell of the window on show: every text drawn is exposed, as
    // itself or within the name of the control or row it is part of; every control has a
    // name, and neither a disabled one nor plain text offers to take the focus.
    void checkEverythingSpoken(QQuickWindow* window) const {
        const QSet<QObject*> exposed = exposedObjects(window);
        QList<QQuickItem*> pending{window->contentItem()};
        while (!pending.isEmpty()) {
            QQuickItem* item = pending.takeFirst();
            if (!item->isVisible() || item->opacity() == 0)
                continue;
            pending += item->childItems();
            const QString text = item->property("text").toString();
            // Symbols are drawn as private-use glyphs: decoration, not text.
            const bool isSymbol =
                !text.isEmpty() && text.front().category() == QChar::Other_PrivateUse;
            if (item->inherits("QQuickText") && !text.isEmpty() && !isSymbol) {
                QQuickItem* speaker = item;
                while (speaker &&
                       !(exposed.contains(speaker) && QAccessible::queryAccessibleInterface(speaker)
                                                          ->text(QAccessible::Name)
                                                          .contains(text)))
                    speaker = speaker->parentItem();
                QVERIFY2(speaker, qPrintable("not exposed: " + text));
            }
            if (!exposed.contains(item))
                continue;
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(item);
            if (node->role() == QAccessible::Button || node->role() == QAccessible::CheckBox)
                QVERIFY2(!node->text(QAccessible::Name).isEmpty(), qPrintable(item->objectName()));
            if (!item->isEnabled())
                QVERIFY2(!node->state().focusable, qPrintable(item->objectName()));
            if (node->role() == QAccessible::Paragraph)
                QVERIFY2(!node->state().focusable, qPrintable(text));
        }
    }

    static bool isMacHost() {
        return QSysInfo::productType() == u"macos" || QSysInfo::productType() == u"osx";
    }

    TestDir m_apps;
    QString m_tidepoolEntry;
    // The lists of the chooser and of orphans, on a host of the test's own folders.
    std::unique_ptr<InstalledAppsModel> m_installedApps;
    std::unique_ptr<OrphansModel> m_orphans;
    QQmlEngine m_engine;
    QQuickWindow* m_window = nullptr; // the window of the running test
    QList<QQmlError> m_warnings;

private slots:
    void initTestCase() {
        // The installed applications the chooser lists.
        const Host host = Host::resolve(m_apps.path("home"), {},
                                        hostVariables({{"XDG_DATA_HOME", m_apps.path("data")},
                                                       {"XDG_DATA_DIRS", m_apps.path("system")}}));
        m_installedApps = std::make_unique<InstalledAppsModel>(host);
        m_orphans = std::make_unique<OrphansModel>(host);
        m_tidepoolEntry =
            m_apps.createDesktopEntry("data/applications/org.example.Tidepool.desktop",
                                      {.name = "Tidepool", .exec = "tidepool"});
        m_apps.createDesktopEntry("system/applications/org.example.Driftnote.desktop",
                                  {.name = "Driftnote", .exec = "driftnote"});
        // Without a display only the software renderer lays the scene out reliably.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        TidewellApp::prepareApplication();
        TidewellApp::prepareEngine(m_engine, std::make_shared<TableProgramRunner>());
        // As under a screen reader: the views create their accessible objects from the start.
        QAccessible::setActive(true);
        connect(&m_engine, &QQmlEngine::warnings, this,
                [this](const QList<QQmlError>& warnings) { m_warnings += warnings; });
    }

    void init() { m_warnings.clear(); }

    // A QML module the window imports but the machine lacks fails here, not in front of a user.
    void everyViewCompiles() {
        QTest::failOnWarning(QRegularExpression(".*"));
        QDirIterator files(":/qt/qml/Tidewell/qml", {"*.qml"});
        int count = 0;
        while (files.hasNext()) {
            const QString file = files.next();
            QQmlComponent component(&m_engine, QUrl("qrc" + file));
            QVERIFY2(!component.isError(), qPrintable(component.errorString()));
            ++count;
        }
        QVERIFY(count > 30);
    }

    void windowAndPromptsOpenWithoutWarnings() {
        SessionFixture session;
        const std::unique_ptr<QQuickWindow> window = makeWindow(session);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QObject* content = window->property("contentView").value<QObject*>();
        QVERIFY(QMetaObject::invokeMethod(content, "chooseApp"));
        // Linux applications are chosen from the installed ones, bundles in the file dialog.
        QObject* fileDialog = window->findChild<QObject*>("appFileDialog");
        if (isMacHost()) {
            QTRY_VERIFY(fileDialog->property("visible").toBool());
            QVERIFY(QMetaObject::invokeMethod(fileDialog, "reject"));
        } else {
            QTRY_VERIFY(only("chooserApps"));
            press(Qt::Key_Escape);
            QTRY_VERIFY(!only("chooserApps"));
            click("findOrphansButton");
            QTRY_VERIFY(only("orphanList"));
            press(Qt::Key_Escape);
            QTRY_VERIFY(!only("orphanList"));
        }
        QVERIFY(QMetaObject::invokeMethod(window.get(), "openSettings"));
        auto* settings = window->property("settingsWindow").value<QQuickWindow*>();
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        settings->close();
        CHECK(showTwoRows(session));
        for (const QQmlError& warning : std::as_const(m_warnings))
            qWarning() << warning.toString();
        QVERIFY(m_warnings.isEmpty());
    }

    // Browse hands over to the file dialog; once it closes, the keyboard is back on the button
    // that opened the chooser.
    void browsingOpensTheFileDialog() {
        if (isMacHost())
            QSKIP("macOS has no installed-apps chooser: Choose App opens the file dialog");
        SessionFixture session;
        const std::unique_ptr<QQuickWindow> window = makeActiveWindow(session);
        QVERIFY(window);
        QTRY_VERIFY(only("chooseAppButton")->hasActiveFocus());
        press(Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(only("chooserApps"));
        click("chooserBrowseButton");
        QObject* fileDialog = window->findChild<QObject*>("appFileDialog");
        QTRY_VERIFY(fileDialog->property("visible").toBool());
        QTRY_VERIFY(!only("chooserApps"));
        QVERIFY(QMetaObject::invokeMethod(fileDialog, "reject"));
        QTRY_VERIFY(!fileDialog->property("visible").toBool());
        QTRY_VERIFY(only("chooseAppButton")->hasActiveFocus());
    }

    // On Linux the chooser opens on the installed applications: typing narrows the list, Return
    // takes the one that is left; several are checked and taken together.
    void chooserPicksInstalledApps() {
        if (isMacHost())
            QSKIP("bundles are chosen as folders on macOS");
        SessionFixture session;
        const std::unique_ptr<QQuickWindow> window = makeActiveWindow(session);
        QVERIFY(window);
        CHECK(openChooser());
        QTRY_VERIFY(only("chooserFilter")->hasActiveFocus());
        for (const char key : {'t', 'i', 'd', 'e'})
            QTest::keyClick(m_window, key);
        QTRY_COMPARE(visibleItems("chooserAppRow").size(), 1);
        press(Qt::Key_Return);
        QTRY_VERIFY(session.model->app()->isHeld());
        QCOMPARE(session.model->app()->path(), m_tidepoolEntry);
        QCOMPARE(session.model->app()->fileName(), "Tidepool");

        // Opened again, it lists every app. A click checks one, Shift a run, Space and Ctrl one
        // more or one less, each row heard as a check box; Return takes the checked ones in the
        // list's order, and their leftovers are listed app by app under a heading each.
        CHECK(openChooser());
        const auto checks = [this] {
            QString marks;
            for (QQuickItem* row : visibleItems("chooserAppRow")) {
                QAccessibleInterface* box = QAccessible::queryAccessibleInterface(row);
                marks += box->role() != QAccessible::CheckBox ? '?'
                         : box->state().checked               ? 'x'
                                                              : '-';
            }
            return marks;
        };
        click("chooserAppRow", 1);
        QCOMPARE(checks(), "-x");
        click("chooserAppRow", 0, Qt::ShiftModifier);
        QCOMPARE(checks(), "xx");
        QTRY_VERIFY(only("chooserApps")->hasActiveFocus());
        press(Qt::Key_Space); // the row clicked last
        QCOMPARE(checks(), "-x");
        click("chooserAppRow", 0, Qt::ControlModifier);
        QCOMPARE(checks(), "xx");
        QCOMPARE(only("chooserSelectButton")->property("text").toString(), u"Select 2 Apps");
        press(Qt::Key_Return);

        QTRY_COMPARE(session.model->apps()->count(), 2);
        QCOMPARE(session.model->app()->fileName(), "Driftnote");
        QCOMPARE(session.scanner->count(), 3);
        session.scanner->finish(2, {{leftover("/h/.config/tidepool", ScanCategory::other, 9)}, {}});
        session.scanner->finish(1, {{}, {}});
        // The app without leftovers is headed too, after the others.
        QTRY_COMPARE(visibleItems("appHeadingName").size(), 2);
        QCOMPARE(visibleItems("appHeadingName").at(0)->property("text").toString(), u"Tidepool");
        QCOMPARE(visibleItems("appHeadingName").at(1)->property("text").toString(), u"Driftnote");
        QVERIFY(only("appsHeader") && !only("appFileName"));
    }

    // Deselect, select all, remove through the confirmation and finish, all without a mouse;
    // the outcome names the item that stayed.
    void keyboardOnlySession() {
        SessionFixture session({.autoScan = true, .confirmBeforeRemoving = true});
        const std::unique_ptr<QQuickWindow> window = makeActiveWindow(session);
        QVERIFY(window);
        CHECK(showTwoRows(session));
        QTRY_VERIFY(only("fileList")->hasActiveFocus());
        press(Qt::Key_Space);
        QCOMPARE(session.model->selectedCount(), 2);
        press(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(session.model->isAllSelected());
        press(Qt::Key_Down);
        press(Qt::Key_Space);
        QCOMPARE(session.model->selectedCount(), 2);

        press(Qt::Key_Delete);
        QTRY_VERIFY(only("alertTitle"));
        press(Qt::Key_Escape);
        QTRY_VERIFY(!session.model->showDeleteConfirmation());
        QCOMPARE(session.deleter->count(), 0);
        press(Qt::Key_Delete);
        QTRY_VERIFY(only("alertTitle"));
        press(Qt::Key_Return);
        QTRY_COMPARE(session.deleter->count(), 1);

        const QList<QUrl> requested = session.deleter->request(0);
        session.deleter->finish(
            0, {{requested.last()}, {{QUuid::createUuid(), requested.first(), "It is in use."}}});
        QTRY_VERIFY(only("failureRow"));
        QCOMPARE(only("failureReason")->property("text").toString(), u"It is in use.");
        QCOMPARE(only("successCountText")->property("text").toString(),
                 u"Successfully moved 1 item to the Trash.");
        QTRY_VERIFY(only("doneButton")->hasActiveFocus());
        press(Qt::Key_Return);
        QTRY_VERIFY(!session.model->app()->isHeld());
    }

    void settingsOpenAndCloseWithTheKeyboard() {
        SessionFixture session;
        const std::unique_ptr<QQuickWindow> window = makeActiveWindow(session);
        QVERIFY(window);
        press(Qt::Key_Comma, Qt::ControlModifier);
        auto* settings = window->property("settingsWindow").value<QQuickWindow*>();
        QTRY_VERIFY(settings->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(settings));
        QTest::keyClick(settings, Qt::Key_Escape);
        QTRY_VERIFY(!settings->isVisible());
    }

    // What a screen reader hears of a row and of the header checkbox.
    void rowsSpeakTheirNameAndState() {
        SessionFixture session;
        const std::unique_ptr<QQuickWindow> window = makeWindow(session);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        session.takeInHarborNotes(5000);
        session.scanner->finish(
            0, {{leftover("/h/Library/Caches/com.harbor.notes", ScanCategory::caches, 100, false)},
                {}});
        QTRY_COMPARE(visibleItems("fileRow").size(), 1);
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(only("fileRow"));
        QVERIFY(row);
        QCOMPARE(row->role(), QAccessible::CheckBox);
        QCOMPARE(row->text(QAccessible::Name), u"com.harbor.notes, 100 bytes, Caches, Safe");
        QVERIFY(row->state().checkable && !row->state().checked);
        QAccessibleInterface* all =
            QAccessible::queryAccessibleInterface(only("selectAllCheckbox"));
        QCOMPARE(all->role(), QAccessible::CheckBox);
        QCOMPARE(all->text(QAccessible::Name), u"Select all");
    }

    // Each view in turn, as a screen reader meets it.
    void everyViewIsSpoken() {
        SessionFixture session({.autoScan = true, .confirmBeforeRemoving = true});
        const std::unique_ptr<QQuickWindow> window = makeWindow(session);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        CHECK(checkEverythingSpoken(m_window));
        if (!isMacHost()) {
            click("findOrphansButton");
            QTRY_VERIFY(only("orphansEmpty") || only("orphanRow"));
            CHECK(checkEverythingSpoken(m_window));
            press(Qt::Key_Escape);
        }
        CHECK(showTwoRows(session));
        QTRY_VERIFY(only("dashboard") && only("dashboard")->opacity() == 1);
        CHECK(checkEverythingSpoken(m_window));
        click("removeButton");
        QTRY_VERIFY(only("alertTitle"));
        CHECK(checkEverythingSpoken(m_window));
        QCOMPARE(QAccessible::queryAccessibleInterface(only("alertTitle")->parentItem())
                     ->text(QAccessible::Name),
                 u"Move 3 selected items to Trash?");
        press(Qt::Key_Return);
        QTRY_COMPARE(session.deleter->count(), 1);
        const QList<QUrl> requested = session.deleter->request(0);
        session.deleter->finish(0, {requested, {}, requested});
        QTRY_VERIFY(only("doneButton") && only("doneButton")->hasActiveFocus());
        CHECK(checkEverythingSpoken(m_window));
        // The outcome is heard as the keyboard lands on Done.
        QVERIFY(QAccessible::queryAccessibleInterface(only("doneButton"))
                    ->text(QAccessible::Description)
                    .startsWith(u"Leftovers Cleared Successfully moved 3 items to the Trash. "
                                u"Moved to the Trash:"));
        QVERIFY(QMetaObject::invokeMethod(window.get(), "openSettings"));
        auto* settings = window->property("settingsWindow").value<QQuickWindow*>();
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        for (const char* tab : {"generalTab", "aboutTab"}) {
            QTRY_VERIFY(itemNamed(settings->contentItem(), tab));
            QQuickItem* button = itemNamed(settings->contentItem(), tab);
            QTest::mouseClick(
                settings, Qt::LeftButton, {},
                button->mapToScene({button->width() / 2, button->height() / 2}).toPoint());
            const qreal aboutOpacity = QByteArray(tab) == "aboutTab" ? 1.0 : 0.0;
            QTRY_VERIFY(itemNamed(settings->contentItem(), "aboutPage")->opacity() == aboutOpacity);
            CHECK(checkEverythingSpoken(settings));
        }
        settings->close();
    }

    // Arrowing through the found items moves the focus from row to row, each with its name
    // and the focused state; Space changes the checked state and leaves the name as it was.
    // (The focus events themselves reach assistive technology only on a platform with an
    // accessibility bridge: the AT-SPI walk checks those.)
    void rowsTakeTheFocusInTurn() {
        SessionFixture session({.autoScan = true});
        const std::unique_ptr<QQuickWindow> window = makeActiveWindow(session);
        QVERIFY(window);
        CHECK(showTwoRows(session));
        QTRY_VERIFY(visibleItems("fileRow").at(0)->hasActiveFocus());
        press(Qt::Key_Down);
        QQuickItem* second = visibleItems("fileRow").at(1);
        QTRY_VERIFY(second->hasActiveFocus());
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(second);
        QVERIFY(exposedObjects(m_window).contains(second));
        QVERIFY(row->state().focused && row->state().focusable && row->state().checked);
        QVERIFY(
            !QAccessible::queryAccessibleInterface(visibleItems("fileRow").at(0))->state().focused);
        const QString name = row->text(QAccessible::Name);
        press(Qt::Key_Space);
        QVERIFY(!row->state().checked);
        QCOMPARE(row->text(QAccessible::Name), name);
    }

    // The keyboard never loses its place: every prompt gives it back to the control that opened
    // it; the confirmation opens on its main action every time; Escape backs out of the results.
    void focusComesBackAfterPrompts() {
        SessionFixture session({.autoScan = true, .confirmBeforeRemoving = true});
        const std::unique_ptr<QQuickWindow> window = makeActiveWindow(session);
        QVERIFY(window);
        if (!isMacHost()) {
            only("findOrphansButton")->forceActiveFocus();
            press(Qt::Key_Return);
            QTRY_VERIFY(only("orphanList"));
            press(Qt::Key_Escape);
            QTRY_VERIFY(only("findOrphansButton")->hasActiveFocus());
        }
        session.takeInHarborNotes(5000);
        finishScan(session);
        QTRY_VERIFY(visibleItems("fileRow").at(0)->hasActiveFocus());
        // Twice: the first time the keyboard goes to Cancel before the prompt is dismissed.
        for (int round = 0; round < 2; ++round) {
            press(Qt::Key_Delete);
            QTRY_VERIFY(only("alertContent") && only("alertContent")->hasActiveFocus());
            if (round == 0)
                press(Qt::Key_Tab);
            press(Qt::Key_Escape);
            QTRY_VERIFY(!only("alertContent"));
            QTRY_VERIFY(visibleItems("fileRow").at(0)->hasActiveFocus());
        }
        press(Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(isMacHost() || only("chooserApps"));
        if (!isMacHost()) {
            press(Qt::Key_Escape);
            QTRY_VERIFY(visibleItems("fileRow").at(0)->hasActiveFocus());
        }
        press(Qt::Key_Escape);
        QTRY_VERIFY(!session.model->app()->isHeld());
        QTRY_VERIFY(only("chooseAppButton")->hasActiveFocus());
    }

    void selectionAndRemovalReachTheSession() {
        SessionFixture session({.autoScan = true, .confirmBeforeRemoving = true});
        // Declared after the session, so the window goes first.
        const std::unique_ptr<QQuickWindow> window = makeWindow(session);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        const QUrl bundle = session.takeInHarborNotes(5000);
        finishScan(session);
        QTRY_COMPARE(visibleItems("fileRow").size(), 2);
        QCOMPARE(session.model->selectedCount(), 3);

        click("rowCheckbox");
        QCOMPARE(session.model->selectedCount(), 2);
        click("fileRow", 1);
        QCOMPARE(session.model->selectedCount(), 1);
        click("selectAllCheckbox");
        QVERIFY(session.model->isAllSelected());

        // Only the prompt's Remove button removes; Cancel just closes it.
        for (const QString button : {"alertButton_Cancel", "alertButton_Move to Trash"}) {
            click("removeButton");
            QTRY_COMPARE(visibleItems(button).size(), 1);
            QCOMPARE(visibleItems("alertTitle").at(0)->property("text").toString(),
                     u"Move 3 selected items to Trash?");
            click(button);
            QTRY_VERIFY(!session.model->showDeleteConfirmation());
            QCOMPARE(session.deleter->count(), int(button.endsWith("Trash")));
        }
        QCOMPARE(session.deleter->request(0).size(), 3);
        QCOMPARE(session.deleter->request(0).last(), bundle);
        QTRY_COMPARE(visibleItems("removeButton").at(0)->property("enabled"), false);
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
