#include "XdgUserDirs.h"

#include "SmallFileReading.h"

#include <QDir>

namespace tidewell::xdguserdirs {

namespace {

constexpr qint64 maximumFileSize = 64 * 1024;

QString unquoted(const QString& value) {
    const QString trimmed = value.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(u'"') && trimmed.endsWith(u'"'))
        return trimmed.mid(1, trimmed.size() - 2);
    return {};
}

} // namespace

QStringList parse(const QByteArray& text, const QString& home) {
    QStringList folders;
    for (const QString& rawLine : QString::fromUtf8(text).split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (!line.startsWith(QStringLiteral("XDG_")) || !line.contains(QStringLiteral("_DIR=")))
            continue;
        const QString value = unquoted(line.section(u'=', 1));
        if (value.startsWith(QStringLiteral("$HOME/")))
            folders.append(QDir::cleanPath(home + value.mid(5)));
        else if (value.startsWith(u'/'))
            folders.append(QDir::cleanPath(value));
    }
    return folders;
}

QStringList standardFolders(const QString& configFolder, const QString& home) {
    QStringList folders;
    for (const char* name : {"Desktop", "Documents", "Downloads", "Music", "Pictures", "Public",
                             "Templates", "Videos"})
        folders.append(home + u'/' + QLatin1String(name));
    if (const auto text =
            readSmallFile(configFolder + QStringLiteral("/user-dirs.dirs"), maximumFileSize))
        folders.append(parse(*text, home));
    folders.removeDuplicates();
    return folders;
}

} // namespace tidewell::xdguserdirs
