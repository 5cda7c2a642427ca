import QtQuick
import QtQuick.Layouts
import Tidewell

// The held application: its icon, file name, full path and size on disk.
RowLayout {
    id: header

    property string fileName
    property string appPath
    property string sizeText

    spacing: 12

    Item {
        Layout.preferredWidth: 44
        Layout.preferredHeight: 44
        Image {
            anchors.fill: parent
            source: header.appPath ? "image://appicon/" + encodeURIComponent(header.appPath) : ""
            sourceSize.width: 88
            sourceSize.height: 88
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
        }
        Rectangle {
            anchors.fill: parent
            radius: 12
            color: "transparent"
            border.width: 0.6
            border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.18, 0.09))
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 2
        ElidedText {
            objectName: "appFileName"
            Layout.fillWidth: true
            text: header.fileName
            font.pixelSize: 17
            font.weight: Font.DemiBold
            color: Appearance.primary
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.floor(17 * 0.85)
        }
        ElidedText {
            objectName: "appPath"
            Layout.fillWidth: true
            text: header.appPath
            font.pixelSize: 12
            color: Appearance.secondary
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Math.floor(12 * 0.8)
        }
    }

    ColumnLayout {
        Layout.preferredWidth: 112
        spacing: 4
        Text {
            Layout.alignment: Qt.AlignRight
            text: qsTr("App Size")
            font.pixelSize: 12
            font.weight: Font.Medium
            color: Appearance.secondary
        }
        Text {
            objectName: "appSizeText"
            Layout.alignment: Qt.AlignRight
            text: header.sizeText
            font.pixelSize: 17
            font.weight: Font.DemiBold
            color: Appearance.primary
        }
    }
}
