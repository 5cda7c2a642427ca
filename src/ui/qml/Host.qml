pragma Singleton
import QtQuick

// What differs between the hosts the window runs on: whose tools the texts name, and whether
// unreadable folders are a matter of Full Disk Access (macOS) or of plain folder permissions.
QtObject {
    readonly property bool isMac: Qt.platform.os === "osx" || Qt.platform.os === "macos"
    // macOS draws its own title bar over a frameless window; elsewhere the window manager's.
    readonly property bool drawsOwnTitleBar: isMac
    // macOS asks for Full Disk Access; elsewhere every unreadable folder is shown as it is.
    readonly property bool asksForFullDiskAccess: isMac

    readonly property string revealLabel: isMac ? qsTr("Show in Finder") : qsTr("Show in Folder")
    readonly property string dropHint: isMac
        ? qsTr("Drag an app bundle into this area, or click to choose from Finder.")
        : qsTr("Drag an app bundle or a desktop entry into this area, or click to choose an installed app.")
}
