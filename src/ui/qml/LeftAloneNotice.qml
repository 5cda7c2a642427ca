pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tidewell

// The found items that stay where they are, one line per reason: what they are, and the first
// of them.
ColumnLayout {
    id: notice

    // One entry per reason, in the order shown: {reason, paths}.
    property var groups: []

    // Singular and plural are separate source texts so that English reads right without a
    // catalogue; both carry %n for languages with more forms.
    function message(reason, count) {
        if (reason === "sharedSettingsFile")
            return count === 1
                ? qsTr("%n settings file names this app among other apps' lines and stays:", "", 1)
                : qsTr("%n settings files name this app among other apps' lines and stay:", "",
                       count)
        if (reason === "dconfFolder")
            return count === 1 ? qsTr("%n dconf folder holds this app's settings and stays:", "", 1)
                               : qsTr("%n dconf folders hold this app's settings and stay:", "",
                                      count)
        return count === 1
            ? qsTr("%n item with a name that is not valid UTF-8 was left alone:", "", 1)
            : qsTr("%n items with names that are not valid UTF-8 were left alone:", "", count)
    }

    spacing: 12

    Repeater {
        model: notice.groups

        RowLayout {
            id: line
            required property var modelData
            readonly property string message: notice.message(line.modelData.reason,
                                                              line.modelData.paths.length)

            objectName: "leftAloneLine"
            Layout.fillWidth: true
            spacing: 8
            Accessible.role: Accessible.AlertMessage
            Accessible.name: line.message + " " + line.modelData.paths[0]

            SymbolImage {
                name: "exclamationmark.triangle.fill"
                pointSize: 13
                color: Appearance.orange
            }
            Text {
                objectName: "noticeMessage"
                text: line.message
                font.pixelSize: 12
                color: Appearance.secondary
            }
            ElidedText {
                objectName: "noticePath"
                Layout.fillWidth: true
                text: DesktopIntegration.shortPath(line.modelData.paths[0])
                fullText: line.modelData.paths[0]
                elide: Text.ElideMiddle
                font.pixelSize: 12
                color: Appearance.secondary
            }
        }
    }
}
