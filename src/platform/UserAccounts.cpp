#include "UserAccounts.h"

#include "SmallFileReading.h"

#include <QDir>
#include <QFile>

#include <pwd.h>

namespace tidewell::useraccounts {

namespace {

constexpr qint64 maximumDatabaseSize = 64 << 20;

// The lines of a settings file that are neither blank nor a comment, trimmed.
QList<QByteArray> meaningfulLines(const QByteArray& text) {
    QList<QByteArray> lines;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith('#'))
            lines.append(trimmed);
    }
    return lines;
}

// The value login.defs gives key ("UID_MIN 1000"), or an empty one.
QByteArray loginDefsValue(const QByteArray& text, const QByteArray& key) {
    QByteArray value;
    for (const QByteArray& line : meaningfulLines(text)) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words.first() == key)
            value = words[1];
    }
    return value;
}

QByteArray fileUnder(const QString& root, const char* path) {
    return readSmallFile(root + QLatin1String(path), maximumDatabaseSize).value_or(QByteArray());
}

QList<UserAccount> passwordDatabase() {
    QList<UserAccount> accounts;
    ::setpwent();
    while (const passwd* entry = ::getpwent())
        accounts.append({QString::fromUtf8(entry->pw_name), entry->pw_uid, entry->pw_gid,
                         QFile::decodeName(entry->pw_dir), QFile::decodeName(entry->pw_shell)});
    ::endpwent();
    return accounts;
}

} // namespace

QList<UserAccount> parsePasswd(const QByteArray& text) {
    QList<UserAccount> accounts;
    for (const QByteArray& line : meaningfulLines(text)) {
        const QList<QByteArray> fields = line.split(':');
        bool uidOk = false;
        bool gidOk = false;
        const uint uid = fields.value(2).toUInt(&uidOk);
        const uint gid = fields.value(3).toUInt(&gidOk);
        if (fields.size() != 7 || fields[0].isEmpty() || !uidOk || !gidOk)
            continue;
        accounts.append({QString::fromUtf8(fields[0]), uid, gid, QFile::decodeName(fields[5]),
                         QFile::decodeName(fields[6])});
    }
    return accounts;
}

PersonRules PersonRules::parse(const QByteArray& loginDefs, const QByteArray& shells,
                               const QByteArray& useraddDefaults) {
    PersonRules rules;
    bool ok = false;
    if (const uint firstUid = loginDefsValue(loginDefs, "UID_MIN").toUInt(&ok); ok)
        rules.firstUid = firstUid;
    for (const QByteArray& line : meaningfulLines(shells))
        rules.shells.append(QFile::decodeName(line));
    for (const QByteArray& line : meaningfulLines(useraddDefaults)) {
        if (line.startsWith("HOME=") && line.size() > 5)
            rules.homeBase = QDir::cleanPath(QFile::decodeName(line.sliced(5)));
    }
    return rules;
}

bool PersonRules::admits(const UserAccount& account) const {
    const QString home = QDir::cleanPath(account.home);
    return account.uid >= firstUid && shells.contains(account.shell) &&
           home.startsWith(homeBase.endsWith(u'/') ? homeBase : homeBase + u'/');
}

QList<UserAccount> readPeople(const QString& root) {
    const PersonRules rules =
        PersonRules::parse(fileUnder(root, "/etc/login.defs"), fileUnder(root, "/etc/shells"),
                           fileUnder(root, "/etc/default/useradd"));
    QList<UserAccount> people;
    for (const UserAccount& account :
         root.isEmpty() ? passwordDatabase() : parsePasswd(fileUnder(root, "/etc/passwd"))) {
        if (rules.admits(account))
            people.append(account);
    }
    return people;
}

} // namespace tidewell::useraccounts
