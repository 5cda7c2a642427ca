import QtQuick
import QtQuick.Layouts
import Tidewell

// The heading of one app's rows where the list holds several apps' leftovers: its icon, name,
// how many items it lists and the size of what of it is selected, the app itself included where
// it goes with them.
Item {
    id: heading
    objectName: "appHeading"

    // {name, path, itemCount, selectedBytes, selectedSizeComplete}, one of the view model's
    // appGroups.
    property var group: ({})
    property real horizontalPadding: 14

    readonly property int itemCount: group.itemCount ?? 0
    readonly property string countText: itemCount === 0 ? qsTr("No leftovers found")
        : itemCount === 1 ? qsTr("%n item", "", 1) : qsTr("%n items", "", itemCount)
    readonly property string selectedText: qsTr("%1 selected")
        .arg(ByteFormatter.sizeText(group.selectedBytes ?? 0, group.selectedSizeComplete ?? true))

    implicitHeight: 34
    Accessible.role: Accessible.Heading
    Accessible.name: qsTr("%1, %2, %3").arg(group.name ?? "").arg(countText).arg(selectedText)

    Rectangle {
        anchors.fill: parent
        color: Appearance.faded(Appearance.primary, Appearance.pick(0.05, 0.03))
    }
    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 1
        color: Appearance.faded(Appearance.primary, Appearance.pick(0.12, 0.10))
    }
    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: heading.horizontalPadding
        anchors.rightMargin: heading.horizontalPadding
        spacing: 8
        Item {
            implicitWidth: 22
            implicitHeight: 22
            Image {
                id: appIcon
                anchors.fill: parent
                source: heading.group.path ? "image://appicon/" + encodeURIComponent(heading.group.path)
                                           : ""
                sourceSize.width: 44
                sourceSize.height: 44
                asynchronous: true
            }
            SymbolImage {
                anchors.centerIn: parent
                visible: appIcon.status !== Image.Ready || appIcon.implicitWidth <= 0
                name: "app"
                pointSize: 15
                color: Appearance.accent
            }
        }
        ElidedText {
            objectName: "appHeadingName"
            Layout.fillWidth: true
            // Whole pixels: a width rounded down would cut the name short.
            Layout.maximumWidth: Math.ceil(implicitWidth)
            text: heading.group.name ?? ""
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: Appearance.primary
        }
        Text {
            objectName: "appHeadingCount"
            text: heading.countText
            font.pixelSize: 12
            color: Appearance.secondary
        }
        Item { Layout.fillWidth: true }
        Text {
            objectName: "appHeadingSize"
            text: heading.selectedText
            font.pixelSize: 12
            font.weight: Font.Medium
            color: Appearance.secondary
        }
    }
}
