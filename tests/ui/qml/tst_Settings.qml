import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "Settings"
    when: windowShown

    Component { id: preferencesDouble; PreferencesDouble {} }
    Component { id: settingsWindow; SettingsWindow {} }

    function page(window) { return findChild(window, "settingsLoader").item }

    function openSettings(preferences) {
        const window = createTemporaryObject(settingsWindow, testCase, { preferences: preferences })
        window.present()
        tryVerify(() => page(window) !== null)
        waitForRendering(page(window))
        return window
    }

    function test_opensOnGeneralEachTime() {
        const preferences = preferencesDouble.createObject(testCase)
        const window = openSettings(preferences)
        compare(page(window).selectedTab, "general")
        mouseClick(findChild(page(window), "aboutTab"))
        compare(page(window).selectedTab, "about")
        tryCompare(findChild(page(window), "generalPage"), "visible", false)
        window.close()
        tryVerify(() => page(window) === null)
        window.present()
        tryVerify(() => page(window) !== null)
        compare(page(window).selectedTab, "general")
        window.close()
    }

    function test_switchesWriteThePreferences_data() {
        return [
            { tag: "confirm", row: "confirmRow", key: "confirmBeforeRemovingFiles" },
            { tag: "auto-scan", row: "autoScanRow", key: "autoScanAfterDroppingApp" },
            { tag: "dashboard", row: "dashboardRow", key: "showCategoryDashboard" },
        ]
    }
    function test_switchesWriteThePreferences(data) {
        const preferences = preferencesDouble.createObject(testCase)
        const window = openSettings(preferences)
        const toggle = findChild(findChild(page(window), data.row), "toggle")
        mouseClick(toggle)
        compare(preferences[data.key], false)
        preferences[data.key] = true
        compare(toggle.checked, true)
        window.close()
    }
}
