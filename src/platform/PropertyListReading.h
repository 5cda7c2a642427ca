#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace tidewell::propertylist {

// Property lists larger than this are refused rather than read into memory.
inline constexpr qint64 maximumFileSize = 16 * 1024 * 1024;

// Top-level dictionary of an XML or binary property list held in data, or nothing when data is
// malformed or its top level is not a dictionary. Strings become QString, integers qint64,
// reals double, data QByteArray, dates QDateTime (UTC), arrays QVariantList and dictionaries
// QVariantMap.
std::optional<QVariantMap> parseDictionary(const QByteArray& data);

// The same for the file at path; nothing when it is missing, unreadable, not a regular file or
// larger than maximumFileSize.
std::optional<QVariantMap> readDictionary(const QString& path);

} // namespace tidewell::propertylist
