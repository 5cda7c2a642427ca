import QtQuick
import QtQuick.Controls
import Tidewell

// One entry of a ContextMenu: the accent tint under the pointer or the keyboard.
MenuItem {
    id: item

    implicitHeight: 28
    leftPadding: 10
    rightPadding: 10
    Accessible.name: text

    contentItem: Text {
        text: item.text
        font.pixelSize: 12
        color: item.enabled ? Appearance.primary : Appearance.secondary
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: 5
        color: item.highlighted ? Appearance.selectionTint : "transparent"
    }
}
