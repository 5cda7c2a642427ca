import QtQuick

// The layered backdrop of panels and cards: a frosted material, a tint over it and an
// outline, all in one rounded rectangle.
Item {
    id: glass

    property real radius: 0
    property string thickness: "thin"
    property color tint: "transparent"
    property color borderColor: "transparent"
    property real borderWidth: 0.8

    MaterialFill {
        anchors.fill: parent
        thickness: glass.thickness
        radius: glass.radius
    }
    Rectangle {
        anchors.fill: parent
        radius: glass.radius
        color: glass.tint
        border.width: glass.borderWidth
        border.color: glass.borderColor
    }
}
