#include "SessionFakes.h"
#include "session/OrphansModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace tidewell;

namespace {

Orphan item(const QString& path, OrphanCause cause, const QString& subject, qint64 size,
            bool offered = false) {
    return {path, cause, subject, offered, size};
}

// A removed Flatpak and a removed bundle with one item only offered.
OrphanReport twoApps() {
    RemovedApp flatpak{
        RemovedAppKind::flatpak,
        "org.a.Gone",
        "org.a.Gone",
        {},
        {item("/h/.var/app/org.a.Gone", OrphanCause::flatpakNotInstalled, "org.a.Gone", 4096)},
        {}};
    RemovedApp bundle{
        RemovedAppKind::bundle,
        "com.b.Tool",
        "Tool",
        {},
        {item("/h/Library/Caches/Tool", OrphanCause::nameOfRemovedApp, "Tool", 100, true),
         item("/h/Library/Preferences/com.b.Tool.plist", OrphanCause::identifierNotInstalled,
              "com.b.Tool", 512)},
        {}};
    return {{flatpak, bundle}, {"Could not read /var/log/apt/history.log."}};
}

QStringList selectionStates(const OrphansModel& model) {
    QStringList states;
    for (int row = 0; row < model.rowCount(); ++row)
        states.append(model.index(row).data(OrphansModel::SelectionStateRole).toString());
    return states;
}

} // namespace

// The window's list of removed apps: one row per app with its items below, nothing selected at
// first, an app's check leaving its offered items to the user, and only the selected items
// going to the Trash.
class TestOrphansModel : public QObject {
    Q_OBJECT

private slots:
    void groupsAndSelectsByApp() {
        std::atomic<int> reads = 0;
        const auto deleter = std::make_shared<FakeDeleter>();
        OrphansModel model(
            [&reads] {
                ++reads;
                return twoApps();
            },
            deleter, "/h");
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.reload();
        QTRY_COMPARE(model.rowCount(), 5);
        QCOMPARE(model.appCount(), 2);
        QCOMPARE(model.problemsText(), "Could not read /var/log/apt/history.log.");
        QCOMPARE(model.index(2).data(OrphansModel::NameRole).toString(), "Tool");
        QVERIFY(model.index(2).data(OrphansModel::IsAppRole).toBool());
        QCOMPARE(model.index(2).data(OrphansModel::SizeTextRole).toString(), "612 bytes");
        QVERIFY(model.index(3).data(OrphansModel::IsOfferedRole).toBool());
        QCOMPARE(selectionStates(model), QStringList({"off", "off", "off", "off", "off"}));
        model.removeSelected(); // nothing selected: nothing asked of the Trash
        QCOMPARE(deleter->count(), 0);

        model.toggle(2); // the app: its preferences, not the cache only named like it
        QCOMPARE(selectionStates(model), QStringList({"off", "off", "on", "off", "on"}));
        model.toggle(1); // an item of the other app
        QCOMPARE(selectionStates(model), QStringList({"on", "on", "on", "off", "on"}));
        model.toggle(2); // the checked app: unchecked with all its items
        QCOMPARE(selectionStates(model), QStringList({"on", "on", "off", "off", "off"}));
        model.toggle(4);
        QCOMPARE(selectionStates(model), QStringList({"on", "on", "on", "off", "on"}));
        model.toggle(3);
        model.toggle(4);
        QCOMPARE(selectionStates(model), QStringList({"on", "on", "mixed", "on", "off"}));
        model.selectAll();
        QCOMPARE(selectionStates(model), QStringList({"on", "on", "on", "on", "on"}));
        model.toggle(3);
        QCOMPARE(model.selectedCount(), 2);
        QCOMPARE(model.selectedSizeText(), "5 kB");

        model.removeSelected();
        QCOMPARE(deleter->count(), 1);
        QCOMPARE(deleter->request(0),
                 QList<QUrl>({QUrl::fromLocalFile("/h/.var/app/org.a.Gone"),
                              QUrl::fromLocalFile("/h/Library/Preferences/com.b.Tool.plist")}));
        QVERIFY(model.removing());
        deleter->finish(0, {{QUrl::fromLocalFile("/h/.var/app/org.a.Gone")}, {}});
        QTRY_VERIFY(!model.removing() && reads == 2);
        QCOMPARE(model.resultText(), "Moved 1 item(s) to the Trash.");
    }
};

QTEST_GUILESS_MAIN(TestOrphansModel)
#include "TestOrphansModel.moc"
