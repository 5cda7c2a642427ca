#include "FileSafetyLevel.h"

namespace tidewell {

QString rawValue(FileSafetyLevel level) {
    switch (level) {
    case FileSafetyLevel::safe:
        return QStringLiteral("Safe");
    case FileSafetyLevel::optional:
        return QStringLiteral("Optional");
    case FileSafetyLevel::risky:
        break;
    }
    return QStringLiteral("Risky");
}

const QList<FileSafetyLevel>& allFileSafetyLevels() {
    static const QList<FileSafetyLevel> cases{FileSafetyLevel::safe, FileSafetyLevel::optional,
                                              FileSafetyLevel::risky};
    return cases;
}

std::optional<FileSafetyLevel> fileSafetyLevelFromRawValue(const QString& raw) {
    for (FileSafetyLevel level : allFileSafetyLevels()) {
        if (rawValue(level) == raw)
            return level;
    }
    return std::nullopt;
}

} // namespace tidewell
