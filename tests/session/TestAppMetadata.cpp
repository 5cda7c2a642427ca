#include "session/AppMetadata.h"

#include <QTest>

using namespace tidewell;

class TestAppMetadata : public QObject {
    Q_OBJECT

private slots:
    void takesTheFirstUsableValue() {
        const auto selected = [](const QVariantMap& info) { // name|version|build
            return AppMetadata::displayName(info) + u'|' + AppMetadata::versionString(info) + u'|' +
                   AppMetadata::buildString(info);
        };
        const QString display = "CFBundleDisplayName", name = "CFBundleName",
                      version = "CFBundleShortVersionString", build = "CFBundleVersion";
        QCOMPARE(selected({{display, ""}, {name, 3}}), "Tidewell|1.0|1");
        QCOMPARE(
            selected({{display, ""}, {name, "Tidewell Beta"}, {version, "2.3"}, {build, "45"}}),
            "Tidewell Beta|2.3|45");
        // Values of another type count as absent.
        QCOMPARE(
            selected({{display, "Tide"}, {name, "Pro"}, {version, 2.5}, {build, QVariantList{}}}),
            "Tide|1.0|1");
        // Empty version and build strings are kept.
        QCOMPARE(selected({{version, ""}, {build, ""}}), "Tidewell||");
    }
};

QTEST_APPLESS_MAIN(TestAppMetadata)
#include "TestAppMetadata.moc"
