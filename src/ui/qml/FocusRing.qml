import QtQuick
import Tidewell

// The keyboard focus mark: an accent outline just outside the item it fills.
Rectangle {
    property bool shown: false

    anchors.margins: -3
    visible: shown
    color: "transparent"
    radius: 8
    border.width: 2
    border.color: Appearance.faded(Appearance.accent, Appearance.pick(0.9, 0.95))
}
