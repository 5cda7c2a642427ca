#include "ScanCategory.h"

#include <QCoreApplication>

namespace tidewell {

namespace {

const char* englishName(ScanCategory category) {
    switch (category) {
    case ScanCategory::applicationSupport:
        return QT_TRANSLATE_NOOP("ScanCategory", "Application Support");
    case ScanCategory::preferences:
        return QT_TRANSLATE_NOOP("ScanCategory", "Preferences");
    case ScanCategory::caches:
        return QT_TRANSLATE_NOOP("ScanCategory", "Caches");
    case ScanCategory::logs:
        return QT_TRANSLATE_NOOP("ScanCategory", "Logs");
    case ScanCategory::other:
        break;
    }
    return QT_TRANSLATE_NOOP("ScanCategory", "Other");
}

} // namespace

QString rawValue(ScanCategory category) {
    return QString::fromLatin1(englishName(category));
}

QString displayName(ScanCategory category) {
    return QCoreApplication::translate("ScanCategory", englishName(category));
}

const QList<ScanCategory>& allScanCategories() {
    static const QList<ScanCategory> cases{ScanCategory::applicationSupport,
                                           ScanCategory::preferences, ScanCategory::caches,
                                           ScanCategory::logs, ScanCategory::other};
    return cases;
}

std::optional<ScanCategory> scanCategoryFromRawValue(const QString& raw) {
    for (ScanCategory category : allScanCategories()) {
        if (rawValue(category) == raw)
            return category;
    }
    return std::nullopt;
}

} // namespace tidewell
