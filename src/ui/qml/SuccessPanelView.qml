import QtQuick
import QtQuick.Layouts
import Tidewell

// The summary after a removal: how many items went to the Trash and the space reclaimed.
Item {
    id: success

    property var viewModel

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width
        spacing: 24

        SymbolImage {
            id: checkmark
            Layout.alignment: Qt.AlignHCenter
            name: "checkmark.circle.fill"
            pointSize: 76
            color: Appearance.green
            Connections {
                target: success.viewModel
                function onShowSuccessStateChanged() { bounce.restart() }
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
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("Leftovers Cleared")
                font.pixelSize: 17
                font.bold: true
                color: Appearance.primary
            }
            Text {
                objectName: "successCountText"
                Layout.alignment: Qt.AlignHCenter
                text: qsTr("Successfully moved %1 items to the Trash.").arg(success.viewModel.lastDeletedCount)
                font.pixelSize: 11
                color: Appearance.secondary
            }
            Text {
                objectName: "successSizeText"
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 4
                text: qsTr("Reclaimed %1").arg(ByteFormatter.string(success.viewModel.lastReclaimedSize))
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: Appearance.primary
            }
        }

        GlassActionButton {
            objectName: "doneButton"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Done")
            role: "primary"
            frameWidth: 120
            onClicked: success.viewModel.resetSelection()
        }
    }
}
