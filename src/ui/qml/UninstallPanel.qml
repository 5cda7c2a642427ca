import QtQuick
import QtQuick.Layouts
import Tidewell

// The command that uninstalls a Linux application through its package manager, whose own files
// stay when its leftovers go: ready to copy, and for Flatpak and snap to run from here.
ColumnLayout {
    id: panel
    objectName: "uninstallPanel"

    // The app's PackageUninstaller: command, appName, managerName, canRun, isRunning, status.
    required property var uninstaller

    // Run was pressed; the button is disabled while the command runs.
    signal runRequested()

    visible: panel.uninstaller.command !== ""
    Layout.fillWidth: true
    spacing: 6
    LabelText {
        objectName: "uninstallText"
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: qsTr("%1 itself is still installed: remove it with %2 or Software.")
              .arg(panel.uninstaller.appName).arg(panel.uninstaller.managerName)
        font.pixelSize: 12
        color: Appearance.secondary
    }
    RowLayout {
        Layout.alignment: Qt.AlignHCenter
        Layout.fillWidth: true
        Layout.maximumWidth: implicitWidth
        spacing: 8
        TextEdit {
            id: commandText
            // A long command breaks anywhere: it is copied whole all the same.
            Layout.fillWidth: true
            Layout.preferredWidth: implicitWidth
            wrapMode: TextEdit.WrapAnywhere
            objectName: "uninstallCommand"
            text: panel.uninstaller.command
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
            // Says so for a moment once the command is on the clipboard.
            text: copiedFeedback.running ? qsTr("Copied") : qsTr("Copy")
            role: "secondary"
            compact: true
            Accessible.name: qsTr("Copy")
            Accessible.description: copiedFeedback.running ? qsTr("Copied") : ""
            onClicked: {
                commandText.selectAll()
                commandText.copy()
                commandText.deselect()
                copiedFeedback.restart()
            }
            Timer {
                id: copiedFeedback
                interval: 2000
            }
        }
        GlassActionButton {
            objectName: "runUninstallButton"
            visible: panel.uninstaller.canRun
            enabled: !panel.uninstaller.isRunning
            text: qsTr("Run")
            role: "secondary"
            compact: true
            Accessible.description: qsTr("Runs the command above")
            // The button is disabled while the command runs and gone once it
            // succeeds: the keyboard goes on to "Done".
            onClicked: {
                panel.runRequested()
                panel.uninstaller.run()
            }
        }
    }
    LabelText {
        objectName: "uninstallStatus"
        visible: text !== ""
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: panel.uninstaller.status
        font.pixelSize: 12
        color: Appearance.secondary
    }
}
