pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tidewell

// The outcome of a removal: how many items went to the Trash and the space reclaimed, and
// every item that stayed in place with its reason. "Undo" puts the removal back from the Trash
// and says here how that went; "Done" starts over.
Item {
    id: success

    required property var viewModel

    readonly property var outcome: viewModel.outcome
    readonly property var uninstaller: viewModel.uninstaller
    readonly property var failures: outcome.failures
    readonly property bool hasFailures: failures.length > 0
    readonly property int movedCount: outcome.removedCount

    // Singular and plural are separate source texts so that English reads right without a
    // catalogue; both carry %n for languages with more forms.
    readonly property string countText: movedCount === 1
        ? qsTr("Successfully moved %n item to the Trash.", "", 1)
        : qsTr("Successfully moved %n items to the Trash.", "", movedCount)
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

        ColumnLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 0
            Text {
                objectName: "outcomeTitle"
                Layout.alignment: Qt.AlignHCenter
                text: success.hasFailures ? qsTr("Some Items Were Not Removed")
                                          : qsTr("Leftovers Cleared")
                font.pixelSize: 17
                font.bold: true
                color: Appearance.primary
            }
            Text {
                objectName: "successCountText"
                Layout.alignment: Qt.AlignHCenter
                text: success.countText
                font.pixelSize: 11
                color: Appearance.secondary
            }
            Text {
                objectName: "successSizeText"
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 4
                text: qsTr("Reclaimed %1").arg(ByteFormatter.sizeText(
                    success.outcome.reclaimedBytes, success.outcome.reclaimedSizeComplete))
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: Appearance.primary
            }
        }

        // A Linux application's own files stay with its package manager; say how to remove it.
        ColumnLayout {
            objectName: "uninstallPanel"
            visible: success.uninstaller.command !== ""
            Layout.fillWidth: true
            spacing: 6
            Text {
                objectName: "uninstallText"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("%1 itself belongs to its package manager. To uninstall it, run:")
                      .arg(success.viewModel.app.displayName)
                font.pixelSize: 12
                color: Appearance.secondary
            }
            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                spacing: 8
                TextEdit {
                    id: commandText
                    objectName: "uninstallCommand"
                    text: success.uninstaller.command
                    readOnly: true
                    selectByMouse: true
                    font.family: "monospace"
                    font.pixelSize: 12
                    color: Appearance.primary
                    selectionColor: Appearance.faded(Appearance.accent, 0.4)
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                GlassActionButton {
                    objectName: "copyUninstallButton"
                    text: qsTr("Copy")
                    role: "secondary"
                    compact: true
                    onClicked: {
                        commandText.selectAll()
                        commandText.copy()
                        commandText.deselect()
                    }
                }
                GlassActionButton {
                    objectName: "runUninstallButton"
                    visible: success.uninstaller.canRun
                    enabled: !success.uninstaller.isRunning
                    text: qsTr("Run")
                    role: "secondary"
                    compact: true
                    Accessible.description: qsTr("Runs the command above")
                    // The button is disabled while the command runs and gone once it
                    // succeeds: the keyboard goes on to "Done".
                    onClicked: {
                        success.focusDone()
                        success.uninstaller.run()
                    }
                }
            }
            Text {
                objectName: "uninstallStatus"
                visible: text !== ""
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: success.uninstaller.status
                font.pixelSize: 12
                color: Appearance.secondary
            }
        }

        ColumnLayout {
            objectName: "failurePanel"
            visible: success.hasFailures
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 6
            Text {
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
                    color: Appearance.faded(Appearance.primary, Appearance.pick(0.06, 0.04))
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
                            text: failure.modelData.fileName
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: Appearance.primary
                        }
                        ElidedText {
                            Layout.fillWidth: true
                            text: failure.modelData.path
                            elide: Text.ElideMiddle
                            font.pixelSize: 11
                            color: Appearance.secondary
                        }
                        Text {
                            objectName: "failureReason"
                            Layout.fillWidth: true
                            text: failure.modelData.reason
                            font.pixelSize: 11
                            color: Appearance.orange
                            wrapMode: Text.Wrap
                        }
                    }
                }
            }
        }

        Text {
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
                onClicked: success.viewModel.resetSelection()
            }
        }

        Item { Layout.fillHeight: !success.hasFailures }
    }
}
