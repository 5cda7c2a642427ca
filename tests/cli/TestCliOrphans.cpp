#include "CliHome.h"
#include "CliRun.h"
#include "JsonPaths.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// `orphans` on a host whose apt history removed two packages: the apps with their items, the
// flat list older callers read, and `--remove` of one app leaving the other's items in place.
class TestCliOrphans : public QObject {
    Q_OBJECT

    std::unique_ptr<CliHome> m_dir;
    QStringList m_root;

private slots:
    void init() {
        m_dir = std::make_unique<CliHome>();
        m_root = {"--root", m_dir->path("root")};
        m_dir->createFile("root/var/log/apt/history.log",
                          "Start-Date: 2024-06-01  10:22:33\nRemove: mousepad:amd64 (0.5)\n\n"
                          "Start-Date: 2024-06-02  11:00:00\nPurge: zathura:amd64 (0.5)\n");
        m_dir->createFileOfSize("home/.config/Mousepad/settings", 3000);
        m_dir->createFileOfSize("home/.cache/mousepad/x", 1000);
        m_dir->createFileOfSize("home/.local/share/zathura/history", 500);
    }

    void listsAppsWithTheirItems() {
        const CliRun run = CliRun::of(QStringList{"orphans", "--json"} + m_root);
        QCOMPARE(run.exitCode, 0);
        const QJsonArray apps = QJsonDocument::fromJson(run.out)["apps"].toArray();
        QCOMPARE(apps.size(), 2);
        const QJsonObject mousepad = apps[0].toObject();
        QCOMPARE(mousepad["id"].toString(), "deb:mousepad");
        QCOMPARE(mousepad["kind"].toString(), "deb");
        QCOMPARE(mousepad["removedAt"].toString(), "2024-06-01T10:22:33");
        const QJsonArray items = mousepad["items"].toArray();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]["path"].toString(), m_dir->path("home/.cache/mousepad"));
        QCOMPARE(items[0]["evidence"]["code"].toString(), "debianPackageRemoved");
        QVERIFY(items[0]["selected"].toBool() && items[0]["sizeInBytes"].toInteger() >= 1000);
        QCOMPARE(
            jsonPaths(run.out, "orphans"),
            QStringList({m_dir->path("home/.cache/mousepad"), m_dir->path("home/.config/Mousepad"),
                         m_dir->path("home/.local/share/zathura")}));

        const CliRun text = CliRun::of(QStringList{"orphans"} + m_root);
        QVERIFY(text.out.contains("[deb:zathura]") && text.out.contains("(3 items, "));
    }

    void removesTheNamedAppsItemsOnly() {
        const CliRun refused =
            CliRun::of(QStringList{"orphans", "--remove", "deb:mousepad"} + m_root);
        QCOMPARE(refused.exitCode, 2); // no terminal to ask, no --yes
        const CliRun unknown =
            CliRun::of(QStringList{"orphans", "--remove", "--yes", "deb:nothing"} + m_root);
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY(QFile::exists(m_dir->path("home/.config/Mousepad")));

        const CliRun run =
            CliRun::of(QStringList{"orphans", "--remove", "--yes", "--json", "mousepad"} + m_root);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(jsonPaths(run.out, "trashed"),
                 QStringList(
                     {m_dir->path("home/.cache/mousepad"), m_dir->path("home/.config/Mousepad")}));
        QVERIFY(!QFile::exists(m_dir->path("home/.config/Mousepad")));
        QVERIFY(QFile::exists(m_dir->path("home/.local/share/Trash/files/Mousepad/settings")));
        const CliRun after = CliRun::of(QStringList{"orphans", "--json"} + m_root);
        QCOMPARE(jsonPaths(after.out, "orphans"),
                 QStringList{m_dir->path("home/.local/share/zathura")});
    }
};

QTEST_GUILESS_MAIN(TestCliOrphans)
#include "TestCliOrphans.moc"
