import QtQuick
import QtQuick.Layouts
import Tidewell

// The held apps when there are several: their icons, how many they are and their names; each
// one's rows follow under a heading of its own.
RowLayout {
    id: header

    // The view model's appGroups: {name, path, ...} per app.
    property var groups: []
    // Their names as one list in the user's language.
    property string names

    spacing: 12

    Item {
        Layout.preferredWidth: 44
        Layout.preferredHeight: 44
        // The first apps' icons, fanned out.
        Repeater {
            model: header.groups.slice(0, 3)
            delegate: Item {
                id: fanned
                required property var modelData
                required property int index
                x: index * 6
                y: index * 6
                z: -index
                width: 32
                height: 32
                Image {
                    id: fannedIcon
                    anchors.fill: parent
                    source: "image://appicon/" + encodeURIComponent(fanned.modelData.path)
                    sourceSize.width: 64
                    sourceSize.height: 64
                    asynchronous: true
                }
                SymbolImage {
                    anchors.centerIn: parent
                    visible: fannedIcon.status !== Image.Ready || fannedIcon.implicitWidth <= 0
                    name: "app"
                    pointSize: 22
                    color: Appearance.accent
                }
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 2
        LabelText {
            objectName: "appsCount"
            Layout.fillWidth: true
            text: qsTr("%n Apps", "", header.groups.length)
            font.pixelSize: 17
            font.weight: Font.DemiBold
            color: Appearance.primary
        }
        ElidedText {
            objectName: "appsNames"
            Layout.fillWidth: true
            text: header.names
            font.pixelSize: 12
            color: Appearance.secondary
        }
    }
}
