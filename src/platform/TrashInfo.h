#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The .trashinfo records of the freedesktop.org Trash: what the Trash writes beside each item,
// and how a record is read back.
namespace tidewell::trashinfo {

// A record's DeletionDate for a moment: local time to the second, as file managers write it.
QString deletionDate(const QDateTime& moment);

// The record of an item deleted at date whose place is given as the trash names it: absolute in
// the home trash, relative to the volume's top in a volume's trash.
QByteArray record(const QByteArray& place, const QString& date);

struct Record {
    QByteArray place; // percent-decoded
    QString deletionDate;
};

// The place and date of a record; nothing when content is no record.
std::optional<Record> parse(const QByteArray& content);

// The absolute path a record's place names: the place itself when absolute, else the place
// below the top of the volume whose trash ($topdir/.Trash-$uid or $topdir/.Trash/$uid) holds
// the record at infoPath. Empty when neither applies.
QString originalPath(const QByteArray& place, const QString& infoPath);

} // namespace tidewell::trashinfo
