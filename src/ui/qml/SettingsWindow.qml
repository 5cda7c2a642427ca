import QtQuick
import QtQuick.Window
import Tidewell

// The settings window: fixed size, our own title bar without the settings button. Its page
// is built afresh each time the window opens, so it always starts on General.
Window {
    id: settingsWindow

    property var preferences

    // Opens the window, or brings it forward when it is already open.
    function present() {
        page.active = true
        show()
        raise()
        requestActivate()
    }

    width: 620
    height: 380
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    flags: Qt.Window | Qt.FramelessWindowHint
    color: Appearance.windowBackground
    title: qsTr("Settings")
    visible: false
    onClosing: page.active = false
    onVisibleChanged: page.active = visible

    Loader {
        id: page
        objectName: "settingsLoader"
        anchors.fill: parent
        active: false
        sourceComponent: SettingsView {
            preferences: settingsWindow.preferences
        }
    }

    AppWindowChrome {
        window: settingsWindow
        title: settingsWindow.title
    }
}
