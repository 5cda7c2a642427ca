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
        return createTemporaryObject(resultsPanel, testCase, {
            viewModel: viewModel, permissionManager: permissionsDouble.createObject(testCase) })
    }

    // What the card shows, which controls work and whether the dashboard shows in each state;
    // unless a row says otherwise: three rows listed, four selected items (the bundle included),
    // no scan or removal running, the dashboard preference on.
    function test_states_data() {
        return [
            { tag: "scanning", rows: 0, scanning: true, body: "scanningBody", remove: false,
              selectAll: false, dashboard: false },
            { tag: "rescanning", scanning: true, body: "scanningBody", remove: false,
              selectAll: false, dashboard: false },
            { tag: "waiting for a manual scan", rows: 0, awaiting: true, body: "awaitingBody",
              selectAll: false, dashboard: false },
            { tag: "no results", rows: 0, count: 1, body: "noResultsBody", selectAll: false,
              dashboard: false },
            { tag: "results" },
            { tag: "dashboard turned off", preference: false, dashboard: false },
            { tag: "removing", deleting: true, remove: false, label: "Removing..." },
            { tag: "nothing counted", count: 0, remove: false },
        ]
    }
    function test_states(data) {
        const row = Object.assign({ rows: 3, body: "fileList", scanning: false, awaiting: false,
                                    deleting: false, count: 4, preference: true, remove: true,
                                    selectAll: true, label: "Remove", dashboard: true }, data)
        const panel = makePanel(row.rows)
        Object.assign(panel.viewModel, { isScanning: row.scanning, awaitingManualScan: row.awaiting,
                                         isDeleting: row.deleting, selectedCount: row.count })
        panel.showCategoryDashboard = row.preference
        for (const body of ["scanningBody", "awaitingBody", "noResultsBody", "fileList"])
            compare(findChild(panel, body).visible, body === row.body, body)
        const remove = findChild(panel, "removeButton")
        compare(remove.enabled, row.remove)
        compare(remove.text, row.label)
        compare(findChild(panel, "selectAllCheckbox").enabled, row.selectAll)
        tryCompare(findChild(panel, "dashboard"), "visible", row.dashboard)
    }

    function test_selectAll_data() {
        return [
            { tag: "all", all: true, any: true, state: "on" },
            { tag: "some", all: false, any: true, state: "mixed" },
            { tag: "none", all: false, any: false, state: "off" },
        ]
    }
    function test_selectAll(data) {
        const panel = makePanel(2)
        Object.assign(panel.viewModel, { isAllSelected: data.all, isAnySelected: data.any })
        const box = findChild(panel, "selectAllCheckbox")
        compare(box.selectionState, data.state)
        mouseClick(box)
        compare(panel.viewModel.calls, ["toggleSelectAll"])
    }

    function test_bannerMessage_data() {
        const advice = "Grant Full Disk Access for complete results."
        return [
            { tag: "none", paths: [], message: advice },
            { tag: "one", paths: ["a"], message: "1 location were blocked. " + advice },
            { tag: "three", paths: ["a", "b", "c"], message: "3 locations were blocked. " + advice }
        ]
    }
    function test_bannerMessage(data) {
        const panel = makePanel(1)
        panel.permissionManager.permissionDeniedPaths = data.paths
        const banner = findChild(panel, "permissionBanner")
        compare(findChild(banner, "bannerTitle").text, "Some folders were restricted.")
        compare(findChild(banner, "bannerMessage").text, data.message)
        tryCompare(banner, "visible", data.paths.length > 0)
    }
}
