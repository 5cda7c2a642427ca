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
        QTest::newRow("child") << "/a/b/c"
                               << "/a/b" << true;
        QTest::newRow("deeper") << "/a/b/c/d"
                                << "/a/b/" << true;
        QTest::newRow("itself") << "/a/b"
                                << "/a/b" << false;
        QTest::newRow("itself with slash") << "/a/b/"
                                           << "/a/b" << false;
        QTest::newRow("sibling sharing a prefix") << "/a/bc"
                                                  << "/a/b" << false;
        QTest::newRow("parent") << "/a"
                                << "/a/b" << false;
        QTest::newRow("climbs out") << "/a/b/../c"
                                    << "/a/b" << false;
        QTest::newRow("climbs back in") << "/a/c/../b/x"
                                        << "/a/b" << true;
        QTest::newRow("doubled slashes") << "/a//b///c"
                                         << "/a/b" << true;
        QTest::newRow("under the root") << "/a"
                                        << "/" << true;
        QTest::newRow("the root itself") << "/"
                                         << "/" << false;
        QTest::newRow("relative path") << "a/b/c"
                                       << "/a/b" << false;
        QTest::newRow("relative folder") << "/a/b/c"
                                         << "a/b" << false;
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
        QTest::newRow("an id") << "org.example.App"
                               << "/h/.var/app/org.example.App";
        QTest::newRow("parent") << ".."
                                << "";
        QTest::newRow("dot") << "."
                             << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("a path") << "../../thesis"
                                << "";
        QTest::newRow("absolute") << "/etc"
                                  << "";
        QTest::newRow("NUL") << QString("a") + QChar(u'\0') + "b"
                             << "";
    }
    void joinedInside() {
        QFETCH(QString, name);
        QFETCH(QString, joined);
        QCOMPARE(pathrules::joinedInside("/h/.var/app", name), joined);
    }
};

QTEST_APPLESS_MAIN(TestPathRules)
#include "TestPathRules.moc"
