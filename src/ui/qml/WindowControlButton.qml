import QtQuick
import QtQuick.Templates as T
import Tidewell

// One round window control of the title bar; its symbol shows while the pointer is near.
T.AbstractButton {
    id: control

    property color fill
    property string symbol
    property bool showsSymbol: false

    implicitWidth: 12
    implicitHeight: 12
    focusPolicy: Qt.NoFocus

    background: Rectangle {
        radius: width / 2
        color: control.down ? Qt.darker(control.fill, 1.15) : control.fill
        border.width: 0.5
        border.color: Qt.rgba(0, 0, 0, 0.12)
    }
    contentItem: SymbolImage {
        visible: control.showsSymbol
        name: control.symbol
        pointSize: 9
        color: Qt.rgba(0, 0, 0, 0.6)
    }
}
