import QtQuick
import QtQuick.Templates as T
import Tidewell

// The round-cornered selection box of the rows and the list header: filled with the accent
// colour when on, lighter with a dash when mixed, a faint square when off. It shows the state
// it is given; a click only reports clicked(), the owner changes the state.
T.CheckBox {
    id: box

    // "on", "mixed" or "off".
    property string selectionState: "off"
    // Whether Tab stops here; the rows are reached through their list instead.
    property bool takesFocus: false

    readonly property bool isFilled: selectionState !== "off"

    implicitWidth: 16
    implicitHeight: 16
    padding: 0
    spacing: 0
    tristate: true
    checkState: selectionState === "on" ? Qt.Checked
              : selectionState === "mixed" ? Qt.PartiallyChecked : Qt.Unchecked
    nextCheckState: function() { return checkState }
    focusPolicy: takesFocus && enabled ? Qt.StrongFocus : Qt.NoFocus
    Accessible.focusable: takesFocus && enabled
    Keys.onReturnPressed: clicked()

    FocusRing {
        anchors.fill: parent
        radius: 8
        shown: box.visualFocus
    }

    contentItem: Item {}
    indicator: Rectangle {
        implicitWidth: 16
        implicitHeight: 16
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
