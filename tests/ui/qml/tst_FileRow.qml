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

    // A list entry that counts writes to its selection and records what it is asked to reveal.
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
            property var revealed: []
            function reveal(path) { revealed = revealed.concat([path]) }
        }
    }
    Component { id: fileRow; FileRowView { width: 588 } }

    function makeRow() {
        const file = createTemporaryObject(entry, testCase)
        return createTemporaryObject(fileRow, testCase, { file: file, revealer: file })
    }

    function test_clickTogglesOnce_data() {
        return [ { tag: "on the name", x: 300 }, { tag: "in a gap", x: 14 + 24 + 5 },
                 { tag: "on the size", x: 560 }, { tag: "on the checkbox", checkbox: true } ]
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

    function test_contextMenuRevealsWithoutToggling() {
        const row = makeRow()
        mouseClick(row, 300, row.height / 2, Qt.RightButton)
        const menu = findChild(row, "rowContextMenu")
        tryCompare(menu, "opened", true)
        menu.itemAt(0).triggered()
        compare(row.file.revealed, ["/home/u/Library/Preferences/Tool.plist"])
        compare(row.file.writes, 0)
    }
}
