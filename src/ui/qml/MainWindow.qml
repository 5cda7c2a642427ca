import QtQuick
import QtQuick.Window
import Tidewell

// The main window, the content view and the settings window it opens on request. On macOS it
// is frameless at a fixed size under our own title bar; elsewhere the window manager frames it
// and it grows from that size.
Window {
    id: mainWindow

    required property CleanerViewModel viewModel
    required property PermissionManager permissionManager
    required property PreferenceStore preferences
    // The chooser's installed applications and the orphans, read on the application's host.
    required property InstalledAppsModel installedApps
    required property OrphansModel orphans

    readonly property alias contentView: content
    readonly property alias settingsWindow: settings

    // Window shortcuts act only while no prompt holds the keyboard.
    readonly property bool shortcutsEnabled: !content.promptOpen

    // Under a window manager the window starts taller, so a banner leaves room for the rows.
    width: 620
    height: Host.drawsOwnTitleBar ? 460 : 600
    minimumWidth: 620
    minimumHeight: 460
    maximumWidth: Host.drawsOwnTitleBar ? minimumWidth : 16777215
    maximumHeight: Host.drawsOwnTitleBar ? minimumHeight : 16777215
    flags: Host.drawsOwnTitleBar ? Qt.Window | Qt.FramelessWindowHint : Qt.Window
    color: Appearance.windowBackground
    title: AppInfo.displayName
    visible: true

    function openSettings() {
        mainWindow.raise()
        mainWindow.requestActivate()
        AppEvents.openSettings()
    }

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
        installedApps: mainWindow.installedApps
        orphans: mainWindow.orphans
        Component.onCompleted: focusPanel()
    }

    AppWindowChrome {
        window: mainWindow
        title: mainWindow.title
        showsSettingsButton: true
        onSettingsRequested: mainWindow.openSettings()
    }

    // Another app can be chosen from any view, except while a removal runs.
    Shortcut {
        sequence: "Ctrl+O"
        enabled: mainWindow.shortcutsEnabled
                 && mainWindow.viewModel.phase !== CleanerViewModel.Removing
        onActivated: content.chooseApp()
    }
    // Escape backs out of the results or the outcome to the empty window, as Cancel and Done.
    Shortcut {
        sequence: "Escape"
        enabled: mainWindow.shortcutsEnabled && content.panel !== "empty"
        onActivated: mainWindow.viewModel.resetSelection()
    }
    Shortcut {
        sequence: "Ctrl+,"
        enabled: mainWindow.shortcutsEnabled
        onActivated: mainWindow.openSettings()
    }
    Shortcut {
        sequence: "Ctrl+A"
        enabled: mainWindow.shortcutsEnabled && content.panel === "results"
                 && !mainWindow.viewModel.isAllSelected
        onActivated: mainWindow.viewModel.toggleSelectAll()
    }
    Shortcut {
        sequence: "Delete"
        enabled: mainWindow.shortcutsEnabled && content.panel === "results"
                 && content.removeEnabled
        onActivated: mainWindow.viewModel.requestDeletion()
    }

    Connections {
        target: AppEvents
        function onOpenSettings() { settings.present() }
    }

    SettingsWindow {
        id: settings
        transientParent: mainWindow
        preferences: mainWindow.preferences
    }
}
