import QtQuick
import QtQuick.Window
import Tidewell

// The settings window: fixed size; on macOS under our own title bar, elsewhere a dialog
// framed by the window manager, centred over the main window. Escape closes it. Its page is
// built afresh each time the window opens, so it always starts on General.
Window {
    id: settingsWindow

    property var preferences

    // Opens the window, or brings it forward when it is already open.
    function present() {
        if (transientParent) {
            x = transientParent.x + (transientParent.width - width) / 2
            y = transientParent.y + (transientParent.height - height) / 2
        }
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
    flags: Host.drawsOwnTitleBar ? Qt.Window | Qt.FramelessWindowHint : Qt.Dialog
    modality: Qt.NonModal
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
        sourceComponent: SettingsView {}
        focus: true
    }
    Binding {
        target: page.item
        property: "preferences"
        value: settingsWindow.preferences
        when: page.item !== null
    }

    Shortcut {
        sequence: "Escape"
        onActivated: settingsWindow.close()
    }

    AppWindowChrome {
        window: settingsWindow
        title: settingsWindow.title
    }
}
