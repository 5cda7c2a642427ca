#pragma once

#include "SpotlightSearching.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tidewell {

// Searches the host's locate database (plocate, or a compatible locate, looked up on the host's
// program path) for items whose path contains one of the application's names, ignoring case.
// Stateless apart from its settings; callable from any thread. Without a database or a locate
// program it finds nothing at once; a cancelled search kills the locate program and finds
// nothing.
class LocateIndexSearch : public SpotlightSearching {
public:
    static QString defaultDatabasePath();

    explicit LocateIndexSearch(QStringList programPath,
                               QString databasePath = defaultDatabasePath(),
                               int timeoutMilliseconds = 15000);

    QList<QUrl> search(const AppDescriptor& app, const QList<QUrl>& scope,
                       const CancellationToken& cancel) const override;

    // A locate pattern matching every path that contains term literally: the term itself, or,
    // when it holds a glob character, the escaped term between two "*".
    static QString pattern(const QString& term);
    // Whether path lies inside one of the folders (a path equal to a folder is not inside it).
    static bool isInsideScope(const QString& path, const QStringList& scopeFolders);
    // Whether the path (and so its file name and its name without extension) contains a term,
    // ignoring case.
    static bool containsTerm(const QString& path, const QStringList& terms);

private:
    // The database's paths matching the pattern, or nothing when the lookup failed.
    std::optional<QStringList> lookUp(const QString& pattern,
                                      const CancellationToken& cancel) const;

    QStringList m_programPath;
    QString m_databasePath;
    int m_timeoutMilliseconds;
};

} // namespace tidewell
