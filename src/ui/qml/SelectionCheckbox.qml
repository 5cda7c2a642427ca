import QtQuick
import QtQuick.Templates as T
import Tidewell

// The round-cornered selection box of the rows and the list header: filled with the accent
// colour when on, lighter with a dash when mixed, a faint square when off.
T.AbstractButton {
    id: box

    // "on", "mixed" or "off".
    property string selectionState: "off"

    readonly property bool isFilled: selectionState !== "off"

    implicitWidth: 16
    implicitHeight: 16
    focusPolicy: Qt.NoFocus

    contentItem: Item {}
    background: Rectangle {
        radius: 6
        color: box.selectionState === "on" ? Appearance.accent
             : box.selectionState === "mixed" ? Appearance.faded(Appearance.accent, 0.8)
             : Appearance.faded(Appearance.primary, Appearance.pick(0.14, 0.07))
        border.width: 0.8
        border.color: box.isFilled ? Appearance.faded(Appearance.accent, 0.7)
                                   : Appearance.faded(Appearance.primary, Appearance.pick(0.26, 0.16))
        Behavior on color { ColorAnimation { duration: 100; easing.type: Easing.InOutQuad } }

        SymbolImage {
            anchors.centerIn: parent
            visible: box.isFilled
            name: box.selectionState === "mixed" ? "minus" : "checkmark"
            pointSize: 11
            font.bold: true
            color: "white"
        }
    }
}
