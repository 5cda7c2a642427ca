import QtQuick
import QtQuick.Controls
import Tidewell

// The title bar drawn over the top of a frameless window: close and minimise controls, the
// centred title and, for the main window, the settings button. Dragging it moves the window.
Item {
    id: chrome

    property var window
    property string title
    property bool showsSettingsButton: false

    // The settings button was clicked.
    signal settingsRequested()

    anchors.left: parent.left
    anchors.right: parent.right
    anchors.top: parent.top
    height: 36

    DragHandler {
        target: null
        grabPermissions: PointerHandler.CanTakeOverFromAnything
        onActiveChanged: {
            if (active && chrome.window)
                chrome.window.startSystemMove()
        }
    }

    Row {
        id: windowControls
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: -1
        spacing: 8

        HoverHandler { id: controlsHover }

        WindowControlButton {
            objectName: "closeButton"
            fill: "#FF5F57"
            symbol: "xmark"
            showsSymbol: controlsHover.hovered
            Accessible.name: qsTr("Close")
            onClicked: chrome.window.close()
        }
        WindowControlButton {
            objectName: "minimizeButton"
            fill: "#FEBC2E"
            symbol: "minimize"
            showsSymbol: controlsHover.hovered
            Accessible.name: qsTr("Minimize")
            onClicked: chrome.window.showMinimized()
        }
    }

    Text {
        objectName: "centeredTitle"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 120
        anchors.rightMargin: 120
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: -1
        text: chrome.title
        font.pixelSize: 12
        font.weight: Font.DemiBold
        color: Appearance.titleColor
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        maximumLineCount: 1
    }

    AbstractButton {
        id: settingsButton
        objectName: "settingsButton"
        visible: chrome.showsSettingsButton
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: -1
        width: 28
        height: 28
        focusPolicy: Qt.NoFocus
        Accessible.name: qsTr("Open Settings")
        ToolTip.visible: hovered
        ToolTip.delay: 600
        ToolTip.text: qsTr("Settings")
        contentItem: SymbolImage {
            name: "gearshape"
            pointSize: 17
            color: Appearance.titleColor
        }
        background: Item {}
        onClicked: chrome.settingsRequested()
    }
}
