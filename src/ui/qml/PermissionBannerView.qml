import QtQuick
import QtQuick.Layouts
import Tidewell

// Tells how many folders the last scan could not read and offers the privacy settings.
Item {
    id: banner

    property int deniedPathCount: 0
    property bool isDarkMode: Appearance.isDark
    property color windowTintColor: Appearance.windowBackground

    // The user pressed "Open Settings".
    signal openSettings()

    readonly property string title: qsTr("Some folders were restricted.")
    readonly property string message: deniedPathCount < 1
        ? qsTr("Grant Full Disk Access for complete results.")
        : (deniedPathCount === 1
           ? qsTr("%1 location were blocked. Grant Full Disk Access for complete results.")
           : qsTr("%1 locations were blocked. Grant Full Disk Access for complete results."))
              .arg(deniedPathCount)

    implicitHeight: content.implicitHeight + 22

    GlassPanel {
        anchors.fill: parent
        radius: 12
        tint: Appearance.faded(banner.windowTintColor, 0.16)
        borderColor: Appearance.faded(Appearance.primary, banner.isDarkMode ? 0.12 : 0.08)
    }

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        anchors.topMargin: 11
        anchors.bottomMargin: 11
        spacing: 12

        SymbolImage {
            id: shieldIcon
            name: "lock.shield.fill"
            pointSize: 22
            color: Appearance.orange
            SequentialAnimation on opacity {
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
            objectName: "openSettingsButton"
            text: qsTr("Open Settings")
            role: "secondary"
            frameWidth: 136
            Layout.preferredWidth: 136
            onClicked: banner.openSettings()
        }
    }
}
