import QtQuick
import QtQuick.Controls
import Tidewell

// The title bar drawn over the top of a frameless window (macOS): close and minimise
// controls, the centred title and, for the main window, the settings button. Dragging it
// moves the window. Under a window manager's frame only the settings button remains.
Item {
    id: chrome

    property var window
    property string title
    property bool showsSettingsButton: false
    property bool drawsWindowControls: Host.drawsOwnTitleBar

    // The settings button was clicked.
    signal settingsRequested()

    anchors.left: parent.left
    anchors.right: parent.right
    anchors.top: parent.top
    height: 36

    DragHandler {
        enabled: chrome.drawsWindowControls
        target: null
        grabPermissions: PointerHandler.CanTakeOverFromAnything
        onActiveChanged: {
            if (active && chrome.window)
                chrome.window.startSystemMove()
        }
    }

    Row {
        id: windowControls
        visible: chrome.drawsWindowControls
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
        visible: chrome.drawsWindowControls
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
        focusPolicy: Qt.StrongFocus
        Accessible.name: qsTr("Open Settings")
        Keys.onReturnPressed: clicked()
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
        FocusRing {
            anchors.fill: parent
            anchors.margins: -1
            shown: settingsButton.visualFocus
        }
    }
}
