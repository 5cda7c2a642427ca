import QtQuick
import QtQuick.Layouts
import Tidewell

// One line under the found items about items that were found but stay where they are: what
// they are, and the first of them.
RowLayout {
    id: notice

    property var items: []
    property string message: ""

    spacing: 8
    Accessible.role: Accessible.AlertMessage
    Accessible.name: message + " " + (items[0] || "")

    SymbolImage {
        name: "exclamationmark.triangle.fill"
        pointSize: 13
        color: Appearance.orange
    }
    Text {
        objectName: "noticeMessage"
        text: notice.message
        font.pixelSize: 12
        color: Appearance.secondary
    }
    ElidedText {
        objectName: "noticePath"
        Layout.fillWidth: true
        text: notice.items[0] || ""
        elide: Text.ElideMiddle
        font.pixelSize: 12
        color: Appearance.secondary
    }
}
