#include "DebianPackages.h"

#include <QProcess>

namespace tidewell::debian {

namespace {

constexpr int dpkgTimeoutMs = 5000;

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

} // namespace

QHash<QString, QString> packagesOwning(const QStringList& paths) {
    QStringList arguments{QStringLiteral("-S")};
    for (const QString& path : paths) {
        // Debian packages never place files below /home (Policy 9.1.1): not worth a query,
        // which costs the reading of dpkg's whole database.
        if (!path.startsWith(QStringLiteral("/home/")))
            arguments.append(literalPattern(path));
    }
    if (arguments.size() == 1)
        return {};
    QProcess query;
    query.start(QStringLiteral("dpkg-query"), arguments);
    // It exits with 1 when some path has no package; the others are still listed.
    if (!query.waitForFinished(dpkgTimeoutMs) || query.exitStatus() != QProcess::NormalExit)
        return {};
    QHash<QString, QString> owners;
    // "pkg1, pkg2: /path" per owned path; other lines (diversions) are left alone.
    for (const QString& line : QString::fromUtf8(query.readAllStandardOutput()).split(u'\n')) {
        const qsizetype colon = line.indexOf(QStringLiteral(": /"));
        const QString path = line.mid(colon + 2);
        if (colon > 0 && paths.contains(path))
            owners.insert(path, line.left(colon).section(u',', 0, 0).trimmed());
    }
    return owners;
}

} // namespace tidewell::debian
