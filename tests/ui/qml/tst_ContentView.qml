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
    Component { id: preferencesDouble; PreferencesDouble {} }
    Component { id: contentView; ContentView { anchors.fill: parent } }

    function makeView() {
        const viewModel = viewModelDouble.createObject(testCase)
        const permissions = permissionsDouble.createObject(testCase)
        const preferences = preferencesDouble.createObject(testCase)
        const view = createTemporaryObject(contentView, testCase, {
            viewModel: viewModel, permissionManager: permissions, preferences: preferences })
        verify(view)
        return view
    }

    function panelLayer(view, name) { return findChild(view, name) }

    function test_panelChoice_data() {
        return [
            { tag: "nothing held", success: false, held: false, panel: "emptyPanel" },
            { tag: "app held", success: false, held: true, panel: "resultsPanel" },
            { tag: "success wins over the held app", success: true, held: true, panel: "successPanel" },
            { tag: "success after cancel", success: true, held: false, panel: "successPanel" },
        ]
    }
    function test_panelChoice(data) {
        const view = makeView()
        view.viewModel.hasDroppedApp = data.held
        view.viewModel.showSuccessState = data.success
        for (const name of ["emptyPanel", "resultsPanel", "successPanel"])
            tryCompare(panelLayer(view, name), "visible", name === data.panel)
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

    function test_errorAlertClearsItsFlag() {
        const view = makeView()
        const alert = findChild(view, "errorAlert")
        view.viewModel.errorMessage = "The item is not an application."
        view.viewModel.showErrorAlert = true
        tryCompare(alert, "opened", true)
        compare(findChild(alert.contentItem, "alertMessage").text, "The item is not an application.")
        mouseClick(findChild(alert.contentItem, "alertButton_OK"))
        tryCompare(alert, "visible", false)
        verify(!view.viewModel.showErrorAlert)
    }

    function test_deleteConfirmation_data() {
        return [
            { tag: "remove", button: "alertButton_Remove", deletes: 1 },
            { tag: "cancel", button: "alertButton_Cancel", deletes: 0 },
        ]
    }
    function test_deleteConfirmation(data) {
        const view = makeView()
        view.viewModel.hasDroppedApp = true
        view.viewModel.selectedCount = 4
        view.viewModel.showDeleteConfirmation = true
        const prompt = findChild(view, "deleteConfirmation")
        tryCompare(prompt, "opened", true)
        compare(findChild(prompt.contentItem, "alertTitle").text, "Move 4 selected items to Trash?")
        mouseClick(findChild(prompt.contentItem, data.button))
        tryCompare(prompt, "visible", false)
        verify(!view.viewModel.showDeleteConfirmation)
        compare(view.viewModel.calls.filter(c => c === "deleteSelectedFiles").length, data.deletes)
    }

    function test_permissionPromptOpensSettings() {
        const view = makeView()
        view.permissionManager.showPermissionPromptAlert = true
        const prompt = findChild(view, "permissionPrompt")
        tryCompare(prompt, "opened", true)
        mouseClick(findChild(prompt.contentItem, "alertButton_Open Settings"))
        tryCompare(prompt, "visible", false)
        compare(view.permissionManager.settingsOpened, 1)
        verify(!view.permissionManager.showPermissionPromptAlert)
    }

    function test_successDoneResets() {
        const view = makeView()
        view.viewModel.showSuccessState = true
        const done = findChild(view, "doneButton")
        tryCompare(panelLayer(view, "successPanel"), "opacity", 1)
        mouseClick(done)
        compare(view.viewModel.calls, ["resetSelection"])
    }
}
