#include "SessionFakes.h"
#include "session/OrphansModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace tidewell;

// The window's list of orphans: nothing selected at first, only the selected items go to the
// Trash, and the list is read again afterwards.
class TestOrphansModel : public QObject {
    Q_OBJECT

private slots:
    void removesOnlyWhatTheUserSelected() {
        std::atomic<int> reads = 0;
        const auto deleter = std::make_shared<FakeDeleter>();
        OrphansModel model(
            nullptr,
            [&reads] {
                ++reads;
                return QList<OrphansModel::Item>{
                    {{"/h/.var/app/org.a.Gone", OrphanCause::flatpakNotInstalled, "org.a.Gone"},
                     4096},
                    {{"/h/.config/autostart/x.desktop", OrphanCause::programGone, "/opt/x"}, 512}};
            },
            deleter);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.reload();
        QTRY_COMPARE(model.rowCount(), 2);
        QCOMPARE(model.selectedCount(), 0);
        QCOMPARE(model.index(0).data(OrphansModel::ReasonRole).toString(),
                 "Flatpak app org.a.Gone is not installed");
        model.removeSelected(); // nothing selected: nothing asked of the Trash
        QCOMPARE(deleter->count(), 0);

        model.toggle(1);
        QCOMPARE(model.selectedCount(), 1);
        QCOMPARE(model.selectedSizeText(), "512 bytes");
        model.removeSelected();
        QCOMPARE(deleter->count(), 1);
        QCOMPARE(deleter->request(0),
                 QList<QUrl>{QUrl::fromLocalFile("/h/.config/autostart/x.desktop")});
        QVERIFY(model.removing());
        deleter->finish(0, {{QUrl::fromLocalFile("/h/.config/autostart/x.desktop")}, {}});
        QTRY_VERIFY(!model.removing() && reads == 2);
        QCOMPARE(model.resultText(), "Moved 1 item(s) to the Trash.");
    }
};

QTEST_GUILESS_MAIN(TestOrphansModel)
#include "TestOrphansModel.moc"
