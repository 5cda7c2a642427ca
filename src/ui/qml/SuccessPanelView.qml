pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tidewell

// The outcome of a removal, of one app or several: how many items went to the Trash and the space reclaimed, and
// every item that stayed in place with its reason. "Undo" puts the removal back from the Trash
// and says here how that went; "Done" starts over.
Item {
    id: success

    required property var viewModel

    readonly property var outcome: viewModel.outcome
    readonly property var failures: outcome.failures
    readonly property bool hasFailures: failures.length > 0
    readonly property int movedCount: outcome.removedCount

    // Singular and plural are separate source texts so that English reads right without a
    // catalogue; both carry %n for languages with more forms. Items the Trash refused were
    // deleted in place, so then the count says removed, and the lines below say where.
    readonly property bool someDeletedInPlace: outcome.deletedInPlaceCount > 0
    readonly property string countText: someDeletedInPlace
        ? (movedCount === 1 ? qsTr("Successfully removed %n item.", "", 1)
                            : qsTr("Successfully removed %n items.", "", movedCount))
        : (movedCount === 1 ? qsTr("Successfully moved %n item to the Trash.", "", 1)
                            : qsTr("Successfully moved %n items to the Trash.", "", movedCount))
    readonly property string titleText: hasFailures ? qsTr("Some Items Were Not Removed")
                                                    : qsTr("Leftovers Cleared")
    // Items in the Trash still take their space until it is emptied.
    readonly property string trashedText: outcome.trashedCount > 0
        ? qsTr("Moved to the Trash: %1. Empty the Trash to free the space.")
              .arg(ByteFormatter.sizeText(outcome.trashedBytes, outcome.trashedSizeComplete))
        : ""
    readonly property string deletedText: outcome.deletedInPlaceCount > 0
        ? qsTr("Deleted: %1.").arg(ByteFormatter.sizeText(outcome.deletedInPlaceBytes,
                                                          outcome.deletedInPlaceSizeComplete))
        : ""
    readonly property string failureText: failures.length === 1
        ? qsTr("%n item could not be removed:", "", 1)
        : qsTr("%n items could not be removed:", "", failures.length)

    // Gives the keyboard to "Done", so Return or Space finishes.
    function focusDone() {
        doneButton.forceActiveFocus()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: success.hasFailures ? 48 : 0
        anchors.bottomMargin: success.hasFailures ? 16 : 0
        spacing: success.hasFailures ? 14 : 24

        Item { Layout.fillHeight: !success.hasFailures }

        SymbolImage {
            id: checkmark
            objectName: "outcomeSymbol"
            Layout.alignment: Qt.AlignHCenter
            name: success.hasFailures ? "exclamationmark.triangle.fill" : "checkmark.circle.fill"
            pointSize: success.hasFailures ? 48 : 76
            color: success.hasFailures ? Appearance.orange : Appearance.green
            Connections {
                target: success.viewModel
                function onPhaseChanged() {
                    if (success.viewModel.phase === CleanerViewModel.Outcome)
                        bounce.restart()
                }
            }
            SequentialAnimation {
                id: bounce
                NumberAnimation { target: checkmark; property: "scale"; to: 1.18; duration: 140; easing.type: Easing.OutQuad }
                NumberAnimation { target: checkmark; property: "scale"; to: 1.0; duration: 260; easing.type: Easing.OutBack }
            }
        }

        // Long lines (German ones) wrap rather than run off the window.
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0
            LabelText {
                objectName: "outcomeTitle"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                Accessible.role: Accessible.Heading
                text: success.titleText
                font.pixelSize: 17
                font.bold: true
                color: Appearance.primary
            }
            LabelText {
                objectName: "successCountText"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: success.countText
                font.pixelSize: 11
                color: Appearance.secondary
            }
            LabelText {
                objectName: "outcomeAppsText"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                visible: success.viewModel.apps.count > 1
                text: qsTr("Apps: %1").arg(success.viewModel.apps.names)
                font.pixelSize: 11
                color: Appearance.secondary
            }
            LabelText {
                objectName: "successSizeText"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                Layout.topMargin: 4
                visible: text !== ""
                text: success.trashedText
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: Appearance.primary
            }
            LabelText {
                objectName: "deletedSizeText"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                Layout.topMargin: 4
                visible: text !== ""
                text: success.deletedText
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: Appearance.primary
            }
        }

        // A Linux application's own files stay with its package manager; say how to remove each.
        Repeater {
            model: success.viewModel.apps.uninstallers
            delegate: UninstallPanel {
                required property var modelData
                uninstaller: modelData
                onRunRequested: success.focusDone()
            }
        }

        ColumnLayout {
            objectName: "failurePanel"
            visible: success.hasFailures
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 6
            LabelText {
                objectName: "failureCountText"
                Layout.fillWidth: true
                text: success.failureText
                font.pixelSize: 12
                font.weight: Font.DemiBold
                color: Appearance.primary
            }
            ListView {
                id: failureList
                objectName: "failureList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: success.failures
                spacing: 6
                boundsBehavior: Flickable.StopAtBounds
                activeFocusOnTab: true
                keyNavigationEnabled: true
                ScrollBar.vertical: ScrollBar {}
                Accessible.role: Accessible.List
                Accessible.name: success.failureText
                delegate: Rectangle {
                    id: failure
                    required property var modelData
                    objectName: "failureRow"
                    width: ListView.view.width
                    height: failureColumn.implicitHeight + 12
                    radius: 8
                    color: Appearance.rowTint
                    Accessible.role: Accessible.ListItem
                    Accessible.name: qsTr("%1: %2").arg(modelData.fileName).arg(modelData.reason)
                    Accessible.description: modelData.path
                    FocusRing {
                        anchors.fill: parent
                        shown: failure.ListView.isCurrentItem && failureList.activeFocus
                    }
                    ColumnLayout {
                        id: failureColumn
                        anchors.fill: parent
                        anchors.margins: 6
                        anchors.leftMargin: 10
                        spacing: 1
                        ElidedText {
                            objectName: "failureName"
                            Layout.fillWidth: true
                            elide: Text.ElideMiddle
                            text: failure.modelData.fileName
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: Appearance.primary
                        }
                        ElidedText {
                            Layout.fillWidth: true
                            text: DesktopIntegration.shortPath(failure.modelData.path)
                            fullText: failure.modelData.path
                            elide: Text.ElideMiddle
                            font.pixelSize: 11
                            color: Appearance.secondary
                        }
                        LabelText {
                            objectName: "failureReason"
                            Layout.fillWidth: true
                            text: failure.modelData.reason
                            font.pixelSize: 11
                            color: Appearance.warningText
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }
        }

        LabelText {
            objectName: "undoStatus"
            visible: text !== ""
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: success.outcome.undoStatus
            font.pixelSize: 12
            color: Appearance.secondary
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 10
            GlassActionButton {
                objectName: "undoButton"
                visible: success.outcome.canUndo || success.outcome.isUndoing
                enabled: success.outcome.canUndo
                text: success.outcome.isUndoing ? qsTr("Undoing…") : qsTr("Undo")
                role: "secondary"
                frameWidth: 120
                Accessible.description: qsTr("Puts the removed items back from the Trash")
                // The button goes once the items are back: the keyboard goes on to "Done".
                onClicked: {
                    success.focusDone()
                    success.viewModel.undoRemoval()
                }
            }
            GlassActionButton {
                id: doneButton
                objectName: "doneButton"
                text: qsTr("Done")
                role: "primary"
                frameWidth: 120
                // Heard with the button as the keyboard lands on it when the outcome appears.
                Accessible.description: success.titleText + " " + success.countText
                    + (success.trashedText === "" ? "" : " " + success.trashedText)
                    + (success.deletedText === "" ? "" : " " + success.deletedText)
                onClicked: success.viewModel.resetSelection()
            }
        }

        Item { Layout.fillHeight: !success.hasFailures }
    }
}
