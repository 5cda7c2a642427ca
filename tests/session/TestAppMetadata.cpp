#include "session/AppMetadata.h"

#include <QTest>

using namespace tidewell;

class TestAppMetadata : public QObject {
    Q_OBJECT

private slots:
    void selection_data();
    void selection();
    void buildCompiledInItsOwnValues();
};

void TestAppMetadata::selection_data() {
    QTest::addColumn<QVariantMap>("info");
    QTest::addColumn<QStringList>("expected"); // name, version, build

    QTest::newRow("nothing") << QVariantMap{} << QStringList{"Tidewell", "1.0", "1"};
    QTest::newRow("all given") << QVariantMap{{"CFBundleDisplayName", "Tide"},
                                              {"CFBundleName", "Tidewell Pro"},
                                              {"CFBundleShortVersionString", "2.3"},
                                              {"CFBundleVersion", "45"}}
                               << QStringList{"Tide", "2.3", "45"};
    QTest::newRow("empty display name, no bundle name")
        << QVariantMap{{"CFBundleDisplayName", ""}} << QStringList{"Tidewell", "1.0", "1"};
    QTest::newRow("empty display name falls to bundle name")
        << QVariantMap{{"CFBundleDisplayName", ""}, {"CFBundleName", "Tidewell Beta"}}
        << QStringList{"Tidewell Beta", "1.0", "1"};
    QTest::newRow("empty version and build kept")
        << QVariantMap{{"CFBundleShortVersionString", ""}, {"CFBundleVersion", ""}}
        << QStringList{"Tidewell", "", ""};
    QTest::newRow("other types count as absent")
        << QVariantMap{{"CFBundleName", 3},
                       {"CFBundleShortVersionString", 2.5},
                       {"CFBundleVersion", QVariantList{"7"}}}
        << QStringList{"Tidewell", "1.0", "1"};
}

void TestAppMetadata::selection() {
    QFETCH(QVariantMap, info);
    QFETCH(QStringList, expected);
    QCOMPARE((QStringList{AppMetadata::displayName(info), AppMetadata::versionString(info),
                          AppMetadata::buildString(info)}),
             expected);
}

void TestAppMetadata::buildCompiledInItsOwnValues() {
    QCOMPARE(AppMetadata::displayName(), QStringLiteral(EXPECTED_NAME));
    QCOMPARE(AppMetadata::versionString(), QStringLiteral(EXPECTED_VERSION));
    QCOMPARE(AppMetadata::buildString(), QStringLiteral(EXPECTED_BUILD));
}

QTEST_APPLESS_MAIN(TestAppMetadata)
#include "TestAppMetadata.moc"
