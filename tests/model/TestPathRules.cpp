#include "model/PathRules.h"

#include <QTest>

using namespace tidewell;

// The rules that keep work inside its folders: compared by whole components, never by text
// alone, and never reaching out of a folder through a name read from a file.
class TestPathRules : public QObject {
    Q_OBJECT

private slots:
    void liesInside_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("inside");
        const auto row = [](const char* tag, const char* path, const char* folder, bool inside) {
            QTest::newRow(tag) << QString(path) << QString(folder) << inside;
        };
        row("child", "/a/b/c", "/a/b", true);
        row("deeper", "/a/b/c/d", "/a/b/", true);
        row("itself", "/a/b", "/a/b", false);
        row("itself with slash", "/a/b/", "/a/b", false);
        row("sibling sharing a prefix", "/a/bc", "/a/b", false);
        row("parent", "/a", "/a/b", false);
        row("climbs out", "/a/b/../c", "/a/b", false);
        row("climbs back in", "/a/c/../b/x", "/a/b", true);
        row("doubled slashes", "/a//b///c", "/a/b", true);
        row("under the root", "/a", "/", true);
        row("the root itself", "/", "/", false);
        row("relative path", "a/b/c", "/a/b", false);
        row("relative folder", "/a/b/c", "a/b", false);
    }
    void liesInside() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(bool, inside);
        QCOMPARE(pathrules::liesInside(path, folder), inside);
    }

    void joinedInside_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("joined");
        QTest::newRow("an id") << "org.example.App" << QString("/h/.var/app/org.example.App");
        for (const auto& [tag, name] : {std::pair<const char*, QString>{"parent", ".."},
                                        {"dot", "."},
                                        {"empty", ""},
                                        {"a path", "../../thesis"},
                                        {"absolute", "/etc"},
                                        {"NUL", QString("a") + QChar(u'\0') + "b"}})
            QTest::newRow(tag) << name << QString();
    }
    void joinedInside() {
        QFETCH(QString, name);
        QFETCH(QString, joined);
        QCOMPARE(pathrules::joinedInside("/h/.var/app", name), joined);
    }
};

QTEST_APPLESS_MAIN(TestPathRules)
#include "TestPathRules.moc"
