#include "DebianPackages.h"

#include "DpkgDatabase.h"

#include <QSet>

namespace tidewell::debian {

namespace {

// The arguments of one dpkg-query call stay well below the kernel's limit on a command line
// (2 MiB by default, environment included); a longer list is asked in several calls.
constexpr qsizetype maximumArgumentBytes = 1024 * 1024;
// One line per path asked, and a few for diversions.
constexpr qint64 maximumAnswerBytes = 16 * maximumArgumentBytes;

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

bool liesInside(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder + u'/');
}

// Whether a package may have installed path. Debian packages never place files below /home
// (Policy 9.1.1), nor in the user's home wherever it lies: not worth a query, which costs the
// reading of dpkg's whole database.
bool mayBePackaged(const QString& path, const Host& host) {
    if (path == host.home || liesInside(path, host.home) ||
        (!host.root.isEmpty() && !liesInside(path, host.root)))
        return false;
    return !path.sliced(host.root.size()).startsWith(QStringLiteral("/home/"));
}

// Asks dpkg-query which packages own paths, into owners; the paths are given to it without
// the host's root, and its own database is the one under that root.
void addOwners(const QStringList& paths, const Host& host, const ProgramRunner& programs,
               QHash<QString, QString>& owners) {
    QStringList arguments = adminDirArguments(host);
    arguments.append(QStringLiteral("-S"));
    for (const QString& path : paths)
        arguments.append(literalPattern(path.sliced(host.root.size())));
    // It exits with 1 when some path has no package; the others are still listed.
    const auto answer = programs.outputOf({.program = QStringLiteral("dpkg-query"),
                                           .arguments = arguments,
                                           .maximumOutput = maximumAnswerBytes,
                                           .acceptedExitCodes = {0, 1}});
    if (!answer)
        return;
    const QSet<QString> asked(paths.cbegin(), paths.cend());
    // "pkg1, pkg2: /path" per owned path; other lines (diversions) are left alone.
    for (const QString& line : QString::fromUtf8(*answer).split(u'\n')) {
        const qsizetype colon = line.indexOf(QStringLiteral(": /"));
        const QString path = host.root + line.mid(colon + 2);
        if (colon > 0 && asked.contains(path))
            owners.insert(path, line.left(colon).section(u',', 0, 0).trimmed());
    }
}

} // namespace

QHash<QString, QString> packagesOwning(const QStringList& paths, const Host& host,
                                       const ProgramRunner& programs) {
    QHash<QString, QString> owners;
    QStringList batch;
    qsizetype batchBytes = 0;
    for (const QString& path : paths) {
        if (!mayBePackaged(path, host))
            continue;
        const qsizetype bytes = argumentBytes(path);
        if (!batch.isEmpty() && batchBytes + bytes > maximumArgumentBytes) {
            addOwners(batch, host, programs, owners);
            batch.clear();
            batchBytes = 0;
        }
        batch.append(path);
        batchBytes += bytes;
    }
    if (!batch.isEmpty())
        addOwners(batch, host, programs, owners);
    return owners;
}

} // namespace tidewell::debian
