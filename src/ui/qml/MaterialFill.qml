import QtQuick
import Tidewell

// A frosted material: the window colour lightened or darkened by thickness. Stands in for the
// system blur; the tint layers of each view go on top.
Rectangle {
    // "none", "ultraThin", "thin" or "regular".
    property string thickness: "thin"

    color: Appearance.material(thickness)
    Behavior on color { ColorAnimation { duration: 220; easing.type: Easing.InOutQuad } }
}
