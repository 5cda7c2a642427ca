#include "FileSafetyLevel.h"

#include <QCoreApplication>

namespace tidewell {

namespace {

const char* englishName(FileSafetyLevel level) {
    switch (level) {
    case FileSafetyLevel::safe:
        return QT_TRANSLATE_NOOP("FileSafetyLevel", "Safe");
    case FileSafetyLevel::optional:
        return QT_TRANSLATE_NOOP("FileSafetyLevel", "Optional");
    case FileSafetyLevel::risky:
        break;
    }
    return QT_TRANSLATE_NOOP("FileSafetyLevel", "Risky");
}

} // namespace

QString rawValue(FileSafetyLevel level) {
    return QString::fromLatin1(englishName(level));
}

QString displayName(FileSafetyLevel level) {
    return QCoreApplication::translate("FileSafetyLevel", englishName(level));
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
