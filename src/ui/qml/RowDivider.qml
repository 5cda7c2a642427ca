import QtQuick
import QtQuick.Layouts
import Tidewell

// A thin full-width line between the rows of a group.
Rectangle {
    Layout.fillWidth: true
    implicitHeight: 1
    color: Appearance.faded(Appearance.primary, Appearance.pick(0.12, 0.1))
}
