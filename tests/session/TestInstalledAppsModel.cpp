#include "session/InstalledAppsModel.h"

#include "TestDir.h"

#include <QAbstractItemModelTester>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using namespace tidewell;

namespace {

AppDescriptor linuxApp(const QString& name, const QString& id) {
    AppDescriptor app;
    app.displayName = name;
    app.identifier = id;
    app.kind = AppKind::flatpak;
    app.appURL = QUrl::fromLocalFile("/apps/" + id + ".desktop");
    return app;
}

QStringList shownNames(const InstalledAppsModel& model) {
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.index(row).data(InstalledAppsModel::NameRole).toString() + ' ' +
                     model.index(row).data(InstalledAppsModel::DataSizeTextRole).toString());
    return names;
}

} // namespace

class TestInstalledAppsModel : public QObject {
    Q_OBJECT

private slots:
    // The rows come before their sizes; a reload that is overtaken never shows its rows, and
    // the filter narrows by name or id.
    void rowsThenSizesAndTheLatestReloadWins() {
        // The overtaken read holds a worker until released; others must still run.
        QThreadPool::globalInstance()->setMaxThreadCount(4);
        QSemaphore firstStarted, releaseFirst, measured;
        std::atomic<int> reads = 0;
        InstalledAppsModel model(
            [&] {
                if (++reads == 1) {
                    firstStarted.release();
                    releaseFirst.acquire();
                    return QList<AppDescriptor>{linuxApp("Stale", "org.example.Stale")};
                }
                return QList<AppDescriptor>{linuxApp("Tidepool", "com.harborlight.Tidepool"),
                                            linuxApp("Driftnote", "io.drift.Note")};
            },
            [&](const QList<AppDescriptor>& apps, const std::function<bool()>&) {
                measured.tryAcquire(1, 10000);
                return QList<qint64>(apps.size(), 2048);
            });
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        // Whatever fails, no worker stays blocked.
        const auto unblock = qScopeGuard([&] {
            releaseFirst.release();
            measured.release(4);
        });
        model.reload();
        QVERIFY(firstStarted.tryAcquire(1, 5000));
        model.reload();
        QTRY_COMPARE(shownNames(model), QStringList({"Tidepool ", "Driftnote "}));
        QVERIFY(!model.loading());
        releaseFirst.release();
        measured.release();
        QTRY_COMPARE(shownNames(model), QStringList({"Tidepool 2 kB", "Driftnote 2 kB"}));
        model.setFilter("DRIFT");
        QCOMPARE(shownNames(model), QStringList({"Driftnote 2 kB"}));
        model.setFilter("harborlight");
        QCOMPARE(model.entryUrlAt(0),
                 QUrl::fromLocalFile("/apps/com.harborlight.Tidepool.desktop"));
        QCOMPARE(model.entryUrlAt(1), QUrl());

        // A check outlives the filter that hides its row; the checked come in the list's order.
        const QUrl tidepool = model.entryUrlAt(0);
        model.toggleChecked(0);
        model.setFilter("");
        model.toggleChecked(1);
        QCOMPARE(model.index(0).data(InstalledAppsModel::CheckedRole), true);
        QCOMPARE(model.checkedUrls(),
                 (QList<QUrl>{tidepool, QUrl::fromLocalFile("/apps/io.drift.Note.desktop")}));
        model.toggleChecked(1);
        model.checkOnly(1, 0);
        QCOMPARE(model.checkedCount(), 2);
        model.setFilter("drift");
        model.checkOnly(0, 0);
        QCOMPARE(model.checkedCount(), 1);
    }

    // An app chosen, or the model gone, tells the measuring under way to stop.
    void measuringStopsWhenAsked() {
        for (const bool destroyModel : {false, true}) {
            QSemaphore started, release;
            std::atomic<bool> toldToStop = false;
            auto model = std::make_unique<InstalledAppsModel>(
                [] { return QList<AppDescriptor>{linuxApp("Tidepool", "org.example.Tidepool")}; },
                [&](const QList<AppDescriptor>& apps, const std::function<bool()>& abandoned) {
                    started.release();
                    release.tryAcquire(1, 10000);
                    toldToStop = abandoned();
                    return QList<qint64>(apps.size(), 2048);
                });
            model->reload();
            QTRY_COMPARE(started.available(), 1);
            if (destroyModel)
                model.reset();
            else
                model->stopMeasuring();
            release.release();
            QTRY_VERIFY(toldToStop);
        }
    }
};

QTEST_GUILESS_MAIN(TestInstalledAppsModel)
#include "TestInstalledAppsModel.moc"
