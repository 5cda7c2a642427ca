import QtQuick
import QtQuick.Dialogs
import Tidewell

// The main window's content: the empty drop zone, the results or the success summary, and
// the three prompts (confirm removal, Full Disk Access, error).
Item {
    id: root

    property var viewModel
    property var permissionManager
    property var preferences

    readonly property real outerPadding: 16
    readonly property real titleBarHeight: 36
    readonly property real contentTopPadding: 40
    readonly property real sectionSpacing: 12
    readonly property real panelCornerRadius: 14
    readonly property var columns: ({ checkbox: 24, icon: 28, file: 192, path: 198, size: 74,
                                      spacing: 10, rowPadding: 14, rowHeight: 34 })

    readonly property bool hasSelectedApp: viewModel.hasDroppedApp
    // "success", "results" or "empty": the panel on show.
    readonly property string panel: viewModel.showSuccessState ? "success"
                                  : hasSelectedApp ? "results" : "empty"

    // Opens the application chooser; a choice goes through the same intake as a drop.
    function chooseAppFromFinder() {
        appChooser.currentFolder = DesktopIntegration.appChooserStartFolder()
        appChooser.open()
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
        thickness: Appearance.isDark ? "regular" : "ultraThin"
    }
    Rectangle {
        anchors.fill: parent
        color: Appearance.faded(Appearance.underPageBackground, Appearance.isDark ? 0.24 : 0)
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
            objectName: "dropZone"
            anchors.fill: parent
            anchors.leftMargin: root.outerPadding
            anchors.rightMargin: root.outerPadding
            cornerRadius: 20
            panelWidth: 460
            panelHeight: 280
            onDropApp: (bundleURL) => root.viewModel.handleDroppedApp(bundleURL)
            onSelectApp: root.chooseAppFromFinder()
        }
    }

    PanelLayer {
        objectName: "resultsPanel"
        active: root.panel === "results"
        ResultsPanelView {
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
            anchors.fill: parent
            anchors.leftMargin: root.outerPadding
            anchors.rightMargin: root.outerPadding
            viewModel: root.viewModel
        }
    }

    FolderDialog {
        id: appChooser
        objectName: "appChooser"
        title: qsTr("Choose App")
        acceptLabel: qsTr("Select")
        onAccepted: root.viewModel.handleDroppedApp(selectedFolder)
    }

    AlertDialog {
        id: deleteConfirmation
        objectName: "deleteConfirmation"
        shown: root.viewModel.showDeleteConfirmation
        buttons: [{ text: qsTr("Cancel"), role: "cancel" },
                  { text: qsTr("Remove"), role: "destructive" }]
        // The totals are taken when the prompt opens, so they include the held bundle then.
        onAboutToShow: {
            titleText = qsTr("Move %1 selected items to Trash?").arg(root.viewModel.selectedCount)
            messageText = qsTr("Total selected size: %1")
                .arg(ByteFormatter.string(root.viewModel.selectedSize))
        }
        onButtonPressed: (role) => {
            if (role === "destructive")
                root.viewModel.deleteSelectedFiles()
        }
        onDismissed: root.viewModel.showDeleteConfirmation = false
    }

    AlertDialog {
        objectName: "permissionPrompt"
        shown: root.permissionManager.showPermissionPromptAlert
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
        objectName: "errorAlert"
        shown: root.viewModel.showErrorAlert
        titleText: qsTr("Couldn't complete action")
        messageText: root.viewModel.errorMessage
        buttons: [{ text: qsTr("OK"), role: "cancel" }]
        onDismissed: root.viewModel.showErrorAlert = false
    }
}
