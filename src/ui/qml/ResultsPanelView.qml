pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tidewell

// The held application, its leftovers (or the scan's progress in their place), the blocked
// folders banner and the bottom bar with the selection total and the two actions. Several apps'
// leftovers are listed app by app, each under a heading of its own.
ColumnLayout {
    id: panel

    required property var viewModel
    required property var permissionManager
    property bool showCategoryDashboard: true
    // Column measurements shared by the list header and the rows.
    property var columns: ({ checkbox: 24, icon: 28, file: 192, path: 172, size: 100,
                             spacing: 10, rowPadding: 14, rowHeight: 44 })
    property real panelCornerRadius: 14

    readonly property var files: viewModel.files
    readonly property int fileCount: files ? files.count : 0
    readonly property var appGroups: viewModel.appGroups
    readonly property bool severalApps: appGroups.length > 1
    readonly property bool scanning: viewModel.phase === CleanerViewModel.Scanning
    readonly property bool removing: viewModel.phase === CleanerViewModel.Removing
    // "scanning", "awaitingManualScan", "noResults" or "rows": what the list card shows.
    readonly property string cardBody: scanning ? "scanning"
                                     : viewModel.phase === CleanerViewModel.AwaitingScan
                                       ? "awaitingManualScan"
                                     : fileCount === 0 ? "noResults" : "rows"
    readonly property bool dashboardShown: showCategoryDashboard && fileCount > 0 && !scanning
    // Folders the scan could not read: macOS gives them only without Full Disk Access.
    readonly property var unreadableFolders: Host.asksForFullDiskAccess
                                             ? permissionManager.permissionDeniedPaths
                                             : viewModel.unreadableFolders
    readonly property bool bannerShown: Host.asksForFullDiskAccess
                                        ? permissionManager.hasPermissionWarning
                                        : unreadableFolders.length > 0
    readonly property bool selectAllEnabled: fileCount > 0 && !scanning
    readonly property bool removeEnabled: viewModel.selectedCount > 0 && !scanning && !removing
    readonly property string selectAllState: viewModel.isAllSelected ? "on"
                                           : viewModel.isAnySelected ? "mixed" : "off"

    // Gives the keyboard to the list of found items, now or once the scan has shown them.
    property bool listFocusPending: false
    function focusList() {
        listFocusPending = cardBody !== "rows"
        if (!listFocusPending)
            fileList.forceActiveFocus()
    }
    onCardBodyChanged: {
        if (listFocusPending && cardBody === "rows")
            focusList()
    }

    spacing: 12

    AppHeaderView {
        Layout.fillWidth: true
        Layout.leftMargin: 6
        Layout.rightMargin: 6
        Layout.topMargin: 2
        Layout.bottomMargin: 2
        visible: panel.viewModel.app.isHeld && !panel.severalApps
        app: panel.viewModel.app
        managerName: panel.viewModel.uninstaller.managerName
    }

    AppsHeaderView {
        objectName: "appsHeader"
        Layout.fillWidth: true
        Layout.leftMargin: 6
        Layout.rightMargin: 6
        Layout.topMargin: 2
        Layout.bottomMargin: 2
        visible: panel.severalApps
        groups: panel.appGroups
        names: panel.viewModel.apps.names
    }

    CategoryDashboardView {
        objectName: "dashboard"
        Layout.fillWidth: true
        visible: opacity > 0
        opacity: panel.dashboardShown ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
        breakdown: panel.viewModel.categoryBreakdown
    }

    Item {
        id: listCard
        Layout.fillWidth: true
        Layout.fillHeight: true

        GlassPanel {
            anchors.fill: parent
            radius: panel.panelCornerRadius
            tint: Appearance.cardTint
            borderWidth: 0
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            Item {
                id: listHeader
                Layout.fillWidth: true
                Layout.preferredHeight: 40

                TopRoundedRectangle {
                    anchors.fill: parent
                    cornerRadius: panel.panelCornerRadius - 1
                    fillColor: Appearance.faded(Appearance.primary, Appearance.pick(0.08, 0.04))
                }
                Rectangle {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    height: 1
                    color: Appearance.faded(Appearance.primary, Appearance.pick(0.10, 0.08))
                }
                Row {
                    anchors.fill: parent
                    anchors.leftMargin: panel.columns.rowPadding
                    anchors.rightMargin: panel.columns.rowPadding
                    spacing: panel.columns.spacing

                    Item {
                        width: panel.columns.checkbox
                        height: parent.height
                        SelectionCheckbox {
                            objectName: "selectAllCheckbox"
                            anchors.centerIn: parent
                            selectionState: panel.selectAllState
                            takesFocus: true
                            Accessible.name: qsTr("Select all")
                            enabled: panel.selectAllEnabled
                            onClicked: panel.viewModel.toggleSelectAll()
                        }
                    }
                    Item { width: panel.columns.icon; height: parent.height }
                    HeaderText { width: panel.columns.file; text: qsTr("File") }
                    HeaderText { width: panel.columns.path; text: qsTr("Path") }
                    HeaderText {
                        width: panel.columns.size
                        text: qsTr("Size")
                        horizontalAlignment: Text.AlignRight
                    }
                }
            }

            Item {
                Layout.fillWidth: true
                Layout.fillHeight: true

                Column {
                    objectName: "scanningBody"
                    anchors.centerIn: parent
                    visible: panel.cardBody === "scanning"
                    spacing: 8
                    BusyIndicator {
                        anchors.horizontalCenter: parent.horizontalCenter
                        running: parent.visible
                        implicitWidth: 28
                        implicitHeight: 28
                    }
                    LabelText {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTr("Scanning...")
                        font.pixelSize: 12
                        color: Appearance.secondary
                    }
                }

                Column {
                    objectName: "awaitingBody"
                    anchors.centerIn: parent
                    visible: panel.cardBody === "awaitingManualScan"
                    spacing: 8
                    LabelText {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTr("Ready to scan leftovers")
                        font.pixelSize: 12
                        font.weight: Font.DemiBold
                        color: Appearance.primary
                    }
                    LabelText {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTr("Auto-scan is off. Start a scan when you're ready.")
                        font.pixelSize: 10
                        color: Appearance.secondary
                    }
                    GlassActionButton {
                        objectName: "scanNowButton"
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTr("Scan Now")
                        role: "secondary"
                        frameWidth: 110
                        onClicked: panel.viewModel.scanForLeftovers(true)
                    }
                }

                Column {
                    objectName: "noResultsBody"
                    anchors.centerIn: parent
                    visible: panel.cardBody === "noResults"
                    spacing: 4
                    LabelText {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTr("No related files found")
                        font.pixelSize: 12
                        color: Appearance.primary
                    }
                    LabelText {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: qsTr("Try another app")
                        font.pixelSize: 10
                        color: Appearance.secondary
                    }
                }

                ListView {
                    id: fileList
                    objectName: "fileList"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.top: parent.top
                    anchors.bottom: appsWithoutRows.visible ? appsWithoutRows.top : parent.bottom
                    visible: panel.cardBody === "rows"
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    model: panel.files
                    ScrollBar.vertical: ScrollBar {}
                    activeFocusOnTab: true
                    keyNavigationEnabled: true
                    highlightMoveDuration: 0
                    currentIndex: 0
                    Accessible.role: Accessible.List
                    Accessible.name: qsTr("Found items")

                    delegate: Column {
                        id: entry
                        required property var model
                        required property int index
                        width: fileList.width
                        // The current row holds the list's keyboard focus, and hands it to its
                        // view: assistive technology hears of the row it is on.
                        focus: true
                        onActiveFocusChanged: {
                            if (activeFocus)
                                rowView.forceActiveFocus()
                        }
                        Keys.onSpacePressed: rowView.toggleSelection()
                        Keys.onMenuPressed: rowView.openContextMenu()
                        Keys.onPressed: (event) => {
                            if (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)) {
                                rowView.openContextMenu()
                                event.accepted = true
                            }
                        }

                        AppGroupHeading {
                            visible: panel.severalApps && entry.model.startsAppGroup
                            width: parent.width
                            height: visible ? implicitHeight : 0
                            horizontalPadding: panel.columns.rowPadding
                            group: panel.appGroups[entry.model.appIndex] ?? ({})
                        }
                        // An app's items only offered follow its certain ones under a heading
                        // of their own.
                        Item {
                            objectName: "reviewHeading"
                            visible: entry.model.startsReviewGroup
                            width: parent.width
                            height: visible ? 44 : 0
                            Accessible.role: Accessible.Heading
                            Accessible.name: reviewTitle.text
                            Accessible.description: reviewNote.text

                            Rectangle {
                                anchors.left: parent.left
                                anchors.right: parent.right
                                anchors.top: parent.top
                                height: 0.5
                                color: Appearance.faded(Appearance.primary,
                                                        Appearance.pick(0.18, 0.12))
                            }
                            Column {
                                anchors.left: parent.left
                                anchors.leftMargin: panel.columns.rowPadding
                                anchors.verticalCenter: parent.verticalCenter
                                spacing: 2
                                Text {
                                    id: reviewTitle
                                    text: qsTr("Review before removing")
                                    font.pixelSize: 12
                                    font.weight: Font.DemiBold
                                    color: Appearance.primary
                                }
                                Text {
                                    id: reviewNote
                                    text: qsTr("Not selected: check each one's reason first.")
                                    font.pixelSize: 10
                                    color: Appearance.secondary
                                }
                            }
                        }
                        FileRowView {
                            id: rowView
                            width: parent.width
                            file: entry.model
                            showsFocus: activeFocus
                            onMenuClosed: fileList.forceActiveFocus()
                            checkboxColumnWidth: panel.columns.checkbox
                            iconColumnWidth: panel.columns.icon
                            fileColumnWidth: panel.columns.file
                            pathColumnWidth: panel.columns.path
                            sizeColumnWidth: panel.columns.size
                            columnSpacing: panel.columns.spacing
                            horizontalPadding: panel.columns.rowPadding
                            rowHeight: panel.columns.rowHeight
                        }
                        Rectangle {
                            objectName: "rowSeparator"
                            visible: entry.index < panel.fileCount - 1
                            width: parent.width
                            // A whole pixel: half a pixel draws on every second row only.
                            height: 1
                            color: Appearance.faded(Appearance.primary, Appearance.pick(0.06, 0.05))
                        }
                    }
                }

                // An app without rows still gets its heading, below the others'.
                Column {
                    id: appsWithoutRows
                    objectName: "appsWithoutRows"
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    visible: fileList.visible
                    Repeater {
                        model: panel.severalApps
                               ? panel.appGroups.filter(group => group.itemCount === 0) : []
                        delegate: AppGroupHeading {
                            required property var modelData
                            width: appsWithoutRows.width
                            horizontalPadding: panel.columns.rowPadding
                            group: modelData
                        }
                    }
                }
            }
        }

        Rectangle {
            anchors.fill: parent
            radius: panel.panelCornerRadius
            color: "transparent"
            border.width: 0.8
            border.color: Appearance.faded(Appearance.primary, Appearance.pick(0.18, 0.09))
        }
    }

    PermissionBannerView {
        objectName: "permissionBanner"
        Layout.fillWidth: true
        visible: opacity > 0
        opacity: panel.bannerShown ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
        folders: panel.unreadableFolders
        isDarkMode: Appearance.isDark
        windowTintColor: Appearance.isDark ? Appearance.underPageBackground
                                           : Appearance.windowBackground
        onOpenSettings: {
            if (Host.asksForFullDiskAccess)
                panel.permissionManager.openFullDiskAccessSettings()
            else
                DesktopIntegration.reveal(panel.unreadableFolders[0])
        }
    }

    // Found items that stay where they are: say so, never hide them.
    LeftAloneNotice {
        objectName: "leftAloneNotice"
        Layout.fillWidth: true
        groups: panel.viewModel.itemsLeftAlone
        visible: groups.length > 0 && !panel.scanning
    }

    Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 1
        opacity: 0.6
        color: Appearance.faded(Appearance.primary, Appearance.pick(0.18, 0.12))
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        ColumnLayout {
            spacing: 3
            LabelText {
                text: qsTr("Total selected size")
                font.pixelSize: 12
                font.weight: Font.Medium
                color: Appearance.secondary
            }
            LabelText {
                objectName: "selectedSizeText"
                text: ByteFormatter.sizeText(panel.viewModel.selectedSize,
                                             panel.viewModel.selectedSizeComplete)
                font.pixelSize: 16
                font.weight: Font.DemiBold
                color: Appearance.primary
            }
        }
        Item { Layout.fillWidth: true }
        GlassActionButton {
            objectName: "cancelButton"
            text: qsTr("Cancel")
            role: "secondary"
            frameWidth: 84
            onClicked: panel.viewModel.resetSelection()
        }
        GlassActionButton {
            objectName: "removeButton"
            text: panel.removing ? qsTr("Removing...") : qsTr("Remove")
            role: "primary"
            frameWidth: 92
            enabled: panel.removeEnabled
            onClicked: panel.viewModel.requestDeletion()
        }
    }
}
