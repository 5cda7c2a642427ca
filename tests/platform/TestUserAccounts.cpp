#include "platform/UserAccounts.h"

#include <QTest>

using namespace tidewell;
using namespace tidewell::useraccounts;

Q_DECLARE_METATYPE(UserAccount)

class TestUserAccounts : public QObject {
    Q_OBJECT

private slots:
    void passwdLinesOfAnotherFormAreLeftOut() {
        const QList<UserAccount> accounts =
            parsePasswd("# accounts\nada:x:1000:100:Ada L.,,,:/home/ada:/bin/bash\n"
                        "short:x:1001:100:/home/short:/bin/sh\n"
                        "nan:x:one:100::/home/nan:/bin/sh\n"
                        ":x:1002:100::/home/nobody:/bin/sh\n\n"
                        "svc:*:998:998::/var/lib/svc:\n");
        QCOMPARE(accounts, (QList<UserAccount>{{"ada", 1000, 100, "/home/ada", "/bin/bash"},
                                               {"svc", 998, 998, "/var/lib/svc", ""}}));
    }

    void personRules_data() {
        QTest::addColumn<QByteArray>("loginDefs");
        QTest::addColumn<QByteArray>("useradd");
        QTest::addColumn<UserAccount>("account");
        QTest::addColumn<bool>("admitted");
        const UserAccount ada{"ada", 1000, 1000, "/home/ada", "/bin/bash"};
        const QByteArray defs = "#UID_MIN 10\nUID_MIN   1000\nUID_MAX 60000\n";
        QTest::newRow("a person") << defs << QByteArray() << ada << true;
        QTest::newRow("below UID_MIN")
            << QByteArray("UID_MIN 1001\n") << QByteArray() << ada << false;
        QTest::newRow("UID_MIN commented out: 1000")
            << QByteArray("# UID_MIN 2000\n") << QByteArray() << ada << true;
        UserAccount noShell = ada;
        noShell.shell = "/usr/sbin/nologin";
        QTest::newRow("no login shell") << defs << QByteArray() << noShell << false;
        UserAccount elsewhere = ada;
        elsewhere.home = "/var/lib/ada";
        QTest::newRow("home outside /home") << defs << QByteArray() << elsewhere << false;
        UserAccount homeBase = ada;
        homeBase.home = "/home";
        QTest::newRow("home is /home itself") << defs << QByteArray() << homeBase << false;
        UserAccount lookalike = ada;
        lookalike.home = "/homes/ada";
        QTest::newRow("a folder named like /home") << defs << QByteArray() << lookalike << false;
        UserAccount srv = ada;
        srv.home = "/srv/home/ada/";
        QTest::newRow("useradd's own home folder")
            << defs << QByteArray("# HOME=/home\nHOME=/srv/home\n") << srv << true;
    }

    void personRules() {
        QFETCH(QByteArray, loginDefs);
        QFETCH(QByteArray, useradd);
        QFETCH(UserAccount, account);
        QFETCH(bool, admitted);
        const PersonRules rules =
            PersonRules::parse(loginDefs, "# shells\n/bin/sh\n/bin/bash\n", useradd);
        QCOMPARE(rules.admits(account), admitted);
    }
};

QTEST_GUILESS_MAIN(TestUserAccounts)
#include "TestUserAccounts.moc"
