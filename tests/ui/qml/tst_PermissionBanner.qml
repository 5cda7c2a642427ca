import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "PermissionBanner"
    when: windowShown
    width: 588
    height: 120

    Component { id: banner; PermissionBannerView { width: 588 } }

    function test_message_data() {
        return [
            { tag: "none", count: 0, message: "Grant Full Disk Access for complete results." },
            { tag: "one", count: 1,
              message: "1 location were blocked. Grant Full Disk Access for complete results." },
            { tag: "three", count: 3,
              message: "3 locations were blocked. Grant Full Disk Access for complete results." },
        ]
    }
    function test_message(data) {
        const view = createTemporaryObject(banner, testCase, { deniedPathCount: data.count })
        compare(findChild(view, "bannerTitle").text, "Some folders were restricted.")
        compare(findChild(view, "bannerMessage").text, data.message)
    }

    function test_buttonOpensSettings() {
        const view = createTemporaryObject(banner, testCase, { deniedPathCount: 2 })
        const spy = createTemporaryObject(spyComponent, testCase, { target: view })
        mouseClick(findChild(view, "openSettingsButton"))
        compare(spy.count, 1)
    }

    function test_narrowBannerWrapsAndKeepsTheButton() {
        const view = createTemporaryObject(banner, testCase, { deniedPathCount: 3, width: 300 })
        const message = findChild(view, "bannerMessage")
        verify(message.lineCount >= 2 && message.lineCount <= 2)
        compare(findChild(view, "openSettingsButton").width, 136)
    }

    Component { id: spyComponent; SignalSpy { signalName: "openSettings" } }
}
