import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "AppChooser"
    when: windowShown
    width: 620
    height: 460

    Component { id: chooserComponent; AppChooserDialog {} }
    // Read only when the chooser opens: the test's own empty host.
    Component { id: installedAppsModel; InstalledAppsModel {} }
    SignalSpy { id: browseSpy; signalName: "browseRequested" }

    // Every opening starts with an empty filter in the keyboard's hands; Browse hands over to
    // the file dialog and closes the chooser.
    function test_opensOnTheFilterAndHandsOverToTheFileDialog() {
        const chooser = createTemporaryObject(chooserComponent, testCase,
                                              { installedApps: installedAppsModel.createObject(testCase) })
        chooser.openChooser()
        tryVerify(() => chooser.opened)
        const filter = findChild(chooser.contentItem, "chooserFilter")
        tryVerify(() => filter.activeFocus)
        compare(filter.Accessible.name, "Filter by name or id")
        filter.text = "tide"
        chooser.close()
        tryVerify(() => !chooser.visible)
        chooser.openChooser()
        compare(filter.text, "")
        browseSpy.target = chooser
        mouseClick(findChild(chooser.contentItem, "chooserBrowseButton"))
        compare(browseSpy.count, 1)
        tryVerify(() => !chooser.visible)
    }
}
