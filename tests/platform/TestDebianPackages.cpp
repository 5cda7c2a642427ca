#include "platform/DebianPackages.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace tidewell;

class TestDebianPackages : public QObject {
    Q_OBJECT

private slots:
    void findsTheOwnerAmongMorePathsThanOneCommandLineHolds() {
        // "[" is a glob character, so its path is only found when escaped.
        const QString owned = QStringLiteral("/usr/bin/[");
        QFile list(QStringLiteral("/var/lib/dpkg/info/coreutils.list"));
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-query")).isEmpty() ||
            !list.open(QIODevice::ReadOnly) || !list.readAll().split('\n').contains(owned.toUtf8()))
            QSKIP("needs dpkg with coreutils installing /usr/bin/[");
        QStringList paths;
        // Well over the 2 MiB a command line may hold.
        for (int index = 0; index < 40000; ++index)
            paths.append(QStringLiteral("/nonexistent/tidewell/unowned-file-%1.conf").arg(index));
        paths.append(owned);
        paths.append(QStringLiteral("/home/nobody/.config/coreutils"));
        const QHash<QString, QString> owners = debian::packagesOwning(paths);
        QCOMPARE(owners, (QHash<QString, QString>{{owned, QStringLiteral("coreutils")}}));
    }
};

QTEST_APPLESS_MAIN(TestDebianPackages)
#include "TestDebianPackages.moc"
