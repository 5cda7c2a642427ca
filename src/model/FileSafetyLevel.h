#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace tidewell {

// How safe removing a leftover is. The raw value is the level's English name.
enum class FileSafetyLevel { safe, optional, risky };

QString rawValue(FileSafetyLevel level);
// The level's name in the user's language.
QString displayName(FileSafetyLevel level);
std::optional<FileSafetyLevel> fileSafetyLevelFromRawValue(const QString& raw);
// Every case in declaration order.
const QList<FileSafetyLevel>& allFileSafetyLevels();

} // namespace tidewell
