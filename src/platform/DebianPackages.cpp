#include "DebianPackages.h"

#include <QProcess>
#include <QSet>

namespace tidewell::debian {

namespace {

constexpr int dpkgTimeoutMs = 5000;
// The arguments of one dpkg-query call stay well below the kernel's limit on a command line
// (2 MiB by default, environment included); a longer list is asked in several calls.
constexpr qsizetype maximumArgumentBytes = 1024 * 1024;

// dpkg-query reads its arguments as patterns; each path is matched as itself.
QString literalPattern(const QString& path) {
    QString pattern;
    for (const QChar c : path) {
        if (c == u'*' || c == u'?' || c == u'[' || c == u']' || c == u'\\')
            pattern += u'\\';
        pattern += c;
    }
    return pattern;
}

// What the path takes of the command line: its pattern, the terminating zero and the pointer.
qsizetype argumentBytes(const QString& path) {
    return literalPattern(path).toUtf8().size() + 1 + qsizetype(sizeof(char*));
}

// Asks dpkg-query which packages own paths, into owners.
void addOwners(const QStringList& paths, QHash<QString, QString>& owners) {
    QStringList arguments{QStringLiteral("-S")};
    for (const QString& path : paths)
        arguments.append(literalPattern(path));
    QProcess query;
    query.start(QStringLiteral("dpkg-query"), arguments);
    // It exits with 1 when some path has no package; the others are still listed.
    if (!query.waitForFinished(dpkgTimeoutMs) || query.exitStatus() != QProcess::NormalExit)
        return;
    const QSet<QString> asked(paths.cbegin(), paths.cend());
    // "pkg1, pkg2: /path" per owned path; other lines (diversions) are left alone.
    for (const QString& line : QString::fromUtf8(query.readAllStandardOutput()).split(u'\n')) {
        const qsizetype colon = line.indexOf(QStringLiteral(": /"));
        const QString path = line.mid(colon + 2);
        if (colon > 0 && asked.contains(path))
            owners.insert(path, line.left(colon).section(u',', 0, 0).trimmed());
    }
}

} // namespace

QHash<QString, QString> packagesOwning(const QStringList& paths) {
    QHash<QString, QString> owners;
    QStringList batch;
    qsizetype batchBytes = 0;
    for (const QString& path : paths) {
        // Debian packages never place files below /home (Policy 9.1.1): not worth a query,
        // which costs the reading of dpkg's whole database.
        if (path.startsWith(QStringLiteral("/home/")))
            continue;
        const qsizetype bytes = argumentBytes(path);
        if (!batch.isEmpty() && batchBytes + bytes > maximumArgumentBytes) {
            addOwners(batch, owners);
            batch.clear();
            batchBytes = 0;
        }
        batch.append(path);
        batchBytes += bytes;
    }
    if (!batch.isEmpty())
        addOwners(batch, owners);
    return owners;
}

} // namespace tidewell::debian
