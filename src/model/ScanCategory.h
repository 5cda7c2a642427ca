#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace tidewell {

// Kind of leftover. The raw value is also the text shown for the category.
enum class ScanCategory { applicationSupport, preferences, caches, logs, other };

QString rawValue(ScanCategory category);
std::optional<ScanCategory> scanCategoryFromRawValue(const QString& raw);
// Every case in declaration order.
const QList<ScanCategory>& allScanCategories();

} // namespace tidewell
