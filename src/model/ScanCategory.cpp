#include "ScanCategory.h"

namespace tidewell {

QString rawValue(ScanCategory category) {
    switch (category) {
    case ScanCategory::applicationSupport:
        return QStringLiteral("Application Support");
    case ScanCategory::preferences:
        return QStringLiteral("Preferences");
    case ScanCategory::caches:
        return QStringLiteral("Caches");
    case ScanCategory::logs:
        return QStringLiteral("Logs");
    case ScanCategory::other:
        break;
    }
    return QStringLiteral("Other");
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
