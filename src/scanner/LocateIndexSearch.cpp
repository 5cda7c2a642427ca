#include "LocateIndexSearch.h"

#include "SpotlightQueryText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

#include <utility>

namespace tidewell {

namespace {

QString locateProgram(const QStringList& programPath) {
    // An empty list of folders would make the search fall back to this process's PATH.
    if (programPath.isEmpty())
        return {};
    const QString plocate = QStandardPaths::findExecutable(QStringLiteral("plocate"), programPath);
    return plocate.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("locate"), programPath)
                             : plocate;
}

QString withoutTrailingSlash(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QStringList localPaths(const QList<QUrl>& urls) {
    QStringList paths;
    paths.reserve(urls.size());
    for (const QUrl& url : urls)
        paths.append(withoutTrailingSlash(url.toLocalFile()));
    return paths;
}

QStringList splitNullSeparated(const QByteArray& output) {
    QStringList paths;
    for (const QByteArray& line : output.split('\0')) {
        if (!line.isEmpty())
            paths.append(QFile::decodeName(line));
    }
    return paths;
}

// Waits in short slices, so that a cancelled scan stops the program at once.
bool finishedInTime(QProcess& process, int timeoutMilliseconds, const CancellationToken& cancel) {
    constexpr int sliceMilliseconds = 25;
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(sliceMilliseconds)) {
        if (process.state() == QProcess::NotRunning || cancel.isCancelled() ||
            clock.elapsed() >= timeoutMilliseconds)
            return false;
    }
    return !cancel.isCancelled();
}

} // namespace

QString LocateIndexSearch::defaultDatabasePath() {
    return QStringLiteral("/var/lib/plocate/plocate.db");
}

LocateIndexSearch::LocateIndexSearch(QStringList programPath, QString databasePath,
                                     int timeoutMilliseconds)
    : m_programPath(std::move(programPath)), m_databasePath(std::move(databasePath)),
      m_timeoutMilliseconds(timeoutMilliseconds) {}

QList<QUrl> LocateIndexSearch::search(const AppDescriptor& app, const QList<QUrl>& scope,
                                      const CancellationToken& cancel) const {
    const QStringList terms = SpotlightQueryText::searchTerms(app);
    if (scope.isEmpty() || terms.isEmpty() || !QFileInfo::exists(m_databasePath))
        return {};
    // One query per term: locate requires every pattern of one query to match, and a plain
    // pattern is answered from the database's index where a regular expression reads it whole.
    QSet<QString> found;
    for (const QString& term : terms) {
        const std::optional<QStringList> paths = lookUp(pattern(term), cancel);
        if (!paths)
            return {};
        for (const QString& path : *paths)
            found.insert(path);
    }
    const QStringList scopeFolders = localPaths(scope);
    QStringList inScope;
    for (const QString& path : found) {
        if (isInsideScope(path, scopeFolders) && containsTerm(path, terms))
            inScope.append(path);
    }
    inScope.sort();
    QList<QUrl> results;
    for (const QString& path : inScope)
        results.append(QUrl::fromLocalFile(path));
    return results;
}

QString LocateIndexSearch::pattern(const QString& term) {
    static const QString globCharacters = QStringLiteral("*?[]\\");
    QString escaped;
    for (const QChar c : term) {
        if (globCharacters.contains(c))
            escaped.append(QLatin1Char('\\'));
        escaped.append(c);
    }
    return escaped.size() == term.size() ? term : u'*' + escaped + u'*';
}

bool LocateIndexSearch::isInsideScope(const QString& path, const QStringList& scopeFolders) {
    for (const QString& folder : scopeFolders) {
        if (path.size() > folder.size() && path.startsWith(folder) &&
            path.at(folder.size()) == QLatin1Char('/'))
            return true;
    }
    return false;
}

bool LocateIndexSearch::containsTerm(const QString& path, const QStringList& terms) {
    for (const QString& term : terms) {
        if (path.contains(term, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

std::optional<QStringList> LocateIndexSearch::lookUp(const QString& pattern,
                                                     const CancellationToken& cancel) const {
    const QString program = locateProgram(m_programPath);
    if (program.isEmpty())
        return std::nullopt;

    QProcess process;
    // A UTF-8 locale lets the case-insensitive match fold letters beyond ASCII; nothing else of
    // the environment plays a part (no LOCATE_PATH adds databases to the one asked).
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {QStringLiteral("-d"), m_databasePath, QStringLiteral("-i"),
                            QStringLiteral("-0"), QStringLiteral("--"), pattern});
    if (!finishedInTime(process, m_timeoutMilliseconds, cancel) ||
        process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    return splitNullSeparated(process.readAllStandardOutput());
}

} // namespace tidewell
