import QtQuick
import QtQuick.Layouts
import Tidewell

// The three behaviour switches, written to the user's settings at once.
ColumnLayout {
    id: general

    property var preferences

    spacing: 20

    SettingsGroupView {
        Layout.fillWidth: true

        SettingsToggleRow {
            objectName: "confirmRow"
            title: qsTr("Confirm before removing files")
            description: qsTr("Ask before moving leftover files to the Trash.")
            checked: general.preferences.confirmBeforeRemovingFiles
            onToggled: (on) => general.preferences.confirmBeforeRemovingFiles = on
        }
        RowDivider {}
        SettingsToggleRow {
            objectName: "autoScanRow"
            title: qsTr("Auto-scan after dropping app")
            description: qsTr("Start scanning as soon as you drop an app into the window.")
            checked: general.preferences.autoScanAfterDroppingApp
            onToggled: (on) => general.preferences.autoScanAfterDroppingApp = on
        }
        RowDivider {}
        SettingsToggleRow {
            objectName: "dashboardRow"
            title: qsTr("Show category breakdown dashboard")
            description: qsTr("Display disk space usage categorized by Application Support, Preferences, Caches, etc.")
            checked: general.preferences.showCategoryDashboard
            onToggled: (on) => general.preferences.showCategoryDashboard = on
        }
    }
}
