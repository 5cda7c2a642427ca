import QtQuick
import QtQuick.Dialogs
import Tidewell

// The main window's content: the empty drop zone, the results or the success summary, and
// the prompts (choose an app, confirm removal, Full Disk Access on macOS, error).
Item {
    id: root

    required property var viewModel
    required property var permissionManager
    required property var preferences
    required property var installedApps
    required property var orphans

    readonly property real outerPadding: 16
    readonly property real titleBarHeight: 36
    readonly property real contentTopPadding: 40
    readonly property real sectionSpacing: 12
    readonly property real panelCornerRadius: 14
    // The name and path columns share whatever the window is wider than its smallest size.
    readonly property real extraWidth: Math.max(0, width - 620)
    readonly property var columns: ({ checkbox: 24, icon: 28, file: 192 + extraWidth / 2,
                                      path: 172 + extraWidth / 2, size: 100,
                                      spacing: 10, rowPadding: 14, rowHeight: 34 })

    // "success", "results" or "empty": the panel on show.
    readonly property string panel: viewModel.phase === CleanerViewModel.Outcome ? "success"
                                  : viewModel.phase === CleanerViewModel.Empty ? "empty"
                                  : "results"

    // Opens the application chooser (the installed applications on Linux, the file dialog on
    // macOS); the apps chosen go through the same intake as a drop.
    function chooseApp() {
        if (appChooser.installedApps)
            appChooser.openChooser()
        else
            browseForApp()
    }
    function browseForApp() {
        rememberFocus()
        appFileDialog.currentFolder = DesktopIntegration.appChooserStartFolder()
        appFileDialog.open()
    }

    // The control that had the keyboard when a prompt opened gets it back when the prompt
    // closes, or the panel's first control when that one is gone or disabled by then.
    property Item focusBeforePrompt: null
    function rememberFocus() {
        if (!focusBeforePrompt)
            focusBeforePrompt = Window.activeFocusItem
    }
    function restoreFocus() {
        const target = focusBeforePrompt
        focusBeforePrompt = null
        if (promptOpen)
            return
        if (target && target.visible && target.enabled)
            target.forceActiveFocus()
        else
            focusPanel()
    }

    readonly property bool removeEnabled: results.removeEnabled

    // Whether a prompt or the chooser holds the keyboard, so window shortcuts stay quiet.
    readonly property bool promptOpen: appChooser.visible || appFileDialog.visible
                                       || orphansDialog.visible
                                       || deleteConfirmation.visible
                                       || permissionPrompt.visible || errorAlert.visible

    // Where the keyboard goes when a panel appears: the list of found items or "Done".
    onPanelChanged: focusPanel()
    function focusPanel() {
        if (panel === "results")
            results.focusList()
        else if (panel === "success")
            outcome.focusDone()
        else
            dropZone.focusChooseButton()
    }

    // Run when the window becomes active: after the privacy settings were opened from here,
    // check the permission again and rescan once it is granted.
    function handleWindowActivated() {
        if (!permissionManager.shouldRecheckPermissionAfterSettings)
            return
        permissionManager.shouldRecheckPermissionAfterSettings = false
        permissionManager.checkStatus()
        if (permissionManager.hasFullDiskAccess)
            viewModel.scanForLeftovers(false)
    }

    // The window background: a frosted fill, darkened under the page in dark appearance.
    MaterialFill {
        anchors.fill: parent
        thickness: Appearance.windowThickness
    }
    Rectangle {
        anchors.fill: parent
        color: Appearance.windowShade
        Behavior on color { ColorAnimation { duration: 220; easing.type: Easing.InOutQuad } }
    }
    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: root.titleBarHeight
        gradient: Gradient {
            GradientStop {
                position: 0
                color: Appearance.faded(Appearance.underPageBackground, Appearance.isDark ? 0.12 : 0)
            }
            GradientStop { position: 1; color: "transparent" }
        }
    }

    PanelLayer {
        objectName: "emptyPanel"
        active: root.panel === "empty"
        DropZoneView {
            id: dropZone
            objectName: "dropZone"
            anchors.fill: parent
            anchors.leftMargin: root.outerPadding
            anchors.rightMargin: root.outerPadding
            cornerRadius: 20
            panelWidth: 460
            panelHeight: 280
            onDropApps: (appURLs) => root.viewModel.handleDroppedApps(appURLs)
            onSelectApp: root.chooseApp()
            onFindOrphans: orphansDialog.openAndRead()
            onDroppedNonApps: (count) => notice.show(count === 1
                ? qsTr("%n dropped item is no app and was left out.", "", 1)
                : qsTr("%n dropped items are no apps and were left out.", "", count))
        }
    }

    PanelLayer {
        objectName: "resultsPanel"
        active: root.panel === "results"
        ResultsPanelView {
            id: results
            anchors.fill: parent
            anchors.leftMargin: root.outerPadding
            anchors.rightMargin: root.outerPadding
            anchors.topMargin: root.contentTopPadding
            anchors.bottomMargin: root.outerPadding
            spacing: root.sectionSpacing
            viewModel: root.viewModel
            permissionManager: root.permissionManager
            showCategoryDashboard: root.preferences.showCategoryDashboard
            columns: root.columns
            panelCornerRadius: root.panelCornerRadius
        }
    }

    PanelLayer {
        id: successLayer
        objectName: "successPanel"
        active: root.panel === "success"
        slidesIn: true
        SuccessPanelView {
            id: outcome
            anchors.fill: parent
            anchors.leftMargin: root.outerPadding
            anchors.rightMargin: root.outerPadding
            viewModel: root.viewModel
        }
    }

    NoticeLine {
        id: notice
        objectName: "notice"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 8
    }

    OrphansDialog {
        id: orphansDialog
        objectName: "orphansDialog"
        orphans: root.orphans
        onAboutToShow: root.rememberFocus()
        onClosed: root.restoreFocus()
    }

    AppChooserDialog {
        id: appChooser
        objectName: "appChooser"
        // Linux applications are chosen by name; bundles through the file dialog.
        installedApps: Host.isMac ? null : root.installedApps
        onChosen: (appURLs) => root.viewModel.handleDroppedApps(appURLs)
        onBrowseRequested: root.browseForApp()
        onAboutToShow: root.rememberFocus()
        onClosed: root.restoreFocus()
    }

    // The desktop's own file dialog (or Qt's where the desktop has none): app bundles, desktop
    // entries or AppImages.
    FileDialog {
        id: appFileDialog
        objectName: "appFileDialog"
        title: qsTr("Choose App")
        fileMode: FileDialog.OpenFiles
        nameFilters: [qsTr("Apps (*.app *.desktop *.AppImage *.appimage)"),
                      qsTr("All files (*)")]
        onAccepted: root.viewModel.handleDroppedApps(selectedFiles)
        // Its window closes after it says it is hidden; the keyboard goes back after that.
        onVisibleChanged: {
            if (!visible)
                afterFileDialog.start()
        }
    }
    Timer {
        id: afterFileDialog
        interval: 0
        onTriggered: root.restoreFocus()
    }

    AlertDialog {
        id: deleteConfirmation
        objectName: "deleteConfirmation"
        onClosed: root.restoreFocus()
        shown: root.viewModel.showDeleteConfirmation
        buttons: [{ text: qsTr("Cancel"), role: "cancel" },
                  { text: qsTr("Move to Trash"), role: "destructive" }]
        // The totals are taken when the prompt opens, so they include the held bundle then.
        onAboutToShow: {
            root.rememberFocus()
            const count = root.viewModel.selectedCount
            titleText = count === 1 ? qsTr("Move %n selected item to Trash?", "", 1)
                                    : qsTr("Move %n selected items to Trash?", "", count)
            messageText = qsTr("Total selected size: %1")
                .arg(ByteFormatter.sizeText(root.viewModel.selectedSize,
                                            root.viewModel.selectedSizeComplete))
        }
        onButtonPressed: (role) => {
            if (role === "destructive")
                root.viewModel.deleteSelectedFiles()
        }
        onDismissed: root.viewModel.showDeleteConfirmation = false
    }

    AlertDialog {
        id: permissionPrompt
        objectName: "permissionPrompt"
        onAboutToShow: root.rememberFocus()
        onClosed: root.restoreFocus()
        shown: Host.asksForFullDiskAccess && root.permissionManager.showPermissionPromptAlert
        titleText: qsTr("Allow Full Disk Access")
        messageText: qsTr("To find all related files, this app needs Full Disk Access.")
        buttons: [{ text: qsTr("Cancel"), role: "cancel" },
                  { text: qsTr("Open Settings"), role: "default" }]
        onButtonPressed: (role) => {
            if (role === "default")
                root.permissionManager.openFullDiskAccessSettings()
        }
        onDismissed: root.permissionManager.showPermissionPromptAlert = false
    }

    AlertDialog {
        id: errorAlert
        objectName: "errorAlert"
        onAboutToShow: root.rememberFocus()
        onClosed: root.restoreFocus()
        shown: root.viewModel.showErrorAlert
        titleText: qsTr("Couldn't complete action")
        messageText: root.viewModel.errorMessage
        buttons: [{ text: qsTr("OK"), role: "cancel" }]
        onDismissed: root.viewModel.showErrorAlert = false
    }
}
