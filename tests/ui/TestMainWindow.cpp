#include "../session/SessionFixture.h"
#include "ui/TidewellApp.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(TidewellPlugin)

using namespace tidewell;

// The main window over a real view model whose scan and removal the test completes: the rows,
// the header checkbox, the bottom bar and the removal prompt reach the session and follow it.
class TestMainWindow : public QObject {
    Q_OBJECT

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
    void click(const QString& name, int index = 0) const {
        const QList<QQuickItem*> items = visibleItems(name);
        QVERIFY2(items.size() > index, qPrintable(name));
        QQuickItem* item = items.at(index);
        const QPointF centre(item->width() / 2, item->height() / 2);
        QTest::mouseClick(m_window, Qt::LeftButton, {}, item->mapToScene(centre).toPoint());
    }

    QQmlEngine m_engine;
    QQuickWindow* m_window = nullptr; // the window of the running test

private slots:
    void initTestCase() {
        // Without a display only the software renderer lays the scene out reliably.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        TidewellApp::prepareApplication();
        TidewellApp::prepareEngine(m_engine);
    }

    void selectionAndRemovalReachTheSession() {
        SessionFixture session({.autoScan = true, .confirmBeforeRemoving = true});
        QQmlComponent component(&m_engine, QUrl("qrc:/qt/qml/Tidewell/qml/MainWindow.qml"));
        // Declared after the session, so the window goes first.
        const std::unique_ptr<QQuickWindow> window(
            qobject_cast<QQuickWindow*>(component.createWithInitialProperties({
                {"viewModel", QVariant::fromValue<QObject*>(session.model.get())},
                {"permissionManager", QVariant::fromValue<QObject*>(&session.permissions)},
                {"preferences", QVariant::fromValue<QObject*>(&session.preferences)},
            })));
        m_window = window.get();
        QVERIFY2(window, qPrintable(component.errorString()));
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        const QUrl bundle = session.takeInHarborNotes(5000);
        session.scanner->finish(
            0, {{leftover("/h/Library/Caches/com.harbor.notes", ScanCategory::caches, 100),
                 leftover("/h/Library/Preferences/com.harbor.notes.plist",
                          ScanCategory::preferences, 200)},
                {}});
        QTRY_COMPARE(visibleItems("fileRow").size(), 2);
        QCOMPARE(session.model->selectedCount(), 3);

        click("rowCheckbox");
        QCOMPARE(session.model->selectedCount(), 2);
        click("fileRow", 1);
        QCOMPARE(session.model->selectedCount(), 1);
        click("selectAllCheckbox");
        QVERIFY(session.model->isAllSelected());

        // Only the prompt's Remove button removes; Cancel just closes it.
        for (const QString button : {"alertButton_Cancel", "alertButton_Remove"}) {
            click("removeButton");
            QTRY_COMPARE(visibleItems(button).size(), 1);
            QCOMPARE(visibleItems("alertTitle").at(0)->property("text").toString(),
                     u"Move 3 selected items to Trash?");
            click(button);
            QTRY_VERIFY(!session.model->showDeleteConfirmation());
            QCOMPARE(session.deleter->count(), int(button.endsWith("Remove")));
        }
        QCOMPARE(session.deleter->request(0).size(), 3);
        QCOMPARE(session.deleter->request(0).last(), bundle);
        QTRY_COMPARE(visibleItems("removeButton").at(0)->property("enabled"), false);
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
