import QtQuick

// A soft shadow under a rounded rectangle, built from a few widening translucent layers.
Item {
    id: shadow
    property real radius: 3
    property real cornerRadius: 0
    property color color: Qt.rgba(0, 0, 0, 0.03)
    property real offsetY: 1

    Repeater {
        model: 4
        Rectangle {
            required property int index
            readonly property real spread: shadow.radius * (index + 1) / 4
            x: -spread
            y: -spread + shadow.offsetY
            width: shadow.width + 2 * spread
            height: shadow.height + 2 * spread
            radius: shadow.cornerRadius + spread
            color: "transparent"
            border.width: Math.max(1, shadow.radius / 4)
            border.color: Qt.rgba(shadow.color.r, shadow.color.g, shadow.color.b,
                                  shadow.color.a * (1 - index / 4))
        }
    }
}
