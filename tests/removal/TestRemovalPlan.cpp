#include "removal/RemovalPlan.h"

#include <QTest>

using namespace tidewell;

namespace {

ScannedFile leftover(const QString& path, qint64 size, bool sizeComplete = true) {
    return {.id = path,
            .url = QUrl::fromLocalFile(path),
            .category = ScanCategory::caches,
            .safety = FileSafetyLevel::safe,
            .sizeInBytes = size,
            .sizeComplete = sizeComplete};
}

} // namespace

// The items, sizes and scope of one removal, and what a removal's report freed.
class TestRemovalPlan : public QObject {
    Q_OBJECT

private slots:
    void theAppGoesOnlyWhenItIsTheUsersFile_data() {
        QTest::addColumn<AppKind>("kind");
        QTest::addColumn<bool>("goes");
        QTest::newRow("bundle") << AppKind::bundle << true;
        QTest::newRow("AppImage") << AppKind::appImage << true;
        QTest::newRow("Flatpak") << AppKind::flatpak << false;
        QTest::newRow("snap") << AppKind::snap << false;
        QTest::newRow("package") << AppKind::desktopEntry << false;
    }

    void theAppGoesOnlyWhenItIsTheUsersFile() {
        QFETCH(AppKind, kind);
        QFETCH(bool, goes);
        AppDescriptor app;
        app.kind = kind;
        app.appURL = QUrl::fromLocalFile("/h/Applications/./Ink.app");
        int sizings = 0;
        const RemovalPlan plan({leftover("/h/.cache/ink", 30), leftover("/h/.config/ink", 4)},
                               {"/h"}, app, [&sizings] {
                                   ++sizings;
                                   return MeasuredSize{500, false};
                               });

        QList<QUrl> expected{QUrl::fromLocalFile("/h/.cache/ink"),
                             QUrl::fromLocalFile("/h/.config/ink")};
        if (goes)
            expected.append(app.appURL);
        QCOMPARE(plan.urls(), expected);
        QCOMPARE(sizings, goes ? 1 : 0); // a package's files are never measured
        QCOMPARE(plan.sizeOf(app.appURL), (goes ? MeasuredSize{500, false} : MeasuredSize{}));
        QCOMPARE(plan.scope().roots, QStringList{"/h"});
        QCOMPARE(plan.scope().appPath, goes ? "/h/Applications/Ink.app" : "");
    }

    // Only what the report counts as deleted frees space, whatever else it names; the bytes are
    // whole only when every deleted item was sized whole.
    void reclaimedSizeCountsTheDeletedItems() {
        AppDescriptor app;
        app.appURL = QUrl::fromLocalFile("/h/Applications/Ink.app");
        const RemovalPlan plan(
            {leftover("/h/a", 1), leftover("/h/b", 20, false), leftover("/h/c", 300)}, {"/h"}, app,
            [] { return MeasuredSize{4000}; });
        DeletionReport report;
        report.deleted = {QUrl::fromLocalFile("/h/c"), app.appURL,
                          QUrl::fromLocalFile("/h/unplanned")};
        report.failures = {{QUuid::createUuid(), QUrl::fromLocalFile("/h/b"), "in use"}};
        report.notAttempted = {QUrl::fromLocalFile("/h/a")};
        QCOMPARE(plan.reclaimedSize(report), (MeasuredSize{4300, true}));
        QCOMPARE(plan.reclaimedSize({}), MeasuredSize{});

        report.deleted.append(QUrl::fromLocalFile("/h/b"));
        QCOMPARE(plan.reclaimedSize(report), (MeasuredSize{4320, false}));
    }
};

QTEST_GUILESS_MAIN(TestRemovalPlan)
#include "TestRemovalPlan.moc"
