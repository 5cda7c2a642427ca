import QtQuick
import QtTest
import Tidewell

TestCase {
    id: testCase
    visible: true
    name: "FileRow"
    when: windowShown
    width: 588
    height: 100

    Component {
        id: entry
        QtObject {
            property string path: "/home/u/Library/Preferences/Tool.plist"
            property string fileName: "Tool.plist"
            property string parentPath: "/home/u/Library/Preferences"
            property double sizeInBytes: 0
            property bool isSelected: true
            property int writes: 0
            onIsSelectedChanged: ++writes
        }
    }
    Component {
        id: revealerDouble
        QtObject {
            property var revealed: []
            function reveal(path) { revealed = revealed.concat([path]) }
        }
    }
    Component { id: fileRow; FileRowView { width: 588 } }

    function makeRow() {
        const file = entry.createObject(testCase)
        const revealer = revealerDouble.createObject(testCase)
        const row = createTemporaryObject(fileRow, testCase, { file: file, revealer: revealer })
        verify(row)
        return row
    }

    function test_clickTogglesOnce_data() {
        return [
            { tag: "on the name", x: 300 },
            { tag: "in a gap", x: 14 + 24 + 5 },
            { tag: "on the size", x: 560 },
            { tag: "on the checkbox", checkbox: true },
        ]
    }
    function test_clickTogglesOnce(data) {
        const row = makeRow()
        if (data.checkbox)
            mouseClick(findChild(row, "rowCheckbox"))
        else
            mouseClick(row, data.x, row.height / 2)
        compare(row.file.isSelected, false)
        compare(row.file.writes, 1)
        mouseClick(row, 300, row.height / 2)
        compare(row.file.isSelected, true)
    }

    function test_contextMenuDoesNotToggle() {
        const row = makeRow()
        mouseClick(row, 300, row.height / 2, Qt.RightButton)
        const menu = findChild(row, "rowContextMenu")
        tryCompare(menu, "opened", true)
        compare(row.file.writes, 0)
        menu.itemAt(0).triggered()
        compare(row.revealer.revealed, ["/home/u/Library/Preferences/Tool.plist"])
        compare(row.file.writes, 0)
        compare(row.file.isSelected, true)
    }

    function test_rowHeightIsFixed() {
        const row = makeRow()
        row.file.fileName = "A very long leftover name that cannot fit in its column at all.plist"
        compare(row.height, 34)
    }
}
