import QtQuick
import QtQuick.Templates as T
import Tidewell

// One tab of the settings sidebar: symbol and title on an accent plate when selected.
T.AbstractButton {
    id: button

    property string title
    property string symbol
    property bool selected: false

    implicitHeight: contentItem.implicitHeight + 12
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.PageTab
    Accessible.name: title
    Accessible.selected: selected
    Keys.onReturnPressed: clicked()

    FocusRing {
        anchors.fill: parent
        radius: 10
        shown: button.visualFocus
    }

    background: Rectangle {
        radius: 8
        color: button.selected ? Appearance.accentPlate : "transparent"
        Behavior on color { ColorAnimation { duration: 280; easing.type: Easing.OutCubic } }
    }
    leftPadding: 10
    contentItem: Row {
        spacing: 8
        SymbolImage {
            anchors.verticalCenter: parent.verticalCenter
            width: 18
            name: button.symbol
            pointSize: 15
            color: button.selected ? Appearance.onAccent : Appearance.secondary
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: button.title
            font.pixelSize: 13
            font.weight: button.selected ? Font.Medium : Font.Normal
            color: button.selected ? Appearance.onAccent : Appearance.primary
        }
    }
}
