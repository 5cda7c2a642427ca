import QtQuick

// Stands in for the session view model: the properties the views read, and operations that
// record their calls.
QtObject {
    property var droppedApp: ({ appPath: "/Applications/Harbor Notes.app",
                                fileName: "Harbor Notes.app" })
    property bool hasDroppedApp: false
    property ListModel files: ListModel {}
    property bool isScanning: false
    property bool isDeleting: false
    property bool awaitingManualScan: false
    property bool showDeleteConfirmation: false
    property bool showErrorAlert: false
    property string errorMessage: ""
    property bool showSuccessState: false
    property double lastDeletedCount: 0
    property double lastReclaimedSize: 0
    property double selectedCount: 0
    property double selectedSize: 0
    property bool selectedSizeComplete: true
    property bool isAllSelected: false
    property bool isAnySelected: false
    property var categoryBreakdown: []
    property string appSizeText: "Calculating..."
    property var unreadableFolders: []
    property var undecodableItems: []
    property var keptSettingsFiles: []
    property var keptDconfFolders: []
    property var lastFailures: []
    property string uninstallCommand: ""
    property bool canRunUninstallCommand: false
    property bool isUninstalling: false
    property string uninstallStatus: ""


    property var calls: []
    function record(name) { calls = calls.concat([name]) }
    function scanForLeftovers(isUserInitiated) { record("scanForLeftovers " + isUserInitiated) }
    function toggleSelectAll() { record("toggleSelectAll") }
    function requestDeletion() { record("requestDeletion") }
    function handleDroppedApp(url) { record("handleDroppedApp " + url) }
    function resetSelection() { record("resetSelection") }
    function runUninstallCommand() { record("runUninstallCommand") }

    // Fills the list with n selected rows.
    function addRows(n) {
        for (let i = 0; i < n; ++i)
            files.append({ fileId: "id" + i, path: "/home/u/Library/Caches/item" + i,
                           fileName: "item" + i, parentPath: "/home/u/Library/Caches",
                           category: "Caches", safety: "Safe", sizeInBytes: 1000 * (i + 1),
                           isSelected: true })
    }
}
