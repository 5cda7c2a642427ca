#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace tidewell {

// Kind of leftover. The raw value is the category's English name.
enum class ScanCategory { applicationSupport, preferences, caches, logs, other };

QString rawValue(ScanCategory category);
// The category's name in the user's language.
QString displayName(ScanCategory category);
std::optional<ScanCategory> scanCategoryFromRawValue(const QString& raw);
// Every case in declaration order.
const QList<ScanCategory>& allScanCategories();

} // namespace tidewell
