pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tidewell

// Tells how many folders the last scan could not read. On macOS it offers the privacy
// settings; elsewhere it lists the folders on request and shows the first in the file manager.
Item {
    id: banner

    property var folders: []
    property bool isDarkMode: Appearance.isDark
    property color windowTintColor: Appearance.windowBackground
    property bool listShown: false

    // The user pressed the banner's action ("Open Settings" or "Show in Folder").
    signal openSettings()

    readonly property int folderCount: folders.length
    // The list names this many; the rest are counted.
    readonly property int listedCount: 4
    readonly property string title: Host.asksForFullDiskAccess
        ? qsTr("Some folders were restricted.")
        : qsTr("Some folders could not be read.")
    // Singular and plural are separate source texts so that English reads right without a
    // catalogue; both carry %n for languages with more forms.
    readonly property string message: Host.asksForFullDiskAccess
        ? (folderCount < 1 ? qsTr("Grant Full Disk Access for complete results.")
           : folderCount === 1
             ? qsTr("%n location was blocked. Grant Full Disk Access for complete results.", "", 1)
             : qsTr("%n locations were blocked. Grant Full Disk Access for complete results.", "",
                    folderCount))
        : folderCount === 1
          ? qsTr("%n folder could not be read, so its leftovers may be missing.", "", 1)
          : qsTr("%n folders could not be read, so their leftovers may be missing.", "", folderCount)

    onFoldersChanged: listShown = false
    implicitHeight: content.implicitHeight + 22
    Accessible.role: Accessible.AlertMessage
    Accessible.name: title + " " + message

    GlassPanel {
        anchors.fill: parent
        radius: 12
        tint: Appearance.faded(banner.windowTintColor, 0.16)
        borderColor: Appearance.faded(Appearance.primary, banner.isDarkMode ? 0.12 : 0.08)
    }

    ColumnLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        anchors.topMargin: 11
        anchors.bottomMargin: 11
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            SymbolImage {
                id: shieldIcon
                objectName: "bannerIcon"
                name: "lock.shield.fill"
                pointSize: 22
                color: Appearance.orange
                // Pulses only while shown: a running animation keeps the window drawing
                // frames, visible or not.
                SequentialAnimation on opacity {
                    running: shieldIcon.visible
                    loops: Animation.Infinite
                    NumberAnimation { to: 0.45; duration: 900; easing.type: Easing.InOutSine }
                    NumberAnimation { to: 1.0; duration: 900; easing.type: Easing.InOutSine }
                }
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2
                Text {
                    objectName: "bannerTitle"
                    Layout.fillWidth: true
                    text: banner.title
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                    color: Appearance.primary
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                }
                Text {
                    objectName: "bannerMessage"
                    Layout.fillWidth: true
                    text: banner.message
                    font.pixelSize: 12
                    color: Appearance.secondary
                    wrapMode: Text.Wrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                }
            }
            Item { Layout.minimumWidth: 8 }
            GlassActionButton {
                objectName: "bannerListButton"
                visible: !Host.asksForFullDiskAccess
                text: banner.listShown ? qsTr("Hide List") : qsTr("Show List")
                role: "secondary"
                compact: true
                Accessible.description: banner.listShown ? qsTr("Hide the unreadable folders")
                                                         : qsTr("List the unreadable folders")
                onClicked: banner.listShown = !banner.listShown
            }
            GlassActionButton {
                objectName: "openSettingsButton"
                text: Host.asksForFullDiskAccess ? qsTr("Open Settings") : Host.revealLabel
                role: "secondary"
                compact: !Host.asksForFullDiskAccess
                frameWidth: Host.asksForFullDiskAccess ? 136 : 0
                Accessible.description: Host.asksForFullDiskAccess
                                        ? "" : qsTr("Show the first unreadable folder in the file manager")
                onClicked: banner.openSettings()
            }
        }

        Repeater {
            objectName: "bannerFolderList"
            model: banner.listShown ? banner.folders.slice(0, banner.listedCount) : []
            ElidedText {
                required property string modelData
                objectName: "bannerFolder"
                Layout.fillWidth: true
                Layout.leftMargin: 34
                text: DesktopIntegration.shortPath(modelData)
                fullText: modelData
                elide: Text.ElideMiddle
                font.pixelSize: 11
                color: Appearance.secondary
            }
        }
        Text {
            Layout.leftMargin: 34
            visible: banner.listShown && banner.folderCount > banner.listedCount
            text: qsTr("and %n more", "", banner.folderCount - banner.listedCount)
            font.pixelSize: 11
            color: Appearance.secondary
        }
    }
}
