pragma ComponentBehavior: Bound
import QtQuick

// A soft shadow around a rounded rectangle: one-point rings that widen and fade out to the
// given radius.
Item {
    id: shadow
    property real radius: 3
    property real cornerRadius: 0
    property color color: Qt.rgba(0, 0, 0, 0.03)
    property real offsetY: 1

    readonly property int rings: Math.max(1, Math.round(radius))

    Repeater {
        model: shadow.rings
        Rectangle {
            required property int index
            readonly property real spread: index + 1
            x: -spread
            y: -spread + shadow.offsetY
            width: shadow.width + 2 * spread
            height: shadow.height + 2 * spread
            radius: shadow.cornerRadius + spread
            color: "transparent"
            border.width: 1
            border.color: Qt.rgba(shadow.color.r, shadow.color.g, shadow.color.b,
                                  shadow.color.a * (1 - index / shadow.rings) * 2 / shadow.rings)
        }
    }
}
