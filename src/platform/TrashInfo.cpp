#include "TrashInfo.h"

#include "FileErrors.h"

#include <QDir>
#include <QFileInfo>
#include <QList>

namespace tidewell::trashinfo {

QString deletionDate(const QDateTime& moment) {
    return moment.toLocalTime().toString(u"yyyy-MM-dd'T'HH:mm:ss");
}

QByteArray record(const QByteArray& place, const QString& date) {
    return "[Trash Info]\nPath=" + place.toPercentEncoding("/") +
           "\nDeletionDate=" + date.toLatin1() + '\n';
}

std::optional<Record> parse(const QByteArray& content) {
    const QList<QByteArray> lines = content.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != "[Trash Info]")
        return std::nullopt;
    std::optional<QByteArray> place;
    std::optional<QString> date;
    for (const QByteArray& line : lines.sliced(1)) {
        if (line.startsWith('['))
            break; // another group: the record's own keys come first
        if (line.startsWith("Path=") && !place)
            place = QByteArray::fromPercentEncoding(line.sliced(5));
        else if (line.startsWith("DeletionDate=") && !date)
            date = QString::fromLatin1(line.sliced(13));
    }
    if (!place || place->isEmpty() || !date)
        return std::nullopt;
    return Record{*place, *date};
}

QString originalPath(const QByteArray& place, const QString& infoPath) {
    const QString decoded = decodeFileName(place.constData(), place.size());
    if (place.startsWith('/'))
        return QDir::cleanPath(decoded);
    // info/ -> the trash folder, then its name tells where the volume's top lies.
    const QFileInfo trash(QFileInfo(QFileInfo(infoPath).path()).path());
    QString top;
    if (trash.fileName().startsWith(u".Trash-"))
        top = trash.path();
    else if (QFileInfo(trash.path()).fileName() == u".Trash")
        top = QFileInfo(trash.path()).path();
    return top.isEmpty() ? QString() : QDir::cleanPath(top + u'/' + decoded);
}

} // namespace tidewell::trashinfo
