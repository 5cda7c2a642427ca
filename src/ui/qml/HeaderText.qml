import QtQuick
import Tidewell

// A column title of the results list header.
Text {
    anchors.verticalCenter: parent ? parent.verticalCenter : undefined
    font.pixelSize: 13
    font.weight: Font.Medium
    color: Appearance.secondary
    elide: Text.ElideRight
    Accessible.role: Accessible.ColumnHeader
    Accessible.name: text
}
