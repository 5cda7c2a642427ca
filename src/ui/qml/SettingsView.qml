import QtQuick
import QtQuick.Layouts
import Tidewell

// The settings window's content: a sidebar with the General, Recently Removed and About tabs
// beside the page of the selected tab.
Item {
    id: settingsView

    property var preferences
    // "general", "recent" or "about".
    property string selectedTab: "general"

    implicitWidth: 620
    implicitHeight: 380

    MaterialFill {
        anchors.fill: parent
        thickness: "regular"
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Item {
            // Room for the longest tab title, "Recently Removed".
            Layout.preferredWidth: 184
            Layout.fillHeight: true

            MaterialFill {
                anchors.fill: parent
                thickness: "thin"
                color: Appearance.sidebarTint
            }
            ColumnLayout {
                anchors.fill: parent
                anchors.leftMargin: 10
                anchors.rightMargin: 10
                anchors.topMargin: 48
                anchors.bottomMargin: 16
                spacing: 6

                SidebarButton {
                    objectName: "generalTab"
                    Layout.fillWidth: true
                    title: qsTr("General")
                    symbol: "gearshape"
                    selected: settingsView.selectedTab === "general"
                    onClicked: settingsView.selectedTab = "general"
                }
                SidebarButton {
                    objectName: "recentTab"
                    Layout.fillWidth: true
                    title: qsTr("Recently Removed")
                    symbol: "clock.arrow.circlepath"
                    selected: settingsView.selectedTab === "recent"
                    onClicked: settingsView.selectedTab = "recent"
                }
                SidebarButton {
                    objectName: "aboutTab"
                    Layout.fillWidth: true
                    title: qsTr("About")
                    symbol: "info.circle"
                    selected: settingsView.selectedTab === "about"
                    onClicked: settingsView.selectedTab = "about"
                }
                Item { Layout.fillHeight: true }
            }
        }

        Rectangle {
            Layout.preferredWidth: 1
            Layout.fillHeight: true
            color: Appearance.faded(Appearance.primary, Appearance.pick(0.12, 0.1))
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true

            SettingsPage {
                objectName: "generalPage"
                shown: settingsView.selectedTab === "general"
                GeneralSettingsView {
                    width: parent.width
                    preferences: settingsView.preferences
                }
            }
            SettingsPage {
                id: recentPage
                objectName: "recentPage"
                shown: settingsView.selectedTab === "recent"
                RecentRemovalsSettingsView {
                    width: parent.width
                    height: parent.height
                    active: recentPage.shown
                }
            }
            SettingsPage {
                objectName: "aboutPage"
                shown: settingsView.selectedTab === "about"
                AboutSettingsView {
                    width: parent.width
                }
            }
        }
    }
}
