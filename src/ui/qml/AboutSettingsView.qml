import QtQuick
import QtQuick.Layouts
import Tidewell

// The program's mark, name, purpose, version and build.
ColumnLayout {
    spacing: 20

    SettingsGroupView {
        Layout.fillWidth: true

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 16
            spacing: 14

            Image {
                Layout.preferredWidth: 54
                Layout.preferredHeight: 54
                source: "qrc:/qt/qml/Tidewell/assets/AdaptiveAppMark.svg"
                sourceSize.width: 108
                sourceSize.height: 108
                fillMode: Image.PreserveAspectFit
                smooth: true
            }
            ColumnLayout {
                spacing: 4
                LabelText {
                    text: AppInfo.displayName
                    font.pixelSize: 13
                    font.bold: true
                    color: Appearance.primary
                }
                LabelText {
                    text: qsTr("Completely remove apps and leftover files.")
                    font.pixelSize: 11
                    color: Appearance.secondary
                }
                LabelText {
                    objectName: "versionLine"
                    text: qsTr("Version %1 (%2)").arg(AppInfo.versionString).arg(AppInfo.buildString)
                    font.pixelSize: 10
                    color: Appearance.secondary
                }
                LabelText {
                    text: qsTr("Copyright \u00A9 2026 The Tidewell developers.")
                    font.pixelSize: 10
                    color: Appearance.secondary
                }
            }
            Item { Layout.fillWidth: true }
        }
    }
}
