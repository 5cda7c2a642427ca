import QtQuick
import QtQuick.Controls
import Tidewell

// One found item: checkbox, icon, name, the folder that holds it and its size. A click
// anywhere toggles the item's selection; the context menu reveals it in the file manager.
Item {
    id: row
    objectName: "fileRow"

    // The item's list entry: fileName, parentPath, path, sizeInBytes and a writable isSelected.
    property var file
    // Shows a path in the file manager.
    property var revealer: DesktopIntegration

    property real checkboxColumnWidth: 24
    property real iconColumnWidth: 28
    property real fileColumnWidth: 192
    property real pathColumnWidth: 198
    property real sizeColumnWidth: 74
    property real columnSpacing: 10
    property real horizontalPadding: 14
    property real rowHeight: 34

    function toggleSelection() {
        file.isSelected = !file.isSelected
    }

    implicitHeight: rowHeight
    height: rowHeight

    MouseArea {
        id: clickArea
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onClicked: (mouse) => {
            if (mouse.button === Qt.RightButton)
                contextMenu.popup()
            else
                row.toggleSelection()
        }
    }

    Row {
        anchors.fill: parent
        anchors.leftMargin: row.horizontalPadding
        anchors.rightMargin: row.horizontalPadding
        spacing: row.columnSpacing

        Item {
            width: row.checkboxColumnWidth
            height: parent.height
            SelectionCheckbox {
                objectName: "rowCheckbox"
                anchors.centerIn: parent
                selectionState: row.file.isSelected ? "on" : "off"
                onClicked: row.toggleSelection()
            }
        }
        Item {
            width: row.iconColumnWidth
            height: parent.height
            FileIconView {
                anchors.verticalCenter: parent.verticalCenter
                width: 18
                height: 18
                path: row.file.path
            }
        }
        Text {
            width: row.fileColumnWidth
            anchors.verticalCenter: parent.verticalCenter
            text: row.file.fileName
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: Appearance.primary
            elide: Text.ElideRight
            maximumLineCount: 1
        }
        Text {
            width: row.pathColumnWidth
            anchors.verticalCenter: parent.verticalCenter
            text: row.file.parentPath
            font.pixelSize: 12
            color: Appearance.secondary
            elide: Text.ElideRight
            maximumLineCount: 1
        }
        Text {
            width: row.sizeColumnWidth
            anchors.verticalCenter: parent.verticalCenter
            text: ByteFormatter.string(row.file.sizeInBytes)
            font.pixelSize: 12
            font.weight: Font.Medium
            color: Appearance.secondary
            horizontalAlignment: Text.AlignRight
            elide: Text.ElideRight
            maximumLineCount: 1
        }
    }

    Menu {
        id: contextMenu
        objectName: "rowContextMenu"
        MenuItem {
            text: qsTr("Show in Finder")
            onTriggered: row.revealer.reveal(row.file.path)
        }
    }
}
