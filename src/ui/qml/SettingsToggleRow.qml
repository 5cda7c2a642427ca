import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tidewell

// One settings row: title and description beside a small switch.
Item {
    id: row

    property string title
    property string description
    property bool checked: false

    // The user flipped the switch; the owner stores the value, which comes back in `checked`.
    signal toggled(bool on)

    Layout.fillWidth: true
    implicitHeight: rowContent.implicitHeight + 22

    RowLayout {
        id: rowContent
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        anchors.topMargin: 11
        anchors.bottomMargin: 11
        spacing: 12

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 3
            LabelText {
                Layout.fillWidth: true
                text: row.title
                font.pixelSize: 11
                font.weight: Font.Medium
                color: Appearance.primary
                wrapMode: Text.Wrap
            }
            LabelText {
                Layout.fillWidth: true
                text: row.description
                font.pixelSize: 10
                color: Appearance.secondary
                wrapMode: Text.Wrap
            }
        }

        T.Switch {
            id: toggle
            objectName: "toggle"
            Layout.alignment: Qt.AlignVCenter
            checked: row.checked
            implicitWidth: 32
            implicitHeight: 18
            focusPolicy: Qt.StrongFocus
            Accessible.name: row.title
            Accessible.description: row.description
            FocusRing {
                anchors.fill: parent
                radius: height / 2 + 3
                shown: toggle.visualFocus
            }
            onToggled: {
                row.toggled(checked)
                checked = Qt.binding(() => row.checked)
            }
            indicator: Rectangle {
                anchors.fill: parent
                radius: height / 2
                color: toggle.checked ? Appearance.accent
                                      : Appearance.faded(Appearance.primary, Appearance.pick(0.2, 0.12))
                Behavior on color { ColorAnimation { duration: 150 } }
                Rectangle {
                    width: parent.height - 4
                    height: width
                    radius: width / 2
                    y: 2
                    x: toggle.checked ? parent.width - width - 2 : 2
                    color: "white"
                    border.width: 0.5
                    border.color: Qt.rgba(0, 0, 0, 0.1)
                    Behavior on x { NumberAnimation { duration: 150; easing.type: Easing.OutCubic } }
                }
            }
            contentItem: Item {}
        }
    }
}
