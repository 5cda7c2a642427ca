import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "ContentView"
    when: windowShown
    width: 620
    height: 460

    Component { id: viewModelDouble; ViewModelDouble {} }
    Component { id: permissionsDouble; PermissionsDouble {} }
    Component { id: contentView; ContentView { anchors.fill: parent } }
    // Read only when a dialog opens, which these tests never do.
    Component { id: installedAppsModel; InstalledAppsModel {} }
    Component { id: orphansModel; OrphansModel {} }

    function makeView() {
        return createTemporaryObject(contentView, testCase, {
            viewModel: viewModelDouble.createObject(testCase),
            permissionManager: permissionsDouble.createObject(testCase),
            preferences: { showCategoryDashboard: true },
            installedApps: installedAppsModel.createObject(testCase),
            orphans: orphansModel.createObject(testCase) })
    }

    function test_panelChoice_data() {
        return [
            { tag: "nothing held", phase: CleanerViewModel.Empty, panel: "emptyPanel" },
            { tag: "waiting for a scan", phase: CleanerViewModel.AwaitingScan,
              panel: "resultsPanel" },
            { tag: "scanning", phase: CleanerViewModel.Scanning, panel: "resultsPanel" },
            { tag: "results", phase: CleanerViewModel.Results, panel: "resultsPanel" },
            { tag: "removing", phase: CleanerViewModel.Removing, panel: "resultsPanel" },
            { tag: "outcome", phase: CleanerViewModel.Outcome, panel: "successPanel" },
        ]
    }
    function test_panelChoice(data) {
        const view = makeView()
        view.viewModel.phase = data.phase
        for (const name of ["emptyPanel", "resultsPanel", "successPanel"])
            tryCompare(findChild(view, name), "visible", name === data.panel)
    }

    // Items in the Trash still take their space; items the Trash refused are gone. A size not
    // counted whole is at least what was counted.
    function test_freedSpace_data() {
        const trashed = "Moved to the Trash: 4 kB. Empty the Trash to free the space."
        return [
            { tag: "trashed", trashed: 1, deleted: 0, complete: true, trashText: trashed,
              deletedText: "", count: "Successfully moved 1 item to the Trash." },
            { tag: "not whole", trashed: 1, deleted: 0, complete: false,
              trashText: trashed.replace("4 kB", "at least 4 kB"), deletedText: "",
              count: "Successfully moved 1 item to the Trash." },
            { tag: "removed in place", trashed: 1, deleted: 2, complete: true, trashText: trashed,
              deletedText: "Deleted: 4 kB.", count: "Successfully removed 3 items." },
        ]
    }
    function test_freedSpace(data) {
        const view = makeView()
        Object.assign(view.viewModel.outcome, {
            removedCount: data.trashed + data.deleted, trashedCount: data.trashed,
            trashedBytes: 4000, trashedSizeComplete: data.complete,
            deletedInPlaceCount: data.deleted, deletedInPlaceBytes: 4000 })
        view.viewModel.phase = CleanerViewModel.Outcome
        for (const [name, text] of [["successCountText", data.count],
                                    ["successSizeText", data.trashText],
                                    ["deletedSizeText", data.deletedText]]) {
            const line = findChild(view, name)
            tryCompare(line, "visible", text !== "")
            compare(line.text, text)
        }
        // Heard as the keyboard lands on Done.
        verify(findChild(view, "doneButton").Accessible.description.endsWith(
            data.trashText + (data.trashText && data.deletedText ? " " : "") + data.deletedText))
    }

    // The outcome of a Linux application tells the command that uninstalls it, ready to copy.
    function test_uninstallCommandAfterRemoval() {
        const view = makeView()
        view.viewModel.uninstaller.appName = "Tidepool"
        view.viewModel.phase = CleanerViewModel.Outcome
        const panel = findChild(view, "uninstallPanel")
        verify(!panel.visible)
        view.viewModel.uninstaller.managerName = "Flatpak"
        view.viewModel.uninstaller.command = "flatpak uninstall org.example.Tidepool"
        tryCompare(panel, "visible", true)
        compare(findChild(view, "uninstallText").text,
                "Tidepool itself is still installed: remove it with Flatpak or Software.")
        compare(findChild(view, "uninstallCommand").text, "flatpak uninstall org.example.Tidepool")
        // Run shows only for a command the window may run, and once at a time.
        const run = findChild(view, "runUninstallButton")
        verify(!run.visible)
        view.viewModel.uninstaller.canRun = true
        tryCompare(run, "visible", true)
        mouseClick(run)
        compare(view.viewModel.calls, ["runUninstallCommand"])
        verify(findChild(view, "doneButton").activeFocus)
        view.viewModel.uninstaller.isRunning = true
        view.viewModel.uninstaller.status = "Uninstalling…"
        tryCompare(run, "enabled", false)
        compare(findChild(view, "uninstallStatus").text, "Uninstalling…")
    }

    // Undo asks the view model, and the panel shows how it went; the keyboard stays on Done.
    function test_undoFromTheOutcome() {
        const view = makeView()
        view.viewModel.phase = CleanerViewModel.Outcome
        const undo = findChild(view, "undoButton")
        verify(!undo.visible)
        view.viewModel.outcome.canUndo = true
        tryCompare(undo, "visible", true)
        waitForRendering(view)
        mouseClick(undo)
        compare(view.viewModel.calls, ["undoRemoval"])
        verify(findChild(view, "doneButton").activeFocus)
        Object.assign(view.viewModel.outcome, { canUndo: false, isUndoing: true })
        tryCompare(undo, "enabled", false)
        Object.assign(view.viewModel.outcome, { isUndoing: false, undoStatus: "Put back 3 items." })
        tryCompare(undo, "visible", false)
        compare(findChild(view, "undoStatus").text, "Put back 3 items.")
    }

    function test_recheckAfterSettings_data() {
        return [
            { tag: "no recheck pending", pending: false, granted: true, checks: 0, scans: 0 },
            { tag: "still no access", pending: true, granted: false, checks: 1, scans: 0 },
            { tag: "access granted", pending: true, granted: true, checks: 1, scans: 1 },
        ]
    }
    function test_recheckAfterSettings(data) {
        const view = makeView()
        view.permissionManager.shouldRecheckPermissionAfterSettings = data.pending
        view.permissionManager.accessAfterCheck = data.granted
        view.handleWindowActivated()
        view.handleWindowActivated()
        compare(view.permissionManager.checks, data.checks)
        compare(view.viewModel.calls.filter(c => c === "scanForLeftovers false").length, data.scans)
        verify(!view.permissionManager.shouldRecheckPermissionAfterSettings)
    }

    // A drop of several apps takes them all, in their order; what names no app is left out,
    // and the notice says so.
    function test_dropOfSeveral_data() {
        return [
            { tag: "one", urls: ["file:///a/Ink.app"], notice: "" },
            { tag: "two", urls: ["file:///a/Ink.app", "file:///a/Zed.desktop"], notice: "" },
            { tag: "with a document",
              urls: ["file:///a/Ink.app", "file:///a/notes.txt", "file:///a/Zed.desktop"],
              notice: "1 dropped item is no app and was left out." },
        ]
    }
    function test_dropOfSeveral(data) {
        const view = makeView()
        verify(findChild(view, "dropZone").acceptDrop(data.urls))
        const apps = data.urls.filter(url => !url.endsWith(".txt"))
        tryCompare(view.viewModel, "calls", ["handleDroppedApps " + apps.join(" ")])
        const notice = findChild(view, "notice")
        tryCompare(notice, "visible", data.notice !== "")
        if (data.notice !== "")
            compare(notice.text, data.notice)
    }
}
