import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "ResultsPanel"
    when: windowShown
    width: 588
    height: 404

    Component { id: viewModelDouble; ViewModelDouble { hasDroppedApp: true } }
    Component { id: permissionsDouble; PermissionsDouble {} }
    Component { id: resultsPanel; ResultsPanelView { anchors.fill: parent } }

    function makePanel(rows) {
        const viewModel = viewModelDouble.createObject(testCase)
        viewModel.addRows(rows)
        const permissions = permissionsDouble.createObject(testCase)
        const panel = createTemporaryObject(resultsPanel, testCase,
                                            { viewModel: viewModel, permissionManager: permissions })
        verify(panel)
        return panel
    }

    // The rows of the table: what the card shows and which controls work in each state.
    function test_states_data() {
        return [
            { tag: "scanning", rows: 0, scanning: true, awaiting: false, deleting: false, count: 1,
              body: "scanningBody", remove: false, selectAll: false, label: "Remove" },
            { tag: "waiting for a manual scan", rows: 0, scanning: false, awaiting: true,
              deleting: false, count: 1, body: "awaitingBody", remove: true, selectAll: false,
              label: "Remove" },
            { tag: "no results", rows: 0, scanning: false, awaiting: false, deleting: false,
              count: 1, body: "noResultsBody", remove: true, selectAll: false, label: "Remove" },
            { tag: "results", rows: 3, scanning: false, awaiting: false, deleting: false, count: 4,
              body: "fileList", remove: true, selectAll: true, label: "Remove" },
            { tag: "removing", rows: 3, scanning: false, awaiting: false, deleting: true, count: 4,
              body: "fileList", remove: false, selectAll: true, label: "Removing..." },
            { tag: "nothing counted", rows: 3, scanning: false, awaiting: false, deleting: false,
              count: 0, body: "fileList", remove: false, selectAll: true, label: "Remove" },
        ]
    }
    function test_states(data) {
        const panel = makePanel(data.rows)
        Object.assign(panel.viewModel, { isScanning: data.scanning, awaitingManualScan: data.awaiting,
                                         isDeleting: data.deleting, selectedCount: data.count })
        for (const body of ["scanningBody", "awaitingBody", "noResultsBody", "fileList"])
            compare(findChild(panel, body).visible, body === data.body, body)
        const remove = findChild(panel, "removeButton")
        compare(remove.enabled, data.remove)
        compare(remove.text, data.label)
        compare(findChild(panel, "selectAllCheckbox").enabled, data.selectAll)
    }

    function test_scanNowStartsAUserScan() {
        const panel = makePanel(0)
        panel.viewModel.awaitingManualScan = true
        mouseClick(findChild(panel, "scanNowButton"))
        compare(panel.viewModel.calls, ["scanForLeftovers true"])
    }

    function test_selectAllLook_data() {
        return [
            { tag: "all", all: true, any: true, state: "on" },
            { tag: "some", all: false, any: true, state: "mixed" },
            { tag: "none", all: false, any: false, state: "off" },
        ]
    }
    function test_selectAllLook(data) {
        const panel = makePanel(2)
        panel.viewModel.isAllSelected = data.all
        panel.viewModel.isAnySelected = data.any
        const box = findChild(panel, "selectAllCheckbox")
        compare(box.selectionState, data.state)
        mouseClick(box)
        compare(panel.viewModel.calls, ["toggleSelectAll"])
    }

    function test_dashboardCondition_data() {
        return [
            { tag: "rows, preference on", rows: 2, scanning: false, preference: true, shown: true },
            { tag: "preference off", rows: 2, scanning: false, preference: false, shown: false },
            { tag: "no rows", rows: 0, scanning: false, preference: true, shown: false },
            { tag: "scan running", rows: 2, scanning: true, preference: true, shown: false },
        ]
    }
    function test_dashboardCondition(data) {
        const panel = makePanel(data.rows)
        panel.viewModel.isScanning = data.scanning
        panel.showCategoryDashboard = data.preference
        tryCompare(findChild(panel, "dashboard"), "visible", data.shown)
    }

    function test_bannerFollowsTheWarning() {
        const panel = makePanel(1)
        const banner = findChild(panel, "permissionBanner")
        tryCompare(banner, "visible", false)
        panel.permissionManager.permissionDeniedPaths = ["/a", "/b"]
        tryCompare(banner, "visible", true)
        compare(banner.deniedPathCount, 2)
        mouseClick(findChild(banner, "openSettingsButton"))
        compare(panel.permissionManager.settingsOpened, 1)
        panel.permissionManager.hasFullDiskAccess = true
        tryCompare(banner, "visible", false)
    }

    function test_separatorsBetweenRows_data() {
        return [ { tag: "one row", rows: 1 }, { tag: "three rows", rows: 3 } ]
    }
    function test_separatorsBetweenRows(data) {
        const panel = makePanel(data.rows)
        const list = findChild(panel, "fileList")
        tryCompare(list, "count", data.rows)
        let shown = 0
        for (let i = 0; i < data.rows; ++i) {
            if (findChild(list.itemAtIndex(i), "rowSeparator").visible)
                ++shown
        }
        compare(shown, data.rows - 1)
    }

    function test_bottomBarActions() {
        const panel = makePanel(1)
        panel.viewModel.selectedCount = 2
        mouseClick(findChild(panel, "removeButton"))
        mouseClick(findChild(panel, "cancelButton"))
        compare(panel.viewModel.calls, ["requestDeletion", "resetSelection"])
    }
}
