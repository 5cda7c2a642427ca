import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "DropZone"
    when: windowShown
    width: 588
    height: 300

    Component { id: dropZone; DropZoneView { anchors.fill: parent } }
    Component { id: spyComponent; SignalSpy {} }

    function makeZone() {
        const zone = createTemporaryObject(dropZone, testCase)
        const drops = createTemporaryObject(spyComponent, testCase,
                                            { target: zone, signalName: "dropApp" })
        const selects = createTemporaryObject(spyComponent, testCase,
                                              { target: zone, signalName: "selectApp" })
        return { zone: zone, drops: drops, selects: selects }
    }

    function test_drop_data() {
        return [
            { tag: "application", urls: ["file:///Apps/Tool.app"], accepted: true,
              dropped: "file:///Apps/Tool.app" },
            { tag: "upper-case extension", urls: ["file:///Apps/Tool.APP"], accepted: true,
              dropped: "file:///Apps/Tool.APP" },
            { tag: "first item only", urls: ["file:///Docs/a.txt", "file:///Apps/Tool.app"],
              accepted: true, dropped: "" },
            { tag: "document", urls: ["file:///Docs/a.txt"], accepted: true, dropped: "" },
            { tag: "no file location", urls: [], accepted: false, dropped: "" },
        ]
    }
    function test_drop(data) {
        const t = makeZone()
        compare(t.zone.acceptDrop(data.urls.map(u => Qt.resolvedUrl(u))), data.accepted)
        if (data.dropped === "") {
            wait(50)
            compare(t.drops.count, 0)
        } else {
            tryCompare(t.drops, "count", 1)
            compare(t.drops.signalArguments[0][0].toString(), data.dropped)
        }
    }

    function test_clickChooses_data() {
        return [ { tag: "panel", button: false }, { tag: "button", button: true } ]
    }
    function test_clickChooses(data) {
        const t = makeZone()
        if (data.button)
            mouseClick(findChild(t.zone, "chooseAppButton"))
        else
            mouseClick(t.zone, 80, 40)
        compare(t.selects.count, 1)
    }

    function test_dropTargetedWinsOverHover() {
        const t = makeZone()
        mouseMove(t.zone, 100, 100)
        tryCompare(t.zone, "lookState", "hovering")
        t.zone.isDropTargeted = true
        compare(t.zone.lookState, "dropTargeted")
    }
}
