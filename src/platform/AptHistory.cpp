#include "AptHistory.h"

#include "GzipReading.h"
#include "SmallFileReading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace tidewell::apt {

namespace {

// A busy machine writes a few megabytes a year; far more is no history of apt's.
constexpr qint64 maximumHistorySize = 64 << 20;

QString text(const char* english) {
    return QCoreApplication::translate("AptHistory", english);
}

std::optional<PackageAction> actionNamed(QStringView key) {
    if (key == u"Remove")
        return PackageAction::removed;
    if (key == u"Purge")
        return PackageAction::purged;
    if (key == u"Install" || key == u"Reinstall" || key == u"Upgrade" || key == u"Downgrade")
        return PackageAction::installed;
    return std::nullopt;
}

// "mousepad:amd64 (0.5.10-1), libfoo1:amd64 (1.2, automatic)": the package names.
QStringList packagesIn(const QString& list) {
    static const QRegularExpression package(
        QStringLiteral("([^\\s,:()]+)(?::\\S+)?\\s*\\([^)]*\\)"));
    QStringList names;
    for (const QRegularExpressionMatch& match : package.globalMatch(list))
        names.append(match.captured(1));
    return names;
}

// One entry's lines, between blank lines.
void addEntry(const QStringList& lines, ParsedHistory& parsed) {
    QDateTime start;
    QList<PackageEvent> events;
    for (const QString& line : lines) {
        const QString key = line.section(u':', 0, 0).trimmed();
        const QString value = line.section(u':', 1).trimmed();
        if (key == u"Start-Date")
            start =
                QDateTime::fromString(value.simplified(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        else if (const auto action = actionNamed(key)) {
            for (const QString& package : packagesIn(value))
                events.append({package, *action, {}});
        }
    }
    if (events.isEmpty())
        return;
    if (!start.isValid()) {
        ++parsed.unreadableEntries;
        return;
    }
    for (PackageEvent& event : events)
        event.when = start;
    parsed.events.append(events);
}

// The rotation number of a history file: 0 for history.log, n for history.log.n[.gz], nothing
// for other files.
std::optional<int> rotationOf(const QString& name) {
    static const QRegularExpression rotated(
        QStringLiteral("^history\\.log(?:\\.(\\d+))?(?:\\.gz)?$"));
    const QRegularExpressionMatch match = rotated.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).isEmpty() ? 0 : match.captured(1).toInt();
}

// The history files of folder, the oldest (highest number) first.
QStringList historyFiles(const QString& folder) {
    QList<std::pair<int, QString>> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (const auto rotation = rotationOf(name))
            files.append({*rotation, name});
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList paths;
    for (const auto& [rotation, name] : files)
        paths.append(QDir(folder).filePath(name));
    return paths;
}

std::optional<QByteArray> historyText(const QString& path) {
    const std::optional<QByteArray> bytes = readSmallFile(path, maximumHistorySize);
    if (!bytes || !path.endsWith(QStringLiteral(".gz")))
        return bytes;
    return gunzip(*bytes, maximumHistorySize);
}

} // namespace

ParsedHistory parseHistory(const QByteArray& text) {
    ParsedHistory parsed;
    QStringList entry;
    for (const QString& line : QString::fromUtf8(text).split(u'\n')) {
        if (line.trimmed().isEmpty()) {
            addEntry(entry, parsed);
            entry.clear();
        } else {
            entry.append(line);
        }
    }
    addEntry(entry, parsed);
    return parsed;
}

History readHistory(const Host& host) {
    History history;
    for (const QString& path : historyFiles(host.systemPath(QStringLiteral("/var/log/apt")))) {
        const std::optional<QByteArray> bytes = historyText(path);
        if (!bytes) {
            history.problems.append(
                text(QT_TRANSLATE_NOOP("AptHistory", "Could not read apt's history %1."))
                    .arg(path));
            continue;
        }
        const ParsedHistory parsed = parseHistory(*bytes);
        history.events.append(parsed.events);
        if (parsed.unreadableEntries > 0)
            history.problems.append(
                QCoreApplication::translate("AptHistory",
                                            "%n entry(s) of apt's history %1 have no readable date "
                                            "and were left out.",
                                            "", parsed.unreadableEntries)
                    .arg(path));
    }
    return history;
}

} // namespace tidewell::apt
