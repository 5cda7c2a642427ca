import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "Settings"
    when: windowShown

    Component { id: settingsWindow; SettingsWindow {} }

    function page(window) { return findChild(window, "settingsLoader").item }

    function present(window) {
        window.present()
        tryVerify(() => page(window) !== null)
        waitForRendering(page(window))
    }

    function test_opensOnGeneralEachTime() {
        const window = createTemporaryObject(settingsWindow, testCase, { preferences: {
            confirmBeforeRemovingFiles: true, autoScanAfterDroppingApp: true,
            showCategoryDashboard: true } })
        present(window)
        compare(page(window).selectedTab, "general")
        mouseClick(findChild(page(window), "aboutTab"))
        compare(page(window).selectedTab, "about")
        window.close()
        tryVerify(() => page(window) === null)
        present(window)
        compare(page(window).selectedTab, "general")
    }
}
