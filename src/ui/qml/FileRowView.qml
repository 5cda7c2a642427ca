import QtQuick
import QtQuick.Controls
import Tidewell

// One found item: checkbox, icon, name, the folder that holds it and its size. A click
// anywhere or Space toggles the item's selection; the context menu (right click, the Menu key
// or Shift+F10) reveals it in the file manager. Names and paths cut off show in full on hover.
Item {
    id: row
    objectName: "fileRow"

    // The item's list entry: fileName, parentPath, path, categoryName, sizeInBytes, sizeComplete
    // and a writable isSelected.
    property var file
    // The row is the list's current one while the list has the keyboard focus.
    property bool showsFocus: false
    // What the row shows. A removed row's entry goes away before the row does, so every read
    // tolerates a missing entry.
    readonly property string fileName: row?.file?.fileName ?? ""
    readonly property string parentPath: row?.file?.parentPath ?? ""
    readonly property string path: row?.file?.path ?? ""
    readonly property string categoryName: row?.file?.categoryName ?? ""
    readonly property double sizeInBytes: row?.file?.sizeInBytes ?? 0
    readonly property bool sizeComplete: row?.file?.sizeComplete ?? true
    readonly property string sizeText: ByteFormatter.sizeText(row.sizeInBytes, row.sizeComplete)
    // Why the size is not the whole item's; empty when it is.
    readonly property string sizeNote: row.sizeComplete ? ""
        : row.sizeInBytes === 0 ? qsTr("This item could not be read, so its size is unknown.")
        : qsTr("Some folders inside could not be read; the size counts only what could.")
    readonly property bool isSelected: row?.file?.isSelected ?? false
    // Shows a path in the file manager.
    property var revealer: DesktopIntegration

    property real checkboxColumnWidth: 24
    property real iconColumnWidth: 28
    property real fileColumnWidth: 192
    property real pathColumnWidth: 172
    property real sizeColumnWidth: 100
    property real columnSpacing: 10
    property real horizontalPadding: 14
    property real rowHeight: 34

    // The context menu closed; the owner gives the keyboard back.
    signal menuClosed()

    function toggleSelection() {
        file.isSelected = !file.isSelected
    }

    function openContextMenu() {
        contextMenu.popup(row, horizontalPadding, rowHeight)
    }

    implicitHeight: rowHeight
    height: rowHeight

    Accessible.role: Accessible.CheckBox
    // The checked state says whether it is selected, so the name stays as it is when toggled.
    Accessible.name: qsTr("%1, %2, %3").arg(row.fileName).arg(row.sizeText).arg(row.categoryName)
    Accessible.description: row.sizeNote === "" ? row.path
                                                : qsTr("%1. %2").arg(row.path).arg(row.sizeNote)
    Accessible.checkable: true
    Accessible.focusable: true
    Accessible.checked: row.isSelected
    Accessible.onToggleAction: toggleSelection()
    Accessible.onPressAction: toggleSelection()

    FocusRing {
        anchors.fill: parent
        anchors.margins: 1
        radius: 6
        shown: row.showsFocus
    }

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
                Accessible.ignored: true
                selectionState: row.isSelected ? "on" : "off"
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
                path: row.path
            }
        }
        ElidedText {
            objectName: "rowFileName"
            width: row.fileColumnWidth
            anchors.verticalCenter: parent.verticalCenter
            text: row.fileName
            elide: Text.ElideMiddle
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: Appearance.primary
        }
        ElidedText {
            objectName: "rowParentPath"
            width: row.pathColumnWidth
            anchors.verticalCenter: parent.verticalCenter
            text: DesktopIntegration.shortPath(row.parentPath)
            fullText: row.parentPath
            elide: Text.ElideMiddle
            font.pixelSize: 12
            color: Appearance.secondary
        }
        Text {
            id: sizeLabel
            objectName: "rowSize"
            width: row.sizeColumnWidth
            anchors.verticalCenter: parent.verticalCenter
            text: row.sizeText
            font.pixelSize: 12
            font.weight: Font.Medium
            color: Appearance.secondary
            horizontalAlignment: Text.AlignRight
            elide: Text.ElideRight
            maximumLineCount: 1

            HoverHandler { id: sizeHover }
            ToolTip.visible: sizeHover.hovered && (row.sizeNote !== "" || sizeLabel.truncated)
            ToolTip.text: row.sizeNote === "" ? row.sizeText : row.sizeNote
            ToolTip.delay: 500
        }
    }

    ContextMenu {
        id: contextMenu
        objectName: "rowContextMenu"
        onClosed: row.menuClosed()
        ContextMenuItem {
            text: Host.revealLabel
            onTriggered: row.revealer.reveal(row.file.path)
        }
    }
}
