import QtQuick
import QtQuick.Controls
import Tidewell

// One found item: checkbox, icon, name with its safety level (a symbol and a word, never colour
// alone), the folder that holds it with the reason it is listed, and its size. A click anywhere
// or Space toggles the item's selection; the context menu (right click, the Menu key or
// Shift+F10) reveals it in the file manager. Texts cut off show in full on hover.
Item {
    id: row
    objectName: "fileRow"

    // The item's list entry: fileName, parentPath, path, categoryName, safety, safetyName,
    // evidence, sizeInBytes, sizeComplete and a writable isSelected.
    property var file
    // The row is the list's current one while the list has the keyboard focus.
    property bool showsFocus: false
    // What the row shows. A removed row's entry goes away before the row does, so every read
    // tolerates a missing entry.
    readonly property string fileName: row?.file?.fileName ?? ""
    readonly property string parentPath: row?.file?.parentPath ?? ""
    readonly property string path: row?.file?.path ?? ""
    readonly property string categoryName: row?.file?.categoryName ?? ""
    readonly property string safety: row?.file?.safety ?? ""
    readonly property string safetyName: row?.file?.safetyName ?? ""
    // Why the item is listed, and for an item only offered, why it is not selected.
    readonly property string evidence: row?.file?.evidence ?? ""
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
    property real rowHeight: 44

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
    Accessible.name: qsTr("%1, %2, %3, %4").arg(row.fileName).arg(row.sizeText)
        .arg(row.categoryName).arg(row.safetyName)
    Accessible.description: qsTr("%1 %2").arg(row.evidence).arg(row.path)
        + (row.sizeNote === "" ? "" : " " + row.sizeNote)
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
        Column {
            width: row.fileColumnWidth
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2
            ElidedText {
                objectName: "rowFileName"
                width: parent.width
                text: row.fileName
                elide: Text.ElideMiddle
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: Appearance.primary
            }
            Row {
                objectName: "rowSafety"
                spacing: 4
                readonly property color tint: row.safety === "Risky" ? Appearance.orange
                                            : row.safety === "Safe" ? Appearance.green
                                            : Appearance.secondary
                SymbolImage {
                    name: row.safety === "Risky" ? "exclamationmark.triangle.fill"
                        : row.safety === "Safe" ? "checkmark.circle.fill" : "info.circle"
                    pointSize: 11
                    color: parent.tint
                    Accessible.ignored: true
                }
                Text {
                    objectName: "rowSafetyName"
                    text: row.safetyName
                    font.pixelSize: 10
                    font.weight: Font.Medium
                    color: parent.tint
                }
            }
        }
        Column {
            width: row.pathColumnWidth
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2
            ElidedText {
                objectName: "rowParentPath"
                width: parent.width
                text: DesktopIntegration.shortPath(row.parentPath)
                fullText: row.parentPath
                elide: Text.ElideMiddle
                font.pixelSize: 12
                color: Appearance.secondary
            }
            ElidedText {
                objectName: "rowEvidence"
                width: parent.width
                text: row.evidence
                font.pixelSize: 10
                color: Appearance.secondary
            }
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
