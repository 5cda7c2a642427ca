import QtQuick

// Stands in for the user's settings.
QtObject {
    property bool confirmBeforeRemovingFiles: true
    property bool autoScanAfterDroppingApp: true
    property bool showCategoryDashboard: true
}
