#pragma once

#include "PreferenceStore.h"

#include <QString>

namespace tidewell::AppPreferences {

// Keys of the user's settings, spelled the same wherever they are read or written.
inline const QString confirmBeforeRemovingFiles = QStringLiteral("confirmBeforeRemovingFiles");
inline const QString autoScanAfterDroppingApp = QStringLiteral("autoScanAfterDroppingApp");
inline const QString showCategoryDashboard = QStringLiteral("showCategoryDashboard");

// Registers every setting with its default (all on); the user's stored choices still win.
void registerDefaults(PreferenceStore& store = PreferenceStore::shared());

} // namespace tidewell::AppPreferences
