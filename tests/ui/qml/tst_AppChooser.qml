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

    // Every opening starts where it is told, whatever folder the last one ended in.
    function test_opensWhereItIsTold() {
        const chooser = createTemporaryObject(chooserComponent, testCase)
        const start = DesktopIntegration.appChooserStartFolder()
        chooser.openIn(start)
        tryVerify(() => chooser.opened)
        compare(findChild(chooser.contentItem, "chooserFolder").text, chooser.localPath(start))
        chooser.goUp()
        verify(chooser.folder.toString() !== start.toString())
        chooser.close()
        tryVerify(() => !chooser.visible)
        chooser.openIn(start)
        compare(chooser.folder, start)
    }

    function test_bundleNames_data() {
        return [
            { tag: "bundle", name: "Ink.app", bundle: true },
            { tag: "upper case", name: "INK.APP", bundle: true },
            { tag: "folder", name: "Applications", bundle: false },
            { tag: "app inside the name", name: "app.backup", bundle: false },
        ]
    }
    function test_bundleNames(data) {
        const chooser = createTemporaryObject(chooserComponent, testCase)
        compare(chooser.isBundle(data.name), data.bundle)
    }
}
