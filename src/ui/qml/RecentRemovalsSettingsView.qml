pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tidewell

// The removals Tidewell recorded, newest first: app, date, where the items went and their size,
// with "Undo" while every item that went to the Trash is still there. Read again whenever the
// page is shown.
ColumnLayout {
    id: recent

    // True while the page is on show.
    property bool active: false
    readonly property RemovalHistoryModel history: removals

    spacing: 10

    onActiveChanged: {
        if (active)
            removals.reload()
    }

    RemovalHistoryModel { id: removals }

    Text {
        id: intro
        Layout.fillWidth: true
        text: qsTr("Undo puts the items of a removal back from the Trash. Items deleted in place and apps uninstalled by their package manager cannot be put back.")
        wrapMode: Text.WordWrap
        font.pixelSize: 11
        color: Appearance.secondary
    }

    SettingsGroupView {
        Layout.fillWidth: true

        Text {
            objectName: "recentEmptyText"
            visible: removals.count === 0
            Layout.fillWidth: true
            Layout.margins: 16
            horizontalAlignment: Text.AlignHCenter
            text: removals.loading ? qsTr("Reading the journal…") : qsTr("No removals are recorded yet.")
            font.pixelSize: 12
            color: Appearance.secondary
        }

        ListView {
            id: list
            objectName: "recentList"
            visible: removals.count > 0
            Layout.fillWidth: true
            // As tall as its rows, up to the room the page leaves.
            Layout.preferredHeight: Math.min(contentHeight, recent.height - intro.height - recent.spacing)
            clip: true
            model: removals
            activeFocusOnTab: true
            keyNavigationEnabled: true
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Recently Removed")

            delegate: Item {
                id: row
                required property int index
                required property string name
                required property string dateText
                required property string countsText
                required property string sizeText
                required property bool undoable
                required property bool isUndoing
                required property string status
                objectName: "recentRow"
                width: ListView.view.width
                height: rowLayout.implicitHeight + 16
                Accessible.role: Accessible.ListItem
                Accessible.name: qsTr("%1, %2, %3, %4").arg(name).arg(dateText).arg(countsText).arg(sizeText)
                Accessible.description: status

                RowLayout {
                    id: rowLayout
                    anchors.fill: parent
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14
                    spacing: 10
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 1
                        ElidedText {
                            Layout.fillWidth: true
                            text: row.name
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: Appearance.primary
                        }
                        ElidedText {
                            Layout.fillWidth: true
                            text: qsTr("%1 · %2 · %3").arg(row.dateText).arg(row.countsText).arg(row.sizeText)
                            font.pixelSize: 11
                            color: Appearance.secondary
                        }
                        Text {
                            objectName: "recentStatus"
                            visible: text !== ""
                            Layout.fillWidth: true
                            text: row.status
                            wrapMode: Text.Wrap
                            font.pixelSize: 11
                            color: Appearance.secondary
                        }
                    }
                    GlassActionButton {
                        objectName: "recentUndoButton"
                        visible: row.undoable || row.isUndoing
                        enabled: !row.isUndoing
                        text: row.isUndoing ? qsTr("Undoing…") : qsTr("Undo")
                        role: "secondary"
                        compact: true
                        Accessible.description: qsTr("Puts the items of this removal back from the Trash")
                        onClicked: removals.undo(row.index)
                    }
                }
                RowDivider {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    visible: row.index < list.count - 1
                }
            }
        }
    }

    Item { Layout.fillHeight: true }
}
