#include "AppPreferences.h"

namespace tidewell::AppPreferences {

void registerDefaults(PreferenceStore& store) {
    store.registerDefaults({
        {confirmBeforeRemovingFiles, true},
        {autoScanAfterDroppingApp, true},
        {showCategoryDashboard, true},
    });
}

} // namespace tidewell::AppPreferences
