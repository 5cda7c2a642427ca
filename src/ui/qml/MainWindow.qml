import QtQuick
import QtQuick.Window
import Tidewell

// The main window: fixed size, our own title bar, the content view, and the settings window
// it opens on request.
Window {
    id: mainWindow

    property var viewModel
    property var permissionManager
    property var preferences

    readonly property alias contentView: content
    readonly property alias settingsWindow: settings

    width: 620
    height: 460
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    flags: Qt.Window | Qt.FramelessWindowHint
    color: Appearance.windowBackground
    title: AppInfo.displayName
    visible: true

    onActiveChanged: {
        if (active)
            content.handleWindowActivated()
    }

    ContentView {
        id: content
        anchors.fill: parent
        viewModel: mainWindow.viewModel
        permissionManager: mainWindow.permissionManager
        preferences: mainWindow.preferences
    }

    AppWindowChrome {
        window: mainWindow
        title: mainWindow.title
        showsSettingsButton: true
        onSettingsRequested: {
            mainWindow.raise()
            mainWindow.requestActivate()
            AppEvents.openSettings()
        }
    }

    Connections {
        target: AppEvents
        function onOpenSettings() { settings.present() }
    }

    SettingsWindow {
        id: settings
        preferences: mainWindow.preferences
    }
}
