pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tidewell

// What applications that are gone left behind: one row per removed app with a box for all of
// its items, then its items, each with why it is taken for the app's and its size; none
// selected. Space or a click toggles a row (an app's row its items, but not those only
// offered), Ctrl+A checks every app; "Move to Trash" takes the selected items and the list is
// read again.
Dialog {
    id: dialog

    // The removed apps and their items (rows with path, name, reason, sizeText, isApp,
    // isOffered, selectionState), read anew on opening.
    required property var orphans

    function openAndRead() {
        orphans.reload()
        list.currentIndex = 0
        open()
    }

    title: qsTr("Leftovers of Removed Apps")
    modal: true
    focus: true
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 48 : 520, 560)
    height: Math.min(parent ? parent.height - 48 : 380, 460)
    padding: 14
    closePolicy: Popup.CloseOnEscape
    onOpened: list.forceActiveFocus()

    Shortcut {
        sequence: "Ctrl+A"
        enabled: dialog.visible
        onActivated: dialog.orphans.selectAll()
    }

    background: Rectangle {
        radius: 12
        color: Appearance.popupBackground
        border.width: 0.8
        border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.18, 0.10))
    }
    header: null
    footer: null

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        LabelText {
            Layout.fillWidth: true
            text: dialog.title
            font.pixelSize: 13
            font.bold: true
            color: Appearance.primary
        }
        LabelText {
            Layout.fillWidth: true
            text: qsTr("Found by the names the removed apps went by. Nothing is selected; choose what should go. Items named only like an app are offered, not checked with it.")
            wrapMode: Text.WordWrap
            font.pixelSize: 11
            color: Appearance.secondary
        }

        ListView {
            id: list
            objectName: "orphanList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: dialog.orphans
            focus: true
            activeFocusOnTab: true
            keyNavigationEnabled: true
            highlightMoveDuration: 0
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            Accessible.role: Accessible.List
            Accessible.name: dialog.title

            Keys.onSpacePressed: dialog.orphans.toggle(currentIndex)

            delegate: Rectangle {
                id: row
                required property int index
                required property string path
                required property string name
                required property string reason
                required property string sizeText
                required property bool isApp
                required property bool isOffered
                required property string selectionState
                readonly property bool current: ListView.isCurrentItem
                objectName: isApp ? "orphanAppRow" : "orphanRow"
                width: ListView.view.width
                height: isApp ? 44 : 40
                radius: 6
                color: current ? Appearance.faded(Appearance.accent, list.activeFocus ? 0.22 : 0.1)
                               : "transparent"
                Accessible.role: Accessible.CheckBox
                Accessible.name: isOffered ? qsTr("%1, %2, %3, offered").arg(name).arg(reason).arg(sizeText)
                                           : qsTr("%1, %2, %3").arg(name).arg(reason).arg(sizeText)
                Accessible.checkable: true
                Accessible.checked: selectionState === "on"

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: row.isApp ? 8 : 34
                    anchors.rightMargin: 8
                    spacing: 10
                    SelectionCheckbox {
                        objectName: row.isApp ? "orphanAppCheckbox" : "orphanCheckbox"
                        // The row is the check box assistive technology knows.
                        Accessible.ignored: true
                        selectionState: row.selectionState
                        onClicked: dialog.orphans.toggle(row.index)
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 0
                        ElidedText {
                            Layout.fillWidth: true
                            text: row.isApp ? row.name : DesktopIntegration.shortPath(row.path)
                            fullText: row.isApp ? "" : row.path
                            elide: Text.ElideMiddle
                            font.pixelSize: row.isApp ? 13 : 12
                            font.weight: row.isApp ? Font.Bold : Font.DemiBold
                            color: Appearance.primary
                        }
                        ElidedText {
                            objectName: "orphanReason"
                            Layout.fillWidth: true
                            text: row.isOffered ? qsTr("Offered: %1").arg(row.reason) : row.reason
                            font.pixelSize: 11
                            color: Appearance.secondary
                        }
                    }
                    Text {
                        text: row.sizeText
                        font.pixelSize: 11
                        color: Appearance.secondary
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    z: -1
                    onClicked: {
                        list.currentIndex = row.index
                        dialog.orphans.toggle(row.index)
                        list.forceActiveFocus()
                    }
                }
            }
        }

        LabelText {
            objectName: "orphansEmpty"
            Layout.fillWidth: true
            visible: dialog.orphans.count === 0
            text: dialog.orphans.loading ? qsTr("Looking for leftovers of removed apps…")
                                         : qsTr("No leftovers of removed applications were found.")
            font.pixelSize: 11
            color: Appearance.secondary
        }
        LabelText {
            objectName: "orphansProblems"
            Layout.fillWidth: true
            visible: text !== "" && !dialog.orphans.loading
            text: dialog.orphans.problemsText
            wrapMode: Text.WordWrap
            font.pixelSize: 11
            color: Appearance.secondary
        }
        LabelText {
            objectName: "orphansResult"
            Layout.fillWidth: true
            visible: text !== ""
            text: dialog.orphans.resultText
            wrapMode: Text.WordWrap
            font.pixelSize: 11
            color: Appearance.secondary
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            LabelText {
                Layout.fillWidth: true
                text: qsTr("Selected: %1").arg(dialog.orphans.selectedSizeText)
                font.pixelSize: 12
                color: Appearance.primary
            }
            GlassActionButton {
                objectName: "orphansCloseButton"
                text: qsTr("Close")
                role: "secondary"
                frameWidth: 84
                onClicked: dialog.close()
            }
            GlassActionButton {
                objectName: "orphansRemoveButton"
                text: qsTr("Move to Trash")
                role: "primary"
                frameWidth: 120
                enabled: dialog.orphans.selectedCount > 0 && !dialog.orphans.removing
                // The button is disabled while they go: the keyboard stays in the list.
                onClicked: {
                    list.forceActiveFocus()
                    dialog.orphans.removeSelected()
                }
            }
        }
    }
}
