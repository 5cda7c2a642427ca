import QtQuick
import Tidewell

// A short note at the top of the window that fades after a few seconds.
Rectangle {
    id: notice

    property alias text: label.text

    function show(message) {
        text = message
        hideTimer.restart()
    }

    visible: opacity > 0
    opacity: hideTimer.running ? 1 : 0
    Behavior on opacity { NumberAnimation { duration: 200 } }
    implicitWidth: label.implicitWidth + 24
    implicitHeight: label.implicitHeight + 10
    radius: height / 2
    color: Appearance.faded(Appearance.primary, Appearance.pick(0.08, 0.12))
    Accessible.role: Accessible.AlertMessage
    Accessible.name: text

    Text {
        id: label
        anchors.centerIn: parent
        font.pixelSize: 12
        color: Appearance.primary
    }
    Timer {
        id: hideTimer
        interval: 6000
    }
}
