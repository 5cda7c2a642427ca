import QtQuick
import Tidewell

// Stands in for the session view model: the properties the views read, and operations that
// record their calls.
QtObject {
    id: stand

    property int phase: CleanerViewModel.Empty
    property QtObject app: QtObject {
        property bool isHeld: false
        property string displayName: ""
        property string path: "/Applications/Harbor Notes.app"
        property string fileName: "Harbor Notes.app"
        property string itselfPath: "/Applications/Harbor Notes.app"
        property string kindName: "App bundle"
        property string sizeText: "Calculating..."
    }
    property QtObject apps: QtObject {
        property int count: stand.app.isHeld ? 1 : 0
        property string names: stand.app.displayName
        property var uninstallers: [stand.uninstaller]
    }
    // One entry per app, as the view model's: {name, path, itemCount, selectedBytes,
    // selectedSizeComplete}.
    property var appGroups: []
    property ListModel files: ListModel {}
    property bool showDeleteConfirmation: false
    property bool showErrorAlert: false
    property string errorMessage: ""
    property QtObject outcome: QtObject {
        property double removedCount: 0
        property double reclaimedBytes: 0
        property bool reclaimedSizeComplete: true
        property double trashedCount: 0
        property double trashedBytes: 0
        property bool trashedSizeComplete: true
        property double deletedInPlaceCount: 0
        property double deletedInPlaceBytes: 0
        property bool deletedInPlaceSizeComplete: true
        property var failures: []
        property bool canUndo: false
        property bool isUndoing: false
        property string undoStatus: ""
    }
    property QtObject uninstaller: QtObject {
        property string appName: ""
        property string command: ""
        property string managerName: ""
        property bool canRun: false
        property bool isRunning: false
        property string status: ""
        function run() { stand.record("runUninstallCommand") }
    }
    property double selectedCount: 0
    property double selectedSize: 0
    property bool selectedSizeComplete: true
    property bool isAllSelected: false
    property bool isAnySelected: false
    property var categoryBreakdown: []
    property var unreadableFolders: []
    property var itemsLeftAlone: []

    property var calls: []
    function record(name) { calls = calls.concat([name]) }
    function scanForLeftovers(isUserInitiated) { record("scanForLeftovers " + isUserInitiated) }
    function toggleSelectAll() { record("toggleSelectAll") }
    function requestDeletion() { record("requestDeletion") }
    function handleDroppedApps(urls) { record("handleDroppedApps " + Array.from(urls, String).join(" ")) }
    function resetSelection() { record("resetSelection") }
    function undoRemoval() { record("undoRemoval") }

    // Fills the list with n selected rows, then offered ones unselected, as the list model
    // orders them.
    function addRows(n, offered) {
        for (let i = 0; i < n + (offered || 0); ++i)
            files.append({ fileId: "id" + i, path: "/home/u/Library/Caches/item" + i,
                           fileName: "item" + i, parentPath: "/home/u/Library/Caches",
                           category: "Caches", categoryName: "Caches", safety: "Safe",
                           safetyName: "Safe", sizeInBytes: 1000 * (i + 1), isSelected: i < n,
                           startsReviewGroup: i === n, appIndex: 0, startsAppGroup: i === 0,
                           evidence: i < n ? "Named by the app's identifier."
                                           : "Only part of its name matches the app's." })
    }
}
