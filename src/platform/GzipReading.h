#pragma once

#include <QByteArray>

#include <optional>

namespace tidewell {

// The content of gzip data (every member of it, as gzip -d gives), or nothing when the data is
// not gzip, is cut short or corrupt, or would unpack to more than maximumSize bytes.
std::optional<QByteArray> gunzip(const QByteArray& compressed, qint64 maximumSize);

} // namespace tidewell
