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

    Component {
        id: viewModelDouble
        ViewModelDouble {
            phase: CleanerViewModel.Results
            Component.onCompleted: app.isHeld = true
        }
    }
    Component { id: permissionsDouble; PermissionsDouble {} }
    Component { id: resultsPanel; ResultsPanelView { anchors.fill: parent } }

    function makePanel(rows, offered) {
        const viewModel = viewModelDouble.createObject(testCase)
        viewModel.addRows(rows, offered)
        return createTemporaryObject(resultsPanel, testCase, {
            viewModel: viewModel, permissionManager: permissionsDouble.createObject(testCase) })
    }

    // What the card shows, which controls work and whether the dashboard shows in each state;
    // unless a row says otherwise: three rows listed, four selected items (the bundle included),
    // no scan or removal running, the dashboard preference on.
    function test_states_data() {
        return [
            { tag: "scanning", rows: 0, phase: CleanerViewModel.Scanning, body: "scanningBody",
              remove: false, selectAll: false, dashboard: false },
            { tag: "rescanning", phase: CleanerViewModel.Scanning, body: "scanningBody",
              remove: false, selectAll: false, dashboard: false },
            { tag: "waiting for a manual scan", rows: 0, phase: CleanerViewModel.AwaitingScan,
              body: "awaitingBody", selectAll: false, dashboard: false },
            { tag: "no results", rows: 0, count: 1, body: "noResultsBody", selectAll: false,
              dashboard: false },
            { tag: "results" },
            { tag: "dashboard turned off", preference: false, dashboard: false },
            { tag: "removing", phase: CleanerViewModel.Removing, remove: false,
              label: "Removing..." },
            { tag: "nothing counted", count: 0, remove: false },
        ]
    }
    function test_states(data) {
        const row = Object.assign({ rows: 3, body: "fileList", phase: CleanerViewModel.Results,
                                    count: 4, preference: true, remove: true, selectAll: true,
                                    label: "Remove", dashboard: true }, data)
        const panel = makePanel(row.rows)
        Object.assign(panel.viewModel, { phase: row.phase, selectedCount: row.count })
        panel.showCategoryDashboard = row.preference
        for (const body of ["scanningBody", "awaitingBody", "noResultsBody", "fileList"])
            compare(findChild(panel, body).visible, body === row.body, body)
        const remove = findChild(panel, "removeButton")
        compare(remove.enabled, row.remove)
        compare(remove.text, row.label)
        compare(findChild(panel, "selectAllCheckbox").enabled, row.selectAll)
        tryCompare(findChild(panel, "dashboard"), "visible", row.dashboard)
    }

    // The offered rows follow the certain ones under their own heading; without offered rows
    // there is no heading.
    function test_reviewGroup_data() {
        return [ { tag: "certain and offered", offered: 2, heading: true },
                 { tag: "certain only", offered: 0, heading: false } ]
    }
    function test_reviewGroup(data) {
        const panel = makePanel(2, data.offered)
        const list = findChild(panel, "fileList")
        tryCompare(list, "count", 2 + data.offered)
        // One heading, over the first offered row: every row above it certain, every row below
        // it offered.
        const headings = []
        for (let index = 0; index < list.count; ++index) {
            list.positionViewAtIndex(index, ListView.Contain)
            const heading = findChild(list.itemAtIndex(index), "reviewHeading")
            if (heading.visible)
                headings.push(index)
        }
        compare(headings, data.heading ? [2] : [])
        if (data.heading) {
            const heading = findChild(list.itemAtIndex(2), "reviewHeading")
            compare(heading.Accessible.name, "Review before removing")
            verify(heading.height > 0)
        }
    }

    // Several apps' rows come app by app, each app under a heading with its count and selected
    // size, an app without rows below the list; one app is shown as always, without a heading.
    function test_appGroups_data() {
        const harbor = { name: "Harbor Notes", path: "/a/Harbor Notes.app", itemCount: 2,
                         selectedBytes: 3000, selectedSizeComplete: true }
        const tide = { name: "Tide", path: "/a/Tide.app", itemCount: 1, selectedBytes: 3000,
                       selectedSizeComplete: false }
        const bare = { name: "Zed", path: "/a/Zed.app", itemCount: 0, selectedBytes: 500,
                       selectedSizeComplete: true }
        return [
            { tag: "one app", groups: [harbor], apps: [0, 0, 0], headings: [] },
            { tag: "two apps", groups: [harbor, tide], apps: [0, 0, 1],
              headings: ["Harbor Notes, 2 items, 3 kB selected",
                         "Tide, 1 item, at least 3 kB selected"] },
            { tag: "an app without rows", groups: [harbor, bare], apps: [0, 0, 0],
              headings: ["Harbor Notes, 2 items, 3 kB selected",
                         "Zed, No leftovers found, 500 bytes selected"] },
        ]
    }
    function test_appGroups(data) {
        const panel = makePanel(3)
        const files = panel.viewModel.files
        for (let row = 0; row < 3; ++row)
            files.setProperty(row, "appIndex", data.apps[row])
        files.setProperty(2, "startsAppGroup", data.apps[2] !== data.apps[1])
        panel.viewModel.appGroups = data.groups
        panel.viewModel.apps.names = data.groups.map(group => group.name).join(" and ")
        const list = findChild(panel, "fileList")
        tryCompare(list, "count", 3)
        const headings = []
        for (let index = 0; index < list.count; ++index) {
            list.positionViewAtIndex(index, ListView.Contain)
            const heading = findChild(list.itemAtIndex(index), "appHeading")
            if (heading.visible)
                headings.push(heading.Accessible.name)
        }
        const below = findChild(panel, "appsWithoutRows")
        for (let index = 0; index < below.children.length; ++index) {
            if (below.children[index].objectName === "appHeading")
                headings.push(below.children[index].Accessible.name)
        }
        compare(headings, data.headings)
        const several = data.groups.length > 1
        tryCompare(findChild(panel, "appsHeader"), "visible", several)
        compare(findChild(panel, "appFileName").visible, !several)
        if (several)
            compare(findChild(panel, "appsNames").text, panel.viewModel.apps.names)
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

    // The header names the app itself, or who installed it with the size its package keeps;
    // an app without an icon of its own still shows one.
    function test_header_data() {
        return [
            { tag: "bundle", itself: "/Applications/Harbor Notes.app", manager: "",
              line: "/Applications/Harbor Notes.app", label: "App Size", size: "12 MB" },
            { tag: "Flatpak", itself: "", manager: "Flatpak", line: "Installed by Flatpak",
              label: "Installed Size", size: "2.4 MB" },
            { tag: "Debian package", itself: "", manager: "apt",
              line: "Installed by a Debian package", label: "Installed Size", size: "251 kB" },
            { tag: "size not told", itself: "", manager: "snap", line: "Installed by snap",
              label: "", size: "" },
        ]
    }
    function test_header(data) {
        const panel = makePanel(1)
        Object.assign(panel.viewModel.app, { path: "/nowhere/Harbor Notes.app",
                                             itselfPath: data.itself, sizeText: data.size })
        panel.viewModel.uninstaller.managerName = data.manager
        compare(findChild(panel, "appPath").text, data.line)
        compare(findChild(panel, "appSizeText").visible, data.size !== "")
        compare(findChild(panel, "appSizeText").text, data.size)
        if (data.label !== "")
            compare(findChild(panel, "appSizeLabel").text, data.label)
        // Never an empty square: once loaded, the theme's generic icon or the chooser's mark.
        const icon = findChild(panel, "appIcon")
        tryVerify(() => icon.status !== Image.Loading)
        verify(icon.implicitWidth > 0 || findChild(panel, "appFallbackIcon").visible)
    }

    // A total that holds an item not sized whole is a lower bound, and says so.
    function test_totalsSayAtLeast_data() {
        return [ { tag: "whole", complete: true, text: "4 kB" },
                 { tag: "not whole", complete: false, text: "at least 4 kB" } ]
    }
    function test_totalsSayAtLeast(data) {
        const panel = makePanel(1)
        Object.assign(panel.viewModel, {
            selectedSize: 4000, selectedSizeComplete: data.complete,
            categoryBreakdown: [{ category: "Caches", categoryName: "Caches", totalBytes: 4000,
                                  itemCount: 1, sizeComplete: data.complete }] })
        compare(findChild(panel, "selectedSizeText").text, data.text)
        tryCompare(findChild(panel, "categorySize"), "text", data.text)
    }

    // Found items that stay are named under the list, one line per reason: names that are not
    // UTF-8, settings files that name the app among other apps' lines, and the app's dconf
    // folders.
    function test_leftAloneNotice_data() {
        return [
            { tag: "undecodable", reason: "undecodableName",
              message: "2 items with names that are not valid UTF-8 were left alone:" },
            { tag: "settings", reason: "sharedSettingsFile",
              message: "2 settings files name this app among other apps' lines and stay:" },
            { tag: "dconf", reason: "dconfFolder",
              message: "2 dconf folders hold this app's settings and stay:" },
        ]
    }
    function test_leftAloneNotice(data) {
        const panel = makePanel(1)
        const notice = findChild(panel, "leftAloneNotice")
        verify(!notice.visible)
        panel.viewModel.itemsLeftAlone = [
            { reason: data.reason, paths: ["/h/first\ufffd", "/h/second"] },
            { reason: "dconfFolder", paths: ["/org/x/"] }]
        tryCompare(notice, "visible", true)
        compare(findChild(notice, "noticeMessage").text, data.message)
        compare(findChild(notice, "noticePath").text, "/h/first\ufffd")
        const messages = []
        for (let i = 0; i < notice.children.length; ++i) {
            if (notice.children[i].objectName === "leftAloneLine")
                messages.push(notice.children[i].message)
        }
        compare(messages, [data.message, "1 dconf folder holds this app's settings and stays:"])
        panel.viewModel.phase = CleanerViewModel.Scanning
        verify(!notice.visible)
    }

    // Linux has no Full Disk Access: every folder the scan could not read shows in the banner,
    // whatever the permission state says.
    function test_linuxBanner_data() {
        return [
            { tag: "none", paths: [], message: "" },
            { tag: "one", paths: ["/h/.config/a"],
              message: "1 folder could not be read, so its leftovers may be missing." },
            { tag: "eight", paths: ["/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"], listed: 4,
              message: "8 folders could not be read, so their leftovers may be missing." }
        ]
    }
    function test_linuxBanner(data) {
        if (Host.asksForFullDiskAccess)
            skip("macOS asks for Full Disk Access instead")
        const panel = makePanel(1)
        panel.permissionManager.hasFullDiskAccess = true
        panel.viewModel.unreadableFolders = data.paths
        const banner = findChild(panel, "permissionBanner")
        tryCompare(banner, "visible", data.paths.length > 0)
        const icon = findChild(banner, "bannerIcon")
        if (data.paths.length === 0) {
            // A hidden banner does not pulse: the window would keep drawing frames for it.
            wait(300)
            compare(icon.opacity, 1)
            return
        }
        tryVerify(() => icon.opacity < 1)
        compare(findChild(banner, "bannerTitle").text, "Some folders could not be read.")
        compare(findChild(banner, "bannerMessage").text, data.message)
        compare(findChild(banner, "openSettingsButton").text, "Show in Folder")
        const listButton = findChild(banner, "bannerListButton")
        compare(listButton.text, "Show List")
        listButton.forceActiveFocus()
        keyClick(Qt.Key_Space)
        compare(listButton.text, "Hide List")
        tryVerify(() => banner.listShown)
        compare(banner.folders.length, data.paths.length)
        const shown = findChild(banner, "bannerFolderList")
        compare(shown.count, data.listed || data.paths.length)
        compare(shown.itemAt(0).text, data.paths[0])
    }
}
