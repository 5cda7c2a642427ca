import QtQuick
import QtQuick.Layouts
import Tidewell

// A rounded, faintly filled box that groups settings rows.
Rectangle {
    id: group

    default property alias content: column.data

    implicitHeight: column.implicitHeight
    radius: 14
    color: Appearance.faded(Appearance.primary, Appearance.pick(0.08, 0.035))
    border.width: 1
    border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.16, 0.08))
    clip: true

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 0
    }
}
