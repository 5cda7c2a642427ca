import QtQuick
import QtQuick.Layouts
import Tidewell

// The held application: its icon, name, the app itself (its bundle, AppImage or program
// folder, or who installed it) and that one's size on disk.
RowLayout {
    id: header

    // The held app: fileName, path (what was dropped or chosen), itselfPath, kindName, sizeText.
    required property var app
    // The package manager that installed it, when known ("apt", "Flatpak", "snap").
    property string managerName

    readonly property string installedBy: app.kindName === "" ? ""
        : managerName === "apt" ? qsTr("Installed by a Debian package")
        : managerName !== "" ? qsTr("Installed by %1").arg(managerName)
        : qsTr("Installed by the system")

    spacing: 12

    Item {
        Layout.preferredWidth: 44
        Layout.preferredHeight: 44
        Image {
            id: appIcon
            objectName: "appIcon"
            anchors.fill: parent
            source: header.app.path ? "image://appicon/" + encodeURIComponent(header.app.path) : ""
            sourceSize.width: 88
            sourceSize.height: 88
            fillMode: Image.PreserveAspectFit
            asynchronous: true
            smooth: true
            mipmap: true
        }
        // The chooser's mark for an app whose icon cannot be found.
        SymbolImage {
            objectName: "appFallbackIcon"
            anchors.centerIn: parent
            visible: appIcon.status !== Image.Ready || appIcon.implicitWidth <= 0
            name: "app"
            pointSize: 30
            color: Appearance.accent
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
            text: header.app.fileName
            elide: Text.ElideMiddle
            font.pixelSize: 17
            font.weight: Font.DemiBold
            color: Appearance.primary
        }
        ElidedText {
            objectName: "appPath"
            Layout.fillWidth: true
            text: header.app.itselfPath !== "" ? DesktopIntegration.shortPath(header.app.itselfPath)
                                               : header.installedBy
            fullText: header.app.itselfPath
            elide: Text.ElideMiddle
            font.pixelSize: 12
            color: Appearance.secondary
        }
    }

    ColumnLayout {
        Layout.preferredWidth: 112
        visible: header.app.sizeText !== ""
        spacing: 4
        LabelText {
            objectName: "appSizeLabel"
            Layout.alignment: Qt.AlignRight
            // A package manager's app: what its package keeps, which no removal here frees.
            text: header.app.itselfPath !== "" ? qsTr("App Size") : qsTr("Installed Size")
            font.pixelSize: 12
            font.weight: Font.Medium
            color: Appearance.secondary
        }
        LabelText {
            objectName: "appSizeText"
            Layout.alignment: Qt.AlignRight
            text: header.app.sizeText
            font.pixelSize: 17
            font.weight: Font.DemiBold
            color: Appearance.primary
        }
    }
}
