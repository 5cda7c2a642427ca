pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tidewell

// A modal prompt over the window: title, message and a row of buttons. Shown while `shown`
// is true; any way of closing it reports dismissed() so the owner can clear its flag.
Dialog {
    id: alert

    property bool shown: false
    property string titleText
    property string messageText
    // [{text, role}] with role "cancel", "destructive" or "default", in display order.
    property var buttons: []

    // A button was pressed; the dialog closes afterwards.
    signal buttonPressed(string role)
    signal dismissed()

    function sync() {
        if (shown && !visible)
            open()
        else if (!shown && visible)
            close()
    }

    // Return presses the prompt's main button, the last one that is not "cancel".
    function acceptDefault() {
        const main = buttons.filter(button => button.role !== "cancel")
        if (main.length > 0)
            buttonPressed(main[main.length - 1].role)
        close()
    }

    onShownChanged: sync()
    Component.onCompleted: sync()
    onClosed: dismissed()
    // Every opening starts on the prompt itself, where Return presses the main button, whatever
    // button the keyboard was on when it last closed.
    onOpened: contentItem.forceActiveFocus()

    // What assistive technology calls the dialog.
    title: titleText

    modal: true
    focus: true
    dim: true
    closePolicy: Popup.CloseOnEscape
    anchors.centerIn: parent
    width: 340
    padding: 20
    topPadding: 20

    Overlay.modal: Rectangle {
        color: Appearance.faded("black", Appearance.pick(0.35, 0.18))
        Behavior on opacity { NumberAnimation { duration: 150 } }
    }

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 150; easing.type: Easing.OutQuad }
        NumberAnimation { property: "scale"; from: 0.96; to: 1; duration: 150; easing.type: Easing.OutQuad }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 120; easing.type: Easing.InQuad }
    }

    background: Rectangle {
        radius: 12
        color: Appearance.popupBackground
        border.width: 0.8
        border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.18, 0.10))
    }

    header: null
    footer: null

    contentItem: ColumnLayout {
        objectName: "alertContent"
        spacing: 14
        focus: true
        Keys.onReturnPressed: alert.acceptDefault()
        Keys.onEnterPressed: alert.acceptDefault()
        Accessible.role: Accessible.AlertMessage
        Accessible.name: alert.titleText
        Accessible.description: alert.messageText

        LabelText {
            objectName: "alertTitle"
            Layout.fillWidth: true
            text: alert.titleText
            font.pixelSize: 13
            font.bold: true
            color: Appearance.primary
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        LabelText {
            objectName: "alertMessage"
            Layout.fillWidth: true
            visible: text !== ""
            text: alert.messageText
            font.pixelSize: 11
            color: Appearance.primary
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Repeater {
                model: alert.buttons
                GlassActionButton {
                    required property var modelData
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    objectName: "alertButton_" + modelData.text
                    text: modelData.text
                    role: modelData.role === "cancel" ? "secondary" : "primary"
                    fillsFrame: true
                    onClicked: {
                        alert.buttonPressed(modelData.role)
                        alert.close()
                    }
                }
            }
        }
    }
}
