#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tidewell {

// An account of the system's password database.
struct UserAccount {
    QString name;
    uint uid = 0;
    uint gid = 0;
    QString home;
    QString shell;

    friend bool operator==(const UserAccount&, const UserAccount&) = default;
};

// Who the people are that log in to a machine, as an administrator who works in every home
// needs to know them.
namespace useraccounts {

// The accounts of a passwd file ("name:password:uid:gid:gecos:home:shell" lines); a line that is
// not of that form is passed over.
QList<UserAccount> parsePasswd(const QByteArray& text);

// Who counts as a person: an account whose uid is at least firstUid (UID_MIN of login.defs),
// whose shell is one of shells (/etc/shells) and whose home lies strictly inside homeBase
// (HOME of useradd's defaults). System and service accounts fail one of these.
struct PersonRules {
    uint firstUid = 1000;
    QStringList shells;
    QString homeBase = QStringLiteral("/home");

    // The rules a machine's login.defs, shells and useradd defaults give.
    static PersonRules parse(const QByteArray& loginDefs, const QByteArray& shells,
                             const QByteArray& useraddDefaults);
    bool admits(const UserAccount& account) const;
};

// The people of the machine whose system folders lie under root ("" for the real one), in the
// order the database gives them: the password database through getpwent for the real machine
// (so accounts from the network count too), root/etc/passwd otherwise, with the rules of
// root/etc/login.defs, root/etc/shells and root/etc/default/useradd. Homes are the database's,
// not taken under root.
QList<UserAccount> readPeople(const QString& root);

} // namespace useraccounts

} // namespace tidewell
