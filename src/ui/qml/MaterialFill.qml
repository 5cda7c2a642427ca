import QtQuick
import Tidewell

// A frosted material: the window colour lightened or darkened by thickness. Stands in for the
// system blur; the tint layers of each view go on top.
Rectangle {
    // "none", "ultraThin", "thin" or "regular".
    property string thickness: "thin"

    readonly property real strength: thickness === "regular" ? 0.75
                                   : thickness === "thin" ? 0.55
                                   : thickness === "ultraThin" ? 0.35 : 0
    color: Appearance.isDark ? Qt.rgba(0.17, 0.17, 0.18, strength)
                             : Qt.rgba(0.98, 0.98, 0.98, strength)
    Behavior on color { ColorAnimation { duration: 220; easing.type: Easing.InOutQuad } }
}
