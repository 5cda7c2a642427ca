import QtQuick
import QtQuick.Controls
import Tidewell

// A context menu drawn like the window's popups; its entries are ContextMenuItems.
Menu {
    id: menu

    padding: 4
    background: Rectangle {
        implicitWidth: 180
        radius: 8
        color: Appearance.popupBackground
        border.width: 1
        border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.18, 0.12))
    }
}
