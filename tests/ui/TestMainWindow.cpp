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

// The main window over a real view model whose scans and removals the test completes: the
// rows, the header checkbox and the bottom bar reach the session and follow it.
class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QQuickWindow> openWindow(SessionFixture& session) {
        auto* created = m_component->createWithInitialProperties({
            {"viewModel", QVariant::fromValue<QObject*>(session.model.get())},
            {"permissionManager", QVariant::fromValue<QObject*>(&session.permissions)},
            {"preferences", QVariant::fromValue<QObject*>(&session.preferences)},
        });
        std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(created));
        if (window && !QTest::qWaitForWindowExposed(window.get()))
            window.reset();
        return window;
    }

    static void click(QQuickWindow* window, QQuickItem* item, QPointF at = {-1, -1}) {
        QVERIFY(item);
        if (at.x() < 0)
            at = QPointF(item->width() / 2, item->height() / 2);
        QTest::mouseClick(window, Qt::LeftButton, {}, item->mapToScene(at).toPoint());
    }

    // Visible items of that name in the scene, list delegates included, in tree order.
    static QList<QQuickItem*> visibleItems(QQuickWindow* window, const QString& name) {
        QList<QQuickItem*> items;
        QList<QQuickItem*> pending{window->contentItem()};
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

    static void finishScanWithTwoLeftovers(SessionFixture& session) {
        QCOMPARE(session.scanner->count(), 1);
        session.scanner->finish(
            0, {{leftover("/h/Library/Caches/com.harbor.notes", ScanCategory::caches, 100),
                 leftover("/h/Library/Preferences/com.harbor.notes.plist",
                          ScanCategory::preferences, 200)},
                {}});
    }

    QQmlEngine m_engine;
    std::unique_ptr<QQmlComponent> m_component;

private slots:
    void initTestCase() {
        // Without a display only the software renderer lays the scene out reliably.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        TidewellApp::prepareApplication();
        TidewellApp::prepareEngine(m_engine);
        m_component = std::make_unique<QQmlComponent>(
            &m_engine, QUrl("qrc:/qt/qml/Tidewell/qml/MainWindow.qml"));
        QVERIFY2(m_component->isReady(), qPrintable(m_component->errorString()));
    }

    void rowsAndHeaderWriteTheSelection() {
        SessionFixture session;
        const auto window = openWindow(session);
        QVERIFY(window);
        session.takeInHarborNotes(5000);
        finishScanWithTwoLeftovers(session);
        QTRY_COMPARE(session.model->files()->count(), 2);
        QTRY_COMPARE(visibleItems(window.get(), "fileRow").size(), 2);
        QCOMPARE(session.model->selectedCount(), 3);

        click(window.get(), visibleItems(window.get(), "rowCheckbox").at(0));
        QCOMPARE(session.model->selectedCount(), 2);
        click(window.get(), visibleItems(window.get(), "fileRow").at(1), {200, 17});
        QCOMPARE(session.model->selectedCount(), 1);
        QVERIFY(!session.model->isAnySelected());

        click(window.get(), visibleItems(window.get(), "selectAllCheckbox").at(0));
        QVERIFY(session.model->isAllSelected());
        QCOMPARE(session.model->selectedCount(), 3);
    }

    void removeHandsTheSelectionAndTheBundleOn() {
        SessionFixture session;
        const auto window = openWindow(session);
        QVERIFY(window);
        const QUrl bundle = session.takeInHarborNotes(5000);
        finishScanWithTwoLeftovers(session);
        QTRY_VERIFY(!visibleItems(window.get(), "dashboard").isEmpty());
        click(window.get(), visibleItems(window.get(), "removeButton").at(0));
        QCOMPARE(session.deleter->count(), 1);
        QCOMPARE(session.deleter->request(0).size(), 3);
        QCOMPARE(session.deleter->request(0).last(), bundle);
        QTRY_COMPARE(visibleItems(window.get(), "removeButton").at(0)->property("enabled"), false);
    }
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
